// Plays a byte string as a sequence of events on the oracle (keys of every
// kind, input-method commits, caret moves and Delete on the box, the three
// buttons, timer ticks, "<ajuda>"/"<sobre>") on the fake toolkit, and checks
// after every event that the game did what a small model of the rules says.
// Any broken rule aborts, which libFuzzer reports as a crash.
//
// Encoding (tests/fuzz/README.md lists the seeds): the first byte picks the
// generator's value; then each event is an opcode byte followed by its
// operands.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "FakeToolkit.h"
#include "Module1.h"
#include "Oraculo.h"

namespace morvantis::fuzz {
namespace {

// Keys worth hitting often: the three with a meaning, letters, accents,
// control characters, and characters outside Latin-1 and the 16-bit range
// (lone surrogate halves included: a platform may deliver one).
constexpr char32_t Teclas[] = {
    U';', 8,  13, U' ', U'a', U'e', U's', U'i', U'm',   U'n',   U'o',   U'?',  U'ç',     U'ã', U'é',
    1,    22, 27, 127,  U'<', U'>', U'😀', U'€', 0xD83D, 0xDE00, 0xFFFD, U'中', 0x110000, U'A',
};
constexpr std::size_t NumTeclas = sizeof(Teclas) / sizeof(Teclas[0]);

enum Evento : std::uint8_t {
    TeclaComum,   // +1 byte: index into Teclas
    TeclaCodigo,  // +3 bytes: any code point, some past U+10FFFF
    Commit,       // +1 byte count, then that many Teclas indexes
    Cursor,       // +1 byte: caret position
    Delete,       // the box deletes after the caret itself
    Perguntar,
    Nova,
    Tique,         // +1 byte: how many ticks
    Palavra,       // +1 byte: "<ajuda>" or "<sobre>" typed, then asked
    Rajada,        // +1 byte key index, +1 byte count: one key held down
    FocoResposta,  // a click or Tab into the answer box
    Sair,
    NumEventos
};

[[noreturn]] void Falha(const char* regra, int linha) {
    std::fprintf(stderr, "fuzz_oraculo: broken rule at line %d: %s\n", linha, regra);
    std::abort();
}

#define EXIGIR(cond)                \
    do {                            \
        if (!(cond)) {              \
            Falha(#cond, __LINE__); \
        }                           \
    } while (false)

constexpr bool Alto(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
constexpr bool Baixo(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// The model's own copies of the text rules, kept apart from game/Texto so a
// fault there shows as a mismatch.
void Acrescentar(std::u16string& s, char32_t c) {
    if (c > 0x10FFFF) {
        c = 0xFFFD;
    }
    if (c < 0x10000) {
        s.push_back(static_cast<char16_t>(c));
    } else {
        s.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
        s.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    }
}

void TirarUltimo(std::u16string& s) {
    if (s.empty()) {
        return;
    }
    const bool par = s.size() >= 2 && Baixo(s.back()) && Alto(s[s.size() - 2]);
    s.resize(s.size() - (par ? 2 : 1));
}

bool SoEspacos(std::u16string_view s) {
    return s.find_first_not_of(u' ') == std::u16string_view::npos;
}

// Whether every character of s appears in frase, in order.
bool Subsequencia(std::u16string_view s, std::u16string_view frase) {
    std::size_t j = 0;
    for (const char16_t c : s) {
        while (j < frase.size() && frase[j] != c) {
            ++j;
        }
        if (j == frase.size()) {
            return false;
        }
        ++j;
    }
    return true;
}

class Leitor {
public:
    Leitor(const std::uint8_t* dados, std::size_t tamanho) : dados_(dados), tamanho_(tamanho) {}
    bool Fim() const { return pos_ >= tamanho_; }
    std::uint8_t Byte() { return pos_ < tamanho_ ? dados_[pos_++] : 0; }

private:
    const std::uint8_t* dados_;
    std::size_t tamanho_;
    std::size_t pos_ = 0;
};

// What the rules say the game state must be, tracked independently.
struct Modelo {
    std::u16string resposta;
    std::u16string invocacao;
    bool modo = false;
    bool usado = false;
    int mascarados = 0;
    std::int64_t contador = 0;
    bool revelando = false;
};

class Partida {
public:
    explicit Partida(double valor) : gerador_({valor}) {
        w_.TxtResposta.onFocus = [this] { oraculo_.TxtResposta_GotFocus(); };
        // Both windows' OK empty the question box before they close.
        w_.Janelas.whileShown = [this] { w_.TxtPergunta.SetText({}); };
    }

    // Returns false once the program has ended.
    bool Jogar(Leitor& in) {
        switch (in.Byte() % NumEventos) {
            case TeclaComum:
                Tecla(Teclas[in.Byte() % NumTeclas]);
                break;
            case TeclaCodigo: {
                const std::uint32_t a = in.Byte();
                const std::uint32_t b = in.Byte();
                const std::uint32_t c = in.Byte();
                Tecla(static_cast<char32_t>(((a << 16) | (b << 8) | c) % 0x110100));
                break;
            }
            case Commit:
                for (int n = 1 + in.Byte() % 16; n > 0; --n) {
                    Tecla(Teclas[in.Byte() % NumTeclas]);
                }
                break;
            case Cursor:
                w_.TxtPergunta.caret = in.Byte() % (Caixa().size() + 1);
                break;
            case Delete:
                ApagarAFrente();
                break;
            case Perguntar:
                ClicarPerguntar();
                break;
            case Nova:
                ClicarNova();
                break;
            case Tique:
                for (int n = 1 + in.Byte() % 64; n > 0 && w_.Timer.enabled; --n) {
                    Tiquetaque();
                }
                break;
            case Palavra: {
                const std::u16string_view palavra =
                    in.Byte() % 2 == 0 ? Oraculo::PalavraAjuda : Oraculo::PalavraSobre;
                for (const char16_t c : palavra) {
                    Tecla(c);
                }
                ClicarPerguntar();
                break;
            }
            case Rajada: {
                // At most 256 keys: longer bursts made most inputs slow.
                // The seeds in limits/ string bursts past the 32,767
                // keystrokes a capture counts.
                const char32_t tecla = Teclas[in.Byte() % NumTeclas];
                const int n = 1 + in.Byte();
                for (int i = 0; i < n; ++i) {
                    Tecla(tecla, false);
                }
                break;
            }
            case FocoResposta:
                w_.TxtResposta.SetFocus();
                EXIGIR(w_.focus.owner == "TxtPergunta");
                break;
            case Sair:
                if (w_.CmdSair.enabled) {
                    oraculo_.CmdSair_Click();
                    EXIGIR(w_.App.ended);
                    return false;
                }
                break;
            default:
                break;
        }
        ConferirEstado();
        return true;
    }

private:
    const std::u16string& Caixa() const { return w_.TxtPergunta.text; }

    // One character keystroke, as the real box delivers it: the filter first,
    // then the box applies whatever was not swallowed. `conferir` off skips
    // the whole-state check for long bursts; the per-key rules still hold.
    void Tecla(char32_t tecla, bool conferir = true) {
        const std::u16string antes = Caixa();
        const bool gatilho = tecla == U';' && SoEspacos(antes);
        char32_t key = tecla;
        oraculo_.TxtPergunta_KeyPress(key);
        if (gatilho) {
            EXIGIR(key == 0);
            EXIGIR(Caixa() == antes);
            if (!m_.usado) {
                m_.modo = m_.usado = true;
                m_.invocacao = oraculo_.Estado().Invocacao;
                EXIGIR(!m_.invocacao.empty());
            }
        } else if (tecla == 13) {
            EXIGIR(key == 0);
            EXIGIR(Caixa() == antes);
            m_.modo = false;
        } else if (!m_.modo) {
            EXIGIR(key == tecla);
            w_.TxtPergunta.Apply(key);
        } else if (tecla == 8) {
            EXIGIR(key == 0);
            if (antes.empty()) {
                EXIGIR(Caixa().empty());
            } else {
                m_.mascarados = std::max(m_.mascarados - 1, int{std::numeric_limits<std::int16_t>::min()});
                TirarUltimo(m_.resposta);
                std::u16string esperada = antes;
                TirarUltimo(esperada);
                EXIGIR(Caixa() == esperada);
                EXIGIR(w_.TxtPergunta.caret == Caixa().size());
            }
        } else {
            // A captured keystroke: it lands in the answer and the box shows
            // exactly the first Mascarados letters of the phrase.
            EXIGIR(key == 0);
            if (m_.mascarados < std::numeric_limits<std::int16_t>::max()) {
                Acrescentar(m_.resposta, tecla);
                ++m_.mascarados;
            }
            const auto n =
                std::min(static_cast<std::size_t>(std::max(m_.mascarados, 0)), m_.invocacao.size());
            // Within a burst, once the whole phrase shows, its length and
            // last letter suffice: comparing it whole each time would take
            // most of the fuzzer's time.
            if (conferir || n < m_.invocacao.size()) {
                EXIGIR(Caixa() == std::u16string_view(m_.invocacao).substr(0, n));
            } else {
                EXIGIR(Caixa().size() == n && Caixa().back() == m_.invocacao.back());
            }
            EXIGIR(w_.TxtPergunta.caret == Caixa().size());
            EXIGIR(oraculo_.Estado().Mascarados == m_.mascarados);
        }
        if (conferir) {
            ConferirEstado();
        }
    }

    void ApagarAFrente() {
        auto& caixa = w_.TxtPergunta;
        if (caixa.locked || caixa.caret >= caixa.text.size()) {
            return;
        }
        const bool par = caixa.caret + 1 < caixa.text.size() && Alto(caixa.text[caixa.caret]) &&
                         Baixo(caixa.text[caixa.caret + 1]);
        caixa.text.erase(caixa.caret, par ? 2 : 1);
    }

    struct Controles {
        bool pergunta, nova, sair, travada, timer;
        bool operator==(const Controles&) const = default;
    };
    Controles Agora() const {
        return {w_.CmdPergunta.enabled, w_.CmdNova.enabled, w_.CmdSair.enabled, w_.TxtPergunta.locked,
                w_.Timer.enabled};
    }

    void ClicarPerguntar() {
        if (!w_.CmdPergunta.enabled) {
            return;
        }
        const std::u16string pergunta = Caixa();
        const std::size_t abertas = w_.Janelas.shown.size();
        const Controles antes = Agora();
        oraculo_.CmdPergunta_Click();
        const bool ajuda = pergunta == Oraculo::PalavraAjuda;
        if (ajuda || pergunta == Oraculo::PalavraSobre) {
            EXIGIR(w_.Janelas.shown.size() == abertas + 1);
            EXIGIR(w_.Janelas.shown.back() == (ajuda ? "FrmAjuda" : "FrmSobre"));
            EXIGIR(Agora() == antes);
            EXIGIR(Caixa().empty());
            return;
        }
        EXIGIR(w_.Janelas.shown.size() == abertas);
        EXIGIR((Agora() == Controles{false, false, false, true, true}));
        EXIGIR(w_.TxtResposta.text.empty());
        m_.usado = m_.modo = false;
        if (pergunta.empty()) {
            m_.resposta = Oraculo::PerguntaVazia;
        } else if (m_.resposta.empty()) {
            m_.resposta = oraculo_.Estado().Desaforo;
            EXIGIR(!m_.resposta.empty());
        }
        m_.revelando = true;
    }

    // One reveal step: the answer box shows a prefix of the answer that
    // never ends inside a surrogate pair, and the last step leaves the
    // controls as a finished reveal has them.
    void Tiquetaque() {
        oraculo_.Timer_Timer();
        const std::u16string& r = m_.resposta;
        if (m_.contador < std::numeric_limits<std::int32_t>::max()) {
            ++m_.contador;
        }
        const auto c = static_cast<std::size_t>(m_.contador);
        if (c < r.size() && Alto(r[c - 1]) && Baixo(r[c])) {
            ++m_.contador;
        }
        const std::size_t n = std::min(static_cast<std::size_t>(m_.contador), r.size());
        const std::u16string& mostrada = w_.TxtResposta.text;
        EXIGIR(mostrada.size() == n);
        EXIGIR(std::u16string_view(r).substr(0, n) == mostrada);
        EXIGIR(n == 0 || n == r.size() || !(Alto(r[n - 1]) && Baixo(r[n])));
        if (n >= r.size()) {
            EXIGIR((Agora() == Controles{false, true, true, true, false}));
            EXIGIR(w_.focus.owner == "CmdNova");
            m_.revelando = false;
        } else {
            EXIGIR((Agora() == Controles{false, false, false, true, true}));
        }
    }

    void ClicarNova() {
        if (!w_.CmdNova.enabled) {
            return;
        }
        oraculo_.CmdNova_Click();
        m_.resposta.clear();
        m_.mascarados = 0;
        m_.contador = 0;
        m_.modo = false;
        EXIGIR((Agora() == Controles{true, false, true, false, false}));
        EXIGIR(Caixa().empty());
        EXIGIR(w_.TxtResposta.text.empty());
        EXIGIR(w_.focus.owner == "TxtPergunta");
    }

    void ConferirEstado() const {
        const EstadoJogo& e = oraculo_.Estado();
        EXIGIR(e.Resposta == m_.resposta);
        EXIGIR(e.ModoSecreto == m_.modo);
        EXIGIR(e.SecretoUsado == m_.usado);
        EXIGIR(e.Mascarados == m_.mascarados);
        EXIGIR(e.Contador == m_.contador);
        EXIGIR(w_.Timer.enabled == m_.revelando);
        // During a capture the box holds only letters of the phrase, or the
        // blanks it had when the capture began: never a typed character.
        if (m_.modo) {
            EXIGIR(SoEspacos(Caixa()) || Subsequencia(Caixa(), m_.invocacao));
        }
        EXIGIR(w_.TxtPergunta.caret <= Caixa().size());
    }

    fake::FakeMainWindow w_;
    fake::FakeGerador gerador_;
    Module1 modulo_{gerador_};
    Oraculo oraculo_{w_.Controls(), modulo_};
    Modelo m_;
};

}  // namespace
}  // namespace morvantis::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    using namespace morvantis::fuzz;
    Leitor in(dados, tamanho);
    // The generator yields values in [0, 1).
    Partida partida(in.Byte() / 256.0);
    while (!in.Fim() && partida.Jogar(in)) {
    }
    return 0;
}
