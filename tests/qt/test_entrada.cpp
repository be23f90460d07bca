#include <QAccessible>
#include <QFontInfo>
#include <QLabel>
#include <QPointer>

#include "Controles.h"
#include "Janelas.h"
#include "Programa.h"
#include "WindowTest.h"

namespace morvantis::testing {
namespace {

class EntryWindow : public ::testing::Test {
protected:
    EntryWindow() {
        programa.Iniciar();
        entrada = qt::Janela::De(*programa.Entrada());
        EXPECT_TRUE(QTest::qWaitForWindowExposed(entrada));
    }

    // Enters with `press` from inside the program's own event loop, as a
    // person would, looks at the main window from inside its modal loop,
    // then leaves through its "Sair", which ends both loops.
    void EnterAndLook(const std::function<void()>& press, const std::function<void(QWidget*)>& look) {
        bool looked = false;
        QTimer::singleShot(0, qApp, [&] {
            WhenOpens("FrmMain", [&](QWidget* modal) {
                look(modal);
                looked = true;
                QTest::mouseClick(Find<QPushButton>(*modal, "CmdSair"), Qt::LeftButton);
            });
            press();
        });
        EXPECT_EQ(QCoreApplication::exec(), 0) << "exit status";
        EXPECT_TRUE(looked);
    }

    fake::GeradorFalso gerador{{0.0}};
    qt::Kit kit;
    Programa programa{kit, gerador};
    QPointer<qt::JanelaFixa> entrada;
};

TEST_F(EntryWindow, LaunchShowsOnlyTheEntryWindowWithTheFocusOnEntrar) {
    EXPECT_EQ(programa.Principal(), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), Find<QPushButton>(*entrada, "CmdEntrar"));
    EXPECT_TRUE(gerador.seeds.empty()) << "nothing is seeded before the main window exists";
}

TEST_F(EntryWindow, WarningWrapsInsideItsLabelInTheVerdanaStandIn) {
    auto* aviso = Find<QLabel>(*entrada, "Label2");
    const QFontInfo font(aviso->font());
    EXPECT_TRUE(font.family() == QStringLiteral("Verdana") || font.family() == QStringLiteral("DejaVu Sans"))
        << font.family().toStdString();
    EXPECT_EQ(font.pixelSize(), 11);
    const QRect needed = aviso->fontMetrics().boundingRect(QRect(0, 0, aviso->width(), 10'000),
                                                           Qt::TextWordWrap, aviso->text());
    EXPECT_LE(needed.height(), aviso->height()) << "the last line stays in view";
    EXPECT_LE(needed.width(), aviso->width());
}

TEST_F(EntryWindow, SairEndsWithoutCreatingTheMainWindow) {
    QTest::mouseClick(Find<QPushButton>(*entrada, "CmdSair"), Qt::LeftButton);
    EXPECT_TRUE(programa.Fim().Encerrado());
    EXPECT_FALSE(entrada->isVisible());
    EXPECT_EQ(programa.Principal(), nullptr);
    EXPECT_TRUE(gerador.seeds.empty());
}

// Nothing of the entry window is left once the main window shows: no hidden
// window a screen reader would still list, with a second "Sair".
TEST_F(EntryWindow, EntrarDestroysTheEntryWindowBeforeTheMainWindowShowsSeededOnce) {
    EnterAndLook([&] { QTest::mouseClick(Find<QPushButton>(*entrada, "CmdEntrar"), Qt::LeftButton); },
                 [&](QWidget* modal) {
                     EXPECT_EQ(modal->parentWidget(), nullptr) << "no owner window";
                     EXPECT_TRUE(entrada.isNull()) << "destroyed before the main window's loop started";
                     for (const QWidget* w : QApplication::allWidgets()) {
                         EXPECT_NE(w->window()->objectName(), QStringLiteral("FrmEntrada"));
                     }
                     QAccessibleInterface* app = QAccessible::queryAccessibleInterface(qApp);
                     for (int i = 0; i < app->childCount(); ++i) {
                         EXPECT_NE(app->child(i)->text(QAccessible::Name),
                                   qt::ParaQString(janelas::Entrada.nomeAcessivel));
                     }
                     EXPECT_EQ(gerador.seeds.size(), 1u);
                     EXPECT_EQ(modal->focusWidget(), Find<QLineEdit>(*modal, "TxtPergunta"));
                 });
    EXPECT_TRUE(programa.Fim().Encerrado()) << "leaving the main window ends the program";
    EXPECT_EQ(gerador.seeds.size(), 1u);
}

TEST_F(EntryWindow, SpaceOnTheFocusedEntrarEnters) {
    bool entered = false;
    EnterAndLook([&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); },
                 [&](QWidget* modal) { entered = modal != nullptr && modal->objectName() == "FrmMain"; });
    EXPECT_TRUE(entered);
}

}  // namespace
}  // namespace morvantis::testing
