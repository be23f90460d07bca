// The figures best taken inside the program, through the real main window
// (FrmMain on the program's own generator and look): the pace of a
// 60-character reveal, and the cost of one keystroke through the key filter
// and the question box, with and without its repaint, beside the same
// keystroke in the bare window's line edit. The benchmark driver runs this on its Xvfb; it prints
// one "name value" line per figure and run.

#include "Janela.h"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "Aparencia.h"
#include "Encerramento.h"
#include "FrmMain.h"
#include "JanelaBase.h"
#include "Module1.h"

namespace {

using Relogio = std::chrono::steady_clock;

// 60 characters, the secret answer the master types; plain ASCII, which
// is all QTest can turn into key events.
const QString Resposta60 = QStringLiteral("Sim, e sera numa tarde de sol, diante de todos os seus pais.");

double Ms(Relogio::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}
double Us(Relogio::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

[[noreturn]] void Falhar(const char* motivo) {
    std::fprintf(stderr, "morvantis_bench_janela: %s\n", motivo);
    std::exit(1);
}

// Shown, exposed and active, as a window a person types into.
void Mostrar(QWidget& janela) {
    janela.show();
    if (!QTest::qWaitForWindowExposed(&janela)) {
        Falhar("a window was never exposed");
    }
    janela.activateWindow();
    // Without a window manager activation may never come; the figures hold
    // all the same, only without the focus frame.
    (void)QTest::qWaitForWindowActive(&janela, 1000);
}

template <typename T>
T* Achar(const QWidget& janela, const char* nome) {
    T* filho = janela.findChild<T*>(QString::fromLatin1(nome));
    if (filho == nullptr) {
        Falhar(nome);
    }
    return filho;
}

struct Controles {
    QLineEdit* pergunta;
    QTextEdit* resposta;
    QPushButton* perguntar;
    QPushButton* nova;
};

// Types the secret answer, asks, and times every character's arrival in the
// answer box. The reveal ends inside a local event loop, never a polling
// wait, so nothing but the window's own timer paces it.
void MedirRevelacao(const Controles& c) {
    QTest::keyClicks(c.pergunta, QStringLiteral(";") + Resposta60);
    QTest::keyClick(c.pergunta, Qt::Key_Return);
    QTest::keyClicks(c.pergunta, QStringLiteral("e, vou casar?"));

    std::vector<Relogio::time_point> marcas;
    QEventLoop laco;
    const auto conexao = QObject::connect(c.resposta, &QTextEdit::textChanged, &laco, [&] {
        const auto mostrados = static_cast<std::size_t>(c.resposta->toPlainText().size());
        if (mostrados > marcas.size()) {
            marcas.push_back(Relogio::now());
            if (mostrados >= static_cast<std::size_t>(Resposta60.size())) {
                laco.quit();
            }
        }
    });
    QTimer::singleShot(5000, &laco, &QEventLoop::quit);
    const auto inicio = Relogio::now();
    QTest::mouseClick(c.perguntar, Qt::LeftButton);
    laco.exec();
    QObject::disconnect(conexao);
    if (c.resposta->toPlainText() != Resposta60 ||
        marcas.size() != static_cast<std::size_t>(Resposta60.size())) {
        Falhar("the reveal did not type the whole answer one character at a time");
    }

    std::vector<double> ticks;
    auto anterior = inicio;
    for (const auto marca : marcas) {
        ticks.push_back(Ms(marca - anterior));
        anterior = marca;
    }
    std::sort(ticks.begin(), ticks.end());
    const std::size_t p95 = (ticks.size() * 95 + 99) / 100 - 1;
    std::printf("reveal_60_ms %.3f\nreveal_p95_tick_ms %.3f\n", Ms(marcas.back() - inicio), ticks[p95]);
}

// One keystroke: the key event through CaixaPergunta, the game's filter and
// the box's text update; then, timed apart, the box repainted and flushed
// to the screen at once (Qt would do it a few milliseconds later, merging
// keys typed in between). Every hundred letters are erased again with a
// hundred Backspaces (keystrokes too), which keeps the box under its
// 200-character limit.
struct Teclas {
    double tecla;
    double comPintura;
};

Teclas MedirTeclas(QLineEdit* caixa, int quantas) {
    static constexpr std::string_view Letras = "vou casar com quem eu amo neste ano ou no outro?";
    std::vector<double> teclas;
    std::vector<double> pinturas;
    teclas.reserve(static_cast<std::size_t>(quantas));
    pinturas.reserve(static_cast<std::size_t>(quantas));
    for (int i = 0; i < quantas; ++i) {
        const bool apagar = (i / 100) % 2 == 1;
        const auto inicio = Relogio::now();
        if (apagar) {
            QTest::keyClick(caixa, Qt::Key_Backspace);
        } else {
            QTest::keyClick(caixa, Letras[static_cast<std::size_t>(i) % Letras.size()]);
        }
        const auto digitada = Relogio::now();
        caixa->repaint();
        const auto pintada = Relogio::now();
        teclas.push_back(Us(digitada - inicio));
        pinturas.push_back(Us(pintada - inicio));
        QCoreApplication::processEvents();
    }
    return {Mediana(std::move(teclas)), Mediana(std::move(pinturas))};
}

// A megabyte pasted by Shift+Insert: from the key until the box has taken
// it and repainted. In the open most of it falls past the box's limit; in a
// capture every character is a keystroke for the filter.
double MedirColagem(QLineEdit* caixa) {
    QApplication::clipboard()->setText(QStringLiteral("Sim, com certeza! ").repeated((1 << 20) / 18));
    const auto inicio = Relogio::now();
    QTest::keyClick(caixa, Qt::Key_Insert, Qt::ShiftModifier);
    caixa->repaint();
    return Ms(Relogio::now() - inicio);
}

}  // namespace

int main(int argc, char* argv[]) {
    int corridas = 15;
    int teclas = 10000;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view opcao = argv[i];
        if (opcao == "--runs") {
            corridas = std::atoi(argv[i + 1]);
        } else if (opcao == "--keys") {
            teclas = std::atoi(argv[i + 1]);
        }
    }
    if (Resposta60.size() != 60 || corridas < 1 || teclas < 1) {
        Falhar("usage: morvantis_bench_janela [--runs N] [--keys N]");
    }

