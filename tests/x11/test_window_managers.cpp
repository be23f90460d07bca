// The program played from the entry window to "Sair" under a real window
// manager (run-under-wm.sh starts openbox or mutter): every window stays out
// of the taskbar by the window manager's own account, stands exactly centred
// and takes the focus with no click, and the accessibility interface places
// every control where the screen shows it.

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <iostream>

#include "Aparencia.h"
#include "Geometria.h"
#include "Janela.h"
#include "Programa.h"
#include "WindowTest.h"

namespace morvantis::testing {
namespace {

xcb_connection_t* Conexao() {
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_atom_t Atomo(const char* nome) {
    const auto cookie = xcb_intern_atom(Conexao(), 0, static_cast<std::uint16_t>(qstrlen(nome)), nome);
    xcb_intern_atom_reply_t* resposta = xcb_intern_atom_reply(Conexao(), cookie, nullptr);
    const xcb_atom_t atomo = resposta != nullptr ? resposta->atom : xcb_atom_t{XCB_ATOM_NONE};
    free(resposta);
    return atomo;
}

QString NomeDe(xcb_atom_t atomo) {
    xcb_get_atom_name_reply_t* resposta =
        xcb_get_atom_name_reply(Conexao(), xcb_get_atom_name(Conexao(), atomo), nullptr);
    if (resposta == nullptr) {
        return {};
    }
    QString nome =
        QString::fromLatin1(xcb_get_atom_name_name(resposta), xcb_get_atom_name_name_length(resposta));
    free(resposta);
    return nome;
}

// A property of a window as the X server holds it now: what the window
// manager wrote over the program's own hints.
QStringList Atomos(const QWidget& janela, const char* propriedade) {
    const auto cookie = xcb_get_property(Conexao(), 0, static_cast<xcb_window_t>(janela.winId()),
                                         Atomo(propriedade), XCB_ATOM_ATOM, 0, 64);
    xcb_get_property_reply_t* resposta = xcb_get_property_reply(Conexao(), cookie, nullptr);
    QStringList nomes;
    if (resposta != nullptr) {
        const auto* atomos = static_cast<const xcb_atom_t*>(xcb_get_property_value(resposta));
        const int n = xcb_get_property_value_length(resposta) / static_cast<int>(sizeof(xcb_atom_t));
        for (int i = 0; i < n; ++i) {
            nomes << NomeDe(atomos[i]);
        }
        free(resposta);
    }
    return nomes;
}

// Where the X server has the window's top-left corner on the screen.
QPoint NaTela(const QWidget& janela) {
    const xcb_window_t raiz = xcb_setup_roots_iterator(xcb_get_setup(Conexao())).data->root;
    const auto cookie =
        xcb_translate_coordinates(Conexao(), static_cast<xcb_window_t>(janela.winId()), raiz, 0, 0);
    xcb_translate_coordinates_reply_t* resposta = xcb_translate_coordinates_reply(Conexao(), cookie, nullptr);
    if (resposta == nullptr) {
        return {-1, -1};
    }
    const QPoint ponto(resposta->dst_x, resposta->dst_y);
    free(resposta);
    return ponto;
}

using Olhar = std::function<void(QWidget&)>;

void PerguntarEOlhar(QWidget& principal, const QString& pergunta, const char* dialogo, const Olhar& olhar) {
    auto* caixa = Find<QLineEdit>(principal, "TxtPergunta");
    auto* perguntar = Find<QPushButton>(principal, "CmdPergunta");
    ASSERT_TRUE(caixa != nullptr && perguntar != nullptr);
    WhenOpens(dialogo, [&olhar](QWidget* janela) {
        [&] {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(janela));
            olhar(*janela);
        }();
        Find<QPushButton>(*janela, "CmdOK")->click();
    });
    caixa->setText(pergunta);
    perguntar->click();  // returns once the window's "OK" has closed it
    EXPECT_TRUE(caixa->text().isEmpty()) << dialogo << " did not open and close";
}

// Plays the program as a player would, from its start to "Sair", and looks
// at each of its four windows once the window manager shows it.
void Jogar(const Olhar& olhar) {
    fake::GeradorFalso gerador{{0.0}};
    qt::Kit kit;
    Programa programa{kit, gerador};
    programa.Iniciar();
    QWidget* entrada = qt::Janela::De(*programa.Entrada());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(entrada));
    olhar(*entrada);

