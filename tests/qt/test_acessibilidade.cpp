// A screen reader can name and use every window and control, and the
// program can be played with the keyboard alone.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <optional>

#include "Aparencia.h"
#include "Geometria.h"
#include "Programa.h"
#include "QuatroJanelas.h"
#include "Realizacoes.h"
#include "WindowTest.h"

namespace morvantis::testing {
namespace {

QString Nome(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}
QAccessible::Role Papel(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->role();
}

class Acessibilidade : public ::testing::TestWithParam<std::string> {
protected:
    QuatroJanelas janelas;
};

TEST_P(Acessibilidade, WindowAndEveryFocusableControlHaveANameAndARole) {
    auto janela = janelas.Criar(GetParam());
    EXPECT_FALSE(janela->accessibleName().isEmpty());
    EXPECT_EQ(Nome(janela.get()), janela->accessibleName());
    EXPECT_EQ(Papel(janela.get()), QAccessible::Dialog);

    int focaveis = 0;
    for (QWidget* w : janela->findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        ++focaveis;
        const std::string nome = w->objectName().toStdString();
        EXPECT_FALSE(w->accessibleName().trimmed().isEmpty()) << nome;
        EXPECT_EQ(Nome(w), w->accessibleName()) << nome;
        if (auto* botao = qobject_cast<QPushButton*>(w)) {
            EXPECT_EQ(botao->accessibleName(), botao->text());
            EXPECT_EQ(Papel(w), QAccessible::Button) << nome;
        } else {
            EXPECT_EQ(Papel(w), QAccessible::EditableText) << nome;
        }
    }
    EXPECT_GE(focaveis, 1);
}

// Tab and Shift+Tab go round each window both ways (the answer box handing
// Tab on, and passed over by Shift+Tab), and from the moment the window
// opens the focused control alone has the white ring around it, on the
// ground; the answer box never shows a caret.
TEST_P(Acessibilidade, TabAndShiftTabGoRoundBothWaysAndTheMarkFollowsTheFocus) {
    JanelaPrincipal principal;
    std::optional<JanelaDeTeste> avulsa;
    QWidget* janela = &principal.window;
    if (GetParam() != "FrmMain") {
        janela = avulsa.emplace(QuatroJanelas::Descricao(GetParam())).get();
    }
    QApplication::setCursorFlashTime(0);  // a caret, if any, always drawn
    janela->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(janela));
    const QColor chao =
        janela->findChild<QWidget*>(QStringLiteral("cliente"))->palette().color(QPalette::Window);
    const auto verMarca = [&](std::string_view focado) {
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), focado);
        const QImage foto = janela->grab().toImage();
        const qreal escala = foto.devicePixelRatio();
        const int anel = janelas::AnelEmPixels(escala);
        for (const std::string_view nome : OrdemDeTab(GetParam())) {
            const QWidget* w = janela->findChild<QWidget*>(QString::fromUtf8(nome.data(), nome.size()));
            const QPoint canto = w->mapTo(janela, QPoint(0, 0)) * escala;
            const auto cor = [&](int x) {
                return foto.pixelColor(canto + QPoint(x, w->height() * escala / 2)).name();
            };
            EXPECT_EQ(cor(-anel - 1), (nome == focado ? qt::Classica(janelas::CorMarcaFoco) : chao).name())
                << nome << ", the ring";
            EXPECT_EQ(cor(-1), chao.name()) << nome << ", between the ring and the control";
        }
        if (auto* resposta = janela->findChild<QTextEdit*>(QStringLiteral("TxtResposta"))) {
            const QImage area = foto.copy(QRect(resposta->viewport()->mapTo(janela, QPoint(0, 0)) * escala,
                                                resposta->viewport()->size() * escala));
            QImage vazia(area.size(), area.format());
            vazia.fill(resposta->palette().color(QPalette::Base));
            EXPECT_TRUE(area == vazia) << "a caret in the answer box";
        }
    };
    RodarNosDoisSentidos(
        GetParam(),
        [](bool atras) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                            atras ? Qt::ShiftModifier : Qt::NoModifier);
        },
        verMarca);
    QApplication::setCursorFlashTime(1000);
}