    QApplication app(argc, argv);
    morvantis::qt::AplicarAoPrograma(app);

    for (int corrida = 0; corrida < corridas; ++corrida) {
        morvantis::GeradorPadrao gerador;
        morvantis::Module1 modulo(gerador);
        morvantis::qt::Kit kit;
        morvantis::Encerramento fim(kit);
        morvantis::FrmMain principal(kit, modulo, fim);
        QWidget& janela = *morvantis::qt::Janela::De(principal.Janela());
        Mostrar(janela);
        const Controles c{Achar<QLineEdit>(janela, "TxtPergunta"), Achar<QTextEdit>(janela, "TxtResposta"),
                          Achar<QPushButton>(janela, "CmdPergunta"), Achar<QPushButton>(janela, "CmdNova")};
        c.pergunta->setFocus();

        MedirRevelacao(c);

        // A question typed in the open, then the same keys in a secret
        // capture, where the filter swallows each key and sets the box to
        // one more letter of the invocation.
        QTest::mouseClick(c.nova, Qt::LeftButton);
        const Teclas aberta = MedirTeclas(c.pergunta, teclas);
        QTest::keyClick(c.pergunta, ';');
        const Teclas secreta = MedirTeclas(c.pergunta, teclas);
        QTest::keyClick(c.pergunta, Qt::Key_Return);
        QTest::keyClick(c.pergunta, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(c.pergunta, Qt::Key_Backspace);
        const double colagemAberta = MedirColagem(c.pergunta);
        QTest::mouseClick(c.perguntar, Qt::LeftButton);
        if (!QTest::qWaitFor([&c] { return c.nova->isEnabled(); }, 60'000)) {
            Falhar("the reveal after the paste never finished");
        }
        QTest::mouseClick(c.nova, Qt::LeftButton);
        QTest::keyClick(c.pergunta, ';');
        const double colagemSecreta = MedirColagem(c.pergunta);
        std::printf("paste_1mb_open_ms %.3f\npaste_1mb_capture_ms %.3f\n", colagemAberta, colagemSecreta);
        janela.hide();

        morvantis::bench::JanelaBase base;
        Mostrar(base);
        base.Linha()->setFocus();
        const Teclas nua = MedirTeclas(base.Linha(), teclas);
        std::printf("keystroke_us %.3f\nkeystroke_secret_us %.3f\nbaseline_keystroke_us %.3f\n", aberta.tecla,
                    secreta.tecla, nua.tecla);
        std::printf(
            "keystroke_paint_us %.3f\nkeystroke_secret_paint_us %.3f\nbaseline_keystroke_paint_us %.3f\n",
            aberta.comPintura, secreta.comPintura, nua.comPintura);
        std::fflush(stdout);
    }
    return 0;
}