    int vistas = 0;
    WhenOpens("FrmMain", [&](QWidget* principal) {
        [&] {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(principal));
            olhar(*principal);
            ++vistas;
            PerguntarEOlhar(*principal, QStringLiteral("<ajuda>"), "FrmAjuda", [&](QWidget& w) {
                olhar(w);
                ++vistas;
            });
            PerguntarEOlhar(*principal, QStringLiteral("<sobre>"), "FrmSobre", [&](QWidget& w) {
                olhar(w);
                ++vistas;
            });
        }();
        Find<QPushButton>(*principal, "CmdSair")->click();
    });
    // Whatever goes wrong above, the run ends.
    QTimer guarda;
    guarda.setSingleShot(true);
    QObject::connect(&guarda, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    guarda.start(30'000);
    Find<QPushButton>(*entrada, "CmdEntrar")->click();
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_EQ(vistas, 3);
}

// Exactly (screen - window) / 2, as every realisation centres.
void Centrada(QWidget& janela) {
    const QRect tela = janela.screen()->geometry();
    const QPoint centro = tela.topLeft() + QPoint(janelas::Centrado(tela.width(), janela.width()),
                                                  janelas::Centrado(tela.height(), janela.height()));
    const bool centrada = QTest::qWaitFor([&] { return NaTela(janela) == centro; }, 1000);
    const QPoint naTela = NaTela(janela);
    EXPECT_TRUE(centrada) << janela.objectName().toStdString() << " at " << naTela.x() << "," << naTela.y()
                          << ", centred at " << centro.x() << "," << centro.y();
}

TEST(WindowManager, EveryWindowStaysOutOfTheTaskbarIsCentredAndTakesTheFocus) {
    Jogar([](QWidget& janela) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&janela)) << janela.objectName().toStdString();
        const QStringList estado = Atomos(janela, "_NET_WM_STATE");
        std::cout << janela.objectName().toStdString() << ": _NET_WM_WINDOW_TYPE = "
                  << Atomos(janela, "_NET_WM_WINDOW_TYPE").join(", ").toStdString()
                  << "; _NET_WM_STATE = " << estado.join(", ").toStdString() << std::endl;
        EXPECT_TRUE(estado.contains(QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR")))
            << janela.objectName().toStdString() << " is in the taskbar";
        Centrada(janela);
    });
}

// A screen reader's tools, and an input method's candidate window, place
// themselves by these extents. The window manager may still be moving a
// window when it first shows, so each check waits a little for agreement.
TEST(WindowManager, AccessibleExtentsAreWhereTheScreenShowsEachControl) {
    for (int vez = 1; vez <= 30; ++vez) {
        SCOPED_TRACE("run " + std::to_string(vez));
        Jogar([](QWidget& janela) {
            QList<QWidget*> controles{&janela};
            controles += janela.findChild<QWidget*>(QStringLiteral("cliente"))
                             ->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            const auto ondeEsta = [&janela](QWidget* w) {
                return QRect(NaTela(janela) + w->mapTo(&janela, QPoint(0, 0)), w->size());
            };
            const auto extensao = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->rect(); };
            (void)QTest::qWaitFor(
                [&] {
                    return std::all_of(controles.begin(), controles.end(),
                                       [&](QWidget* w) { return extensao(w) == ondeEsta(w); });
                },
                1000);
            for (QWidget* w : controles) {
                const QRect e = extensao(w);
                const QRect t = ondeEsta(w);
                EXPECT_EQ(e, t) << janela.objectName().toStdString() << "/" << w->objectName().toStdString()
                                << ": accessible at " << e.x() << "," << e.y() << ", on screen at " << t.x()
                                << "," << t.y();
            }
        });
    }
}

}  // namespace
}  // namespace morvantis::testing

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(MORVANTIS_PRODUTO));
    morvantis::qt::AplicarAoPrograma(app);
    return RUN_ALL_TESTS();
}
