#include <QFontInfo>
#include <QLabel>
#include <QPointer>

#include "FrmEntrada.h"
#include "Programa.h"
#include "WindowTest.h"

namespace morvantis::testing {
namespace {

class EntryWindow : public ::testing::Test {
protected:
    EntryWindow() {
        programa.Iniciar();
        entrada = programa.Entrada();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(entrada));
    }
    ~EntryWindow() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // Enters with `press` from inside the program's own event loop, as a
    // person would, looks at the main window from inside its modal loop,
    // then leaves through its "Sair", which ends both loops.
    void EnterAndLook(const std::function<void()>& press, const std::function<void(QWidget*)>& look) {
        bool looked = false;
        QTimer::singleShot(0, qApp, [&] {
            WhenModalOpens([&](QWidget* modal) {
                look(modal);
                looked = true;
                QTest::mouseClick(Find<QPushButton>(*modal, "CmdSair"), Qt::LeftButton);
            });
            press();
        });
        EXPECT_EQ(QCoreApplication::exec(), 0) << "exit status";
        EXPECT_TRUE(looked);
    }

    fake::FakeGerador gerador{{0.0}};
    Programa programa{gerador};
    QPointer<FrmEntrada> entrada;
};

TEST_F(EntryWindow, LaunchShowsOnlyTheEntryWindowWithTheFocusOnEntrar) {
    EXPECT_EQ(programa.Principal(), nullptr);
    EXPECT_EQ(entrada->size(), QSize(437, 338));
    EXPECT_EQ(entrada->Cliente()->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(QApplication::focusWidget(), Find<QPushButton>(*entrada, "CmdEntrar"));
    EXPECT_EQ(Find<QPushButton>(*entrada, "CmdEntrar")->geometry(), QRect(240, 296, 81, 25));
    EXPECT_EQ(Find<QPushButton>(*entrada, "CmdSair")->geometry(), QRect(336, 296, 81, 25));
    EXPECT_EQ(Find<QLabel>(*entrada, "Image1")->geometry(), QRect(8, 8, 219, 315))
        << "the painting, unscaled";
    EXPECT_EQ(Find<QLabel>(*entrada, "Label1")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_TRUE(gerador.seeds.empty()) << "nothing is seeded before the main window exists";
}

TEST_F(EntryWindow, WarningWrapsInsideItsLabelInTheVerdanaStandIn) {
    auto* aviso = Find<QLabel>(*entrada, "Label2");
    EXPECT_EQ(aviso->text().size(), 365);
    EXPECT_TRUE(aviso->text().endsWith(QStringLiteral("palavras de Morvantis.")));
    EXPECT_EQ(aviso->geometry(), QRect(240, 24, 185, 185));
    EXPECT_TRUE(aviso->wordWrap());
    const QFontInfo font(aviso->font());
    EXPECT_TRUE(font.family() == QStringLiteral("Verdana") || font.family() == QStringLiteral("DejaVu Sans"))
        << font.family().toStdString();
    EXPECT_EQ(font.pixelSize(), 11);
    const QRect needed =
        aviso->fontMetrics().boundingRect(QRect(0, 0, 185, 10'000), Qt::TextWordWrap, aviso->text());
    EXPECT_LE(needed.height(), 185) << "the last line stays in view";
    EXPECT_LE(needed.width(), 185);
}

TEST_F(EntryWindow, SairEndsWithoutCreatingTheMainWindow) {
    QTest::mouseClick(Find<QPushButton>(*entrada, "CmdSair"), Qt::LeftButton);
    EXPECT_TRUE(programa.App().Encerrada());
    EXPECT_FALSE(entrada->isVisible());
    EXPECT_EQ(programa.Principal(), nullptr);
    EXPECT_TRUE(gerador.seeds.empty());
}

TEST_F(EntryWindow, EntrarHidesTheEntryWindowThenOpensTheMainWindowSeededOnce) {
    EnterAndLook([&] { QTest::mouseClick(Find<QPushButton>(*entrada, "CmdEntrar"), Qt::LeftButton); },
                 [&](QWidget* modal) {
                     ASSERT_NE(modal, nullptr);
                     EXPECT_EQ(modal->objectName(), QStringLiteral("FrmMain"));
                     EXPECT_EQ(modal->parentWidget(), nullptr) << "no owner window";
                     EXPECT_FALSE(entrada->isVisible()) << "the entry window left the screen first";
                     EXPECT_EQ(gerador.seeds.size(), 1u);
                     EXPECT_EQ(modal->focusWidget(), Find<QLineEdit>(*modal, "TxtPergunta"));
                 });
    EXPECT_TRUE(programa.App().Encerrada()) << "leaving the main window ends the program";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(entrada.isNull()) << "the entry window is destroyed once its handler returned";
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