// Focus, Tab and Space only, from the entry window to the end.
TEST(KeyboardAlone, EnterAskForHelpPlayTheTrickAndLeave) {
    // Keys go wherever the focus is; with no focus at all the test fails
    // rather than typing into nothing.
    const auto tecla = [](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QWidget* alvo = QApplication::focusWidget();
        ASSERT_NE(alvo, nullptr) << "no focus for key " << k;
        QTest::keyClick(alvo, k, m);
    };
    const auto foco = [] {
        const QWidget* w = QApplication::focusWidget();
        return w != nullptr ? w->objectName().toStdString() : std::string("(none)");
    };
    fake::GeradorFalso gerador{{0.0}};
    qt::Kit kit;
    Programa programa{kit, gerador};
    programa.Iniciar();
    QWidget* entrada = qt::Janela::De(*programa.Entrada());
    ASSERT_TRUE(QTest::qWaitForWindowActive(entrada));
    EXPECT_EQ(foco(), "CmdEntrar");

    // The main window opens from the event queue once "Entrar" has returned;
    // the rest runs inside its modal loop, which "Sair" ends.
    bool jogou = false;
    WhenOpens("FrmMain", [&](QWidget* principal) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == principal; }));
        EXPECT_EQ(foco(), "TxtPergunta");
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("<ajuda>"));
        tecla(Qt::Key_Tab);
        EXPECT_EQ(foco(), "CmdPergunta");
        bool ajudou = false;
        QTimer::singleShot(0, qApp, [&] {
            QWidget* ajuda = QApplication::activeModalWidget();
            ASSERT_NE(ajuda, nullptr);
            EXPECT_EQ(ajuda->objectName(), QStringLiteral("FrmAjuda"));
            EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == ajuda; }));
            EXPECT_EQ(foco(), "Text1");
            tecla(Qt::Key_Tab);
            EXPECT_EQ(foco(), "CmdOK");
            tecla(Qt::Key_Space);
            ajudou = true;
        });
        tecla(Qt::Key_Space);
        EXPECT_TRUE(ajudou);
        auto* caixa = principal->findChild<QLineEdit*>(QStringLiteral("TxtPergunta"));
        EXPECT_TRUE(caixa->text().isEmpty()) << "the help's OK empties the question";

        // A window manager hands the focus back to the main window once the
        // help has gone; the offscreen platform has none, so the test does.
        principal->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == principal; }));
        caixa->setFocus(Qt::OtherFocusReason);  // as a click would; Shift+Tab below does the same
        tecla(Qt::Key_Tab);
        tecla(Qt::Key_Backtab);
        EXPECT_EQ(foco(), "TxtPergunta");
        QTest::keyClicks(caixa, QStringLiteral(";sim"));
        tecla(Qt::Key_Return);
        QTest::keyClicks(caixa, QStringLiteral("e, vou?"));
        tecla(Qt::Key_Tab);
        tecla(Qt::Key_Space);
        auto* resposta = principal->findChild<QTextEdit*>(QStringLiteral("TxtResposta"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return foco() == "CmdNova"; }));
        EXPECT_EQ(resposta->toPlainText(), QStringLiteral("sim"));
        tecla(Qt::Key_Space);
        EXPECT_EQ(foco(), "TxtPergunta");
        EXPECT_TRUE(resposta->toPlainText().isEmpty());

        tecla(Qt::Key_Tab);
        tecla(Qt::Key_Tab);
        EXPECT_EQ(foco(), "CmdSair");
        jogou = true;
        tecla(Qt::Key_Space);
    });
    tecla(Qt::Key_Space);
    EXPECT_EQ(QCoreApplication::exec(), 0) << "exit status";
    EXPECT_TRUE(jogou);
    EXPECT_TRUE(programa.Fim().Encerrado());
}

MORVANTIS_PARA_AS_QUATRO_JANELAS(Acessibilidade);

}  // namespace
}  // namespace morvantis::testing
