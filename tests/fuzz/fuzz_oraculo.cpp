// Plays a byte string as a sequence of events on the question box's model
// and the oracle behind it, as every realisation drives them: keystrokes,
// insertions at any selection (typed, pasted, composed, replacements) of
// any size, deletions of a character, word, line or range either way, cuts,
// caret moves, lock and unlock, the three buttons, timer ticks and
// "<ajuda>"/"<sobre>". After every event it checks the box and the game
// against a reference of its own, and the rules that make the trick: during
// a capture the box shows letters of the phrase and nothing else, one for
// each character of the secret; the answer is exactly the characters typed
// less those erased, and the reveal shows just that; the
// box never holds a lone surrogate nor more than its limit; in the open,
// text lands at the caret. Any broken rule aborts, which libFuzzer reports
// as a crash.
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
#include <vector>

#include "ControlesFalsos.h"
#include "Grafemas.h"
#include "Module1.h"
#include "Oraculo.h"
#include "Palavras.h"

namespace morvantis::fuzz {
namespace {

namespace teclas = toolkit::teclas;

// Keys worth hitting often: the three with a meaning, letters, accents,
// control characters, characters outside Latin-1 and the 16-bit range, lone
// surrogate halves, and the pieces of characters made of several code
// points (a combining accent, a joiner, the halves of a flag).
constexpr std::u16string_view Teclas[] = {
    u";",
    teclas::Como(teclas::Backspace),
    teclas::Como(teclas::Enter),
    u" ",
    u"a",
    u"e",
    u"s",
    u"i",
    u"m",
    u"n",
    u"o",
    u"?",
    u"ç",
    u"ã",
    u"é",
    u"\x01",
    u"\x16",
    u"\x1b",
    u"\x7f",
    u"<",
    u">",
    u"😀",
    u"€",
    u"\xD83D",
    u"\xDE00",
    u"\xFFFD",
    u"中",
    u"\uFFFD",
    u"A",
    u"\u0301",
    u"\u200D",
    u"👨",
    u"👩",
    u"🇧",
    u"🇷",
    u"e\u0301",
    u"👨\u200D👩\u200D👧",
    u"\n",
    u"\r\n",
    u"\t",
    u"🇧🇷",
    u"a\xD83D"
    u"b",
};
constexpr std::size_t NumTeclas = sizeof(Teclas) / sizeof(Teclas[0]);
constexpr std::size_t Limite = 200;
constexpr int MaximoMascarados = std::numeric_limits<std::int16_t>::max();
constexpr int MinimoMascarados = std::numeric_limits<std::int16_t>::min();

enum Evento : std::uint8_t {
    TeclaComum,   // +1 byte: index into Teclas
    TeclaCodigo,  // +3 bytes: any code point, some past U+10FFFF
    Inserir,      // +1 byte count, then that many Teclas indexes: one insertion
    Cursor,       // +2 bytes: anchor and caret
    Delete,       // the box deletes after the caret itself
    Perguntar,
    Nova,
    Tique,         // +1 byte: how many ticks
    Palavra,       // +1 byte: "<ajuda>" or "<sobre>" typed, then asked
    Rajada,        // +1 byte key index, +1 byte count: one key held down
    FocoResposta,  // a click or Tab into the answer box
    Sair,
    Colar,       // +1 byte key index, +1 byte count: one paste of it repeated
    Intervalo,   // +2 bytes: a cut or word deletion of that range
    Substituir,  // +2 bytes range, +1 byte count, then Teclas indexes
    Travar,      // the lock turned over
    Apagar,      // +1 byte: reach, direction, whether a range follows; +2 bytes: the range
    Recorte,     // a cut by the platform's shortcut or menu
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

bool Alto(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool Baixo(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

bool SemSurrogatoSolto(std::u16string_view s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (Alto(s[i]) && i + 1 < s.size() && Baixo(s[i + 1])) {
            ++i;
        } else if (Alto(s[i]) || Baixo(s[i])) {
            return false;
        }
    }
    return true;
}

std::u16string Limpo(std::u16string_view s) {
    std::u16string limpo;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (Alto(s[i]) && i + 1 < s.size() && Baixo(s[i + 1])) {
            limpo.append(s.substr(i++, 2));
        } else if (!Alto(s[i]) && !Baixo(s[i])) {
            limpo.push_back(s[i]);
        }
    }
    return limpo;
}

std::vector<std::u16string> Caracteres(std::u16string_view s) {
    if (s.size() == 1) {
        return {std::u16string(s)};
    }
    std::vector<std::size_t> inicios = grafemas::Inicios(s);
    inicios.push_back(s.size());
    std::vector<std::u16string> c;
    for (std::size_t i = 0; i + 1 < inicios.size(); ++i) {
        c.emplace_back(s.substr(inicios[i], inicios[i + 1] - inicios[i]));
    }
    return c;
}

bool EhControle(std::u16string_view c) {
    return c.size() == 1 && (c[0] < 0x20 || c[0] == teclas::Del);
}

bool EhQuebra(std::u16string_view c) {
    return c == u"\r" || c == u"\n" || c == u"\r\n";
}

bool SoEspacos(std::u16string_view s) {
    return s.find_first_not_of(u' ') == std::u16string_view::npos;
}

// Whether every unit of s appears in frase, in order.
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

// What the rules say the box and the game must be, tracked independently.
struct Referencia {
    std::u16string resposta;
    std::size_t antesDaCaptura = 0;  // characters of resposta before this capture
    // The box shows one letter for each character of the secret: a capture
    // begun on an empty box and an empty secret, never longer than the phrase.
    bool emPasso = false;
    std::size_t letrasDaFrase = 0;
    char16_t metade = 0;              // half a surrogate pair, waiting for the other
    std::vector<std::size_t> letras;  // where each character of resposta begins
    std::u16string invocacao;
    bool modo = false;
    bool usado = false;
    int mascarados = 0;
    std::int64_t contador = 0;
    bool revelando = false;
    std::u16string caixa;
    std::size_t ancora = 0;
    std::size_t cursor = 0;
    bool travada = false;

    void Acrescentar(std::u16string_view c) {
        if (letras.empty() || !grafemas::Continua(std::u16string_view(resposta).substr(letras.back()), c)) {
            letras.push_back(resposta.size());
            ++mascarados;
        }
        resposta += c;
    }
    void TirarUltimas(std::size_t n) {
        for (; n > 0 && !letras.empty(); --n) {
            resposta.resize(letras.back());
            letras.pop_back();
        }
        antesDaCaptura = std::min(antesDaCaptura, letras.size());
    }
    void Atribuir(std::u16string_view r) {
        resposta = r;
        letras.clear();
        emPasso = false;
        std::size_t inicio = 0;
        for (const std::u16string& c : Caracteres(r)) {
            letras.push_back(inicio);
            inicio += c.size();
        }
        antesDaCaptura = letras.size();
    }

    std::size_t Inicio() const { return std::min(ancora, cursor); }
    std::size_t Fim() const { return std::max(ancora, cursor); }
    void Trocar(std::size_t inicio, std::size_t fim, std::u16string_view por) {
        caixa.replace(inicio, fim - inicio, por);
        ancora = cursor = inicio + por.size();
    }
    // Once an edit is over, the caret stands past the character it is in.
    void Assentar() {
        ancora = grafemas::Fronteira(caixa, ancora, true);
        cursor = grafemas::Fronteira(caixa, cursor, true);
    }
};

class Partida {
public:
    explicit Partida(double valor) : gerador_({valor}) {
        w_.TxtResposta.onFocus = [this] { oraculo_.TxtResposta_GotFocus(); };
        w_.Wire(oraculo_);
        // Both windows' OK empty the question box before they close.
        w_.Janelas.whileShown = [this] { Caixa().DefinirTexto({}); };
    }

    // Returns false once the program has ended.
    bool Jogar(Leitor& in) {
        switch (in.Byte() % NumEventos) {
            case TeclaComum:
                Teclar(Teclas[in.Byte() % NumTeclas]);
                break;
            case TeclaCodigo: {
                const std::uint32_t a = in.Byte();
                const std::uint32_t b = in.Byte();
                const std::uint32_t c = in.Byte();
                std::u16string tecla;
                texto::Acrescentar(tecla, static_cast<char32_t>(((a << 16) | (b << 8) | c) % 0x110100));
                Teclar(tecla);
                break;
            }
            case Inserir:
                Inserido(Texto(in));
                break;
            case Cursor: {
                const std::size_t ancora = in.Byte() % (r_.caixa.size() + 1);
                const std::size_t cursor = in.Byte() % (r_.caixa.size() + 1);
                Caixa().Selecionar(ancora, cursor);
                r_.ancora = grafemas::Fronteira(r_.caixa, ancora, ancora > r_.ancora);
                r_.cursor = grafemas::Fronteira(r_.caixa, cursor, cursor > r_.cursor);
                break;
            }
            case Delete:
                Caixa().ApagarAFrente();
                ApagadoAFrente(toolkit::Alcance::Caractere);
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
                    Teclar(std::u16string(1, c));
                }
                ClicarPerguntar();
                break;
            }
            case Rajada: {
                // At most 32 keys, which keeps the fuzzer fast: the seeds in
                // limits/ string bursts past the 32,767 keystrokes a capture
                // counts.
                const std::u16string_view tecla = Teclas[in.Byte() % NumTeclas];
                for (int n = 1 + in.Byte() % 32; n > 0; --n) {
                    Teclar(tecla);
                }
                break;
            }
            case FocoResposta:
                w_.TxtResposta.Focar();
                EXIGIR(w_.focus.owner == "TxtPergunta");
                break;
            case Sair:
                if (w_.CmdSair.enabled) {
                    oraculo_.CmdSair_Click();
                    EXIGIR(w_.Programa.ended);
                    return false;
                }
                break;
            case Colar: {
                const std::u16string_view peca = Teclas[in.Byte() % NumTeclas];
                std::u16string texto;
                for (int n = 1 + in.Byte() % 32; n > 0; --n) {
                    texto += peca;
                }
                Inserido(texto);
                break;
            }
            case Intervalo: {
                const std::size_t a = in.Byte() % (r_.caixa.size() + 1);
                const std::size_t b = in.Byte() % (r_.caixa.size() + 1);
                Caixa().ApagarIntervalo(a, b);
                ApagadaFaixa(a, b, toolkit::Alcance::Caractere);
                break;
            }
            case Substituir: {
                const std::size_t a = in.Byte() % (r_.caixa.size() + 1);
                const std::size_t b = in.Byte() % (r_.caixa.size() + 1);
                const std::u16string texto = Texto(in);
                Caixa().Substituir(a, b, texto);
                if (texto.empty() || r_.modo) {
                    ApagadaFaixa(a, b, toolkit::Alcance::Caractere);
                    r_.Assentar();
                    Referenciar(Juntado(texto));
                } else {
                    r_.ancora = grafemas::Fronteira(r_.caixa, std::min(a, b), false);
                    r_.cursor = grafemas::Fronteira(r_.caixa, std::max(a, b), true);
                    Referenciar(Juntado(texto));
                }
                break;
            }
            case Travar:
                r_.travada = !r_.travada;
                Caixa().Travar(r_.travada);
                break;
            case Apagar: {
                const std::uint8_t modo = in.Byte();
                const auto alcance = static_cast<toolkit::Alcance>(modo % 3);
                if ((modo / 3) % 2 == 1) {
                    Caixa().ApagarAFrente(alcance);
                    ApagadoAFrente(alcance);
                } else if ((modo / 6) % 2 == 1) {
                    // A range the platform found itself, as a phone's keyboard
                    // reports a word it erased.
                    const std::size_t a = in.Byte() % (r_.caixa.size() + 1);
                    const std::size_t b = in.Byte() % (r_.caixa.size() + 1);
                    Caixa().ApagarAtras(alcance, janelas::Faixa{a, b});
                    ApagadoAtras(alcance, a, b);
                } else {
                    Caixa().ApagarAtras(alcance);
                    ApagadoAtras(alcance, r_.Inicio(), r_.Fim(), true);
                }
                break;
            }
            case Recorte:
                Caixa().Recortar();
                if (!r_.modo && !r_.travada) {
                    Copiado();
                    r_.Trocar(r_.Inicio(), r_.Fim(), {});
                }
                break;
            default:
                break;
        }
        r_.Assentar();
        ConferirEstado();
        return true;
    }

    // The whole answer, once the input is over.
    void Conferir() const {
        EXIGIR(oraculo_.Estado().Resposta == r_.resposta);
        EXIGIR(SemSurrogatoSolto(r_.resposta));
    }

private:
    janelas::ModeloPergunta& Caixa() { return w_.TxtPergunta; }

    std::u16string Texto(Leitor& in) {
        std::u16string texto;
        for (int n = in.Byte() % 16; n > 0; --n) {
            texto += Teclas[in.Byte() % NumTeclas];
        }
        return texto;
    }

    // Letters of the box from `inicio` to its end, whole characters.
    std::size_t Letras(std::size_t inicio) const { return Caracteres(r_.caixa.substr(inicio)).size(); }

    // How far a deletion reaches from the caret.
    std::size_t Alcancado(toolkit::Alcance alcance, bool paraTras) const {
        const std::size_t c = r_.cursor;
        switch (alcance) {
            case toolkit::Alcance::Caractere:
                return grafemas::Fronteira(r_.caixa, paraTras ? c - (c > 0 ? 1 : 0) : c + 1, !paraTras);
            case toolkit::Alcance::Palavra:
                return paraTras ? palavras::InicioAntes(r_.caixa, c) : palavras::FimDepois(r_.caixa, c);
            case toolkit::Alcance::Linha:
                break;
        }
        return paraTras ? 0 : r_.caixa.size();
    }

    void ApagadoAFrente(toolkit::Alcance alcance) {
        if (!r_.modo && !r_.travada) {
            r_.Trocar(r_.Inicio() == r_.Fim() ? r_.cursor : r_.Inicio(),
                      r_.Inicio() == r_.Fim() ? Alcancado(alcance, false) : r_.Fim(), {});
        }
    }

    // Backward: `a` and `b` the range the platform found, or (porCursor) the
    // selection, empty when the deletion reaches from the caret.
    void ApagadoAtras(toolkit::Alcance alcance, std::size_t a, std::size_t b, bool porCursor = false) {
        const bool vazia = r_.Inicio() == r_.Fim();
        const std::size_t ia = grafemas::Fronteira(r_.caixa, std::min(a, b), false);
        const std::size_t fb = grafemas::Fronteira(r_.caixa, std::max(a, b), true);
        const bool umAntes =
            a == b || (fb == r_.cursor && ia == Alcancado(toolkit::Alcance::Caractere, true));
        if (alcance == toolkit::Alcance::Caractere && vazia && (porCursor || umAntes)) {
            Tecleado(teclas::Como(teclas::Backspace));  // as the key, which ends a half pair's wait
        } else if (porCursor && vazia) {
            ApagadaFaixa(Alcancado(alcance, true), r_.cursor, alcance);
        } else {
            ApagadaFaixa(a, b, porCursor ? toolkit::Alcance::Caractere : alcance);
        }
    }

    // In the open the range goes; in a capture, a range that reaches the
    // box's end erases from the secret what the reach says.
    void ApagadaFaixa(std::size_t a, std::size_t b, toolkit::Alcance alcance) {
        const std::size_t inicio = grafemas::Fronteira(r_.caixa, std::min(a, b), false);
        const std::size_t fim = grafemas::Fronteira(r_.caixa, std::max(a, b), true);
        if (!r_.modo) {
            if (!r_.travada) {
                r_.Trocar(inicio, fim, {});
            }
            return;
        }
        if (inicio == fim || fim != r_.caixa.size()) {
            return;
        }
        std::size_t n = Letras(inicio);
        if (alcance == toolkit::Alcance::Palavra) {
            // The characters captured from the secret's last word on.
            const std::size_t inicio = palavras::InicioAntes(r_.resposta, r_.resposta.size());
            n = static_cast<std::size_t>(std::count_if(r_.letras.begin(), r_.letras.end(),
                                                       [inicio](std::size_t l) { return l >= inicio; }));
        } else if (alcance == toolkit::Alcance::Linha) {
            n = r_.letras.size() - std::min(r_.antesDaCaptura, r_.letras.size());
        }
        ApagarN(n);
    }

    // Half a surrogate pair at the end of one insertion waits for the other
    // half at the start of the next; alone, it is dropped.
    std::u16string Juntado(std::u16string_view t) {
        std::u16string junto =
            r_.metade != 0 && !t.empty() && Baixo(t[0]) ? std::u16string(1, r_.metade) : u"";
        junto += t;
        r_.metade = !junto.empty() && Alto(junto.back()) ? junto.back() : 0;
        return Limpo(std::u16string_view(junto).substr(0, junto.size() - (r_.metade != 0 ? 1 : 0)));
    }

    // One keystroke through the model, and what the rules say it does.
    void Teclar(std::u16string_view tecla) {
        Caixa().Teclar(std::u16string(tecla));
        Tecleado(tecla);
    }
    void Tecleado(std::u16string_view tecla) {
        const std::u16string limpa = Juntado(tecla);
        if (Caracteres(limpa).size() > 1 && !EhQuebra(limpa)) {
            Referenciar(limpa);  // several characters at once are typed text
        } else if (!limpa.empty()) {
            bool cabe = true;
            Aplicar(EhQuebra(limpa) ? teclas::Como(teclas::Enter) : limpa, cabe);
        }
        r_.Assentar();
    }

    // An insertion at the selection: in the open, what goes in is a prefix
    // of the text's characters, at the selection.
    void Inserido(const std::u16string& texto) {
        // The box as it was; the answer, which may be long, is not needed.
        Referencia antes;
        antes.caixa = r_.caixa;
        antes.ancora = r_.ancora;
        antes.cursor = r_.cursor;
        antes.modo = r_.modo;
        antes.usado = r_.usado;
        antes.travada = r_.travada;
        antes.revelando = r_.revelando;
        Caixa().Inserir(texto);
        Referenciar(Juntado(texto));
        r_.Assentar();
        if (!antes.modo && !r_.modo && !antes.travada && r_.usado == antes.usado &&
            w_.Timer.enabled == antes.revelando) {
            const std::u16string& agora = Caixa().Texto();
            const std::u16string_view cabeca = std::u16string_view(antes.caixa).substr(0, antes.Inicio());
            const std::u16string_view cauda = std::u16string_view(antes.caixa).substr(antes.Fim());
            EXIGIR(agora.size() >= cabeca.size() + cauda.size());
            EXIGIR(std::u16string_view(agora).substr(0, cabeca.size()) == cabeca);
            EXIGIR(std::u16string_view(agora).substr(agora.size() - cauda.size()) == cauda);
            // Nothing inserted (nothing fitted, or only controls) leaves the
            // selection as it was.
            EXIGIR(agora == antes.caixa ||
                   Caixa().Cursor() == grafemas::Fronteira(agora, agora.size() - cauda.size(), true));
        }
    }

    void Referenciar(std::u16string_view texto) {
        bool cabe = true;
        for (const std::u16string& c : Caracteres(Limpo(texto))) {
            if (EhQuebra(c)) {
                Aplicar(teclas::Como(teclas::Enter), cabe);
            } else if (!EhControle(c)) {
                Aplicar(c, cabe);
            }
        }
    }

    // The filter, then the box, as the rules have them.
    void Aplicar(std::u16string_view tecla, bool& cabe) {
        if (tecla == u";" && SoEspacos(r_.caixa)) {
            if (!r_.usado) {
                r_.modo = r_.usado = true;
                r_.antesDaCaptura = r_.letras.size();
                r_.emPasso = r_.caixa.empty() && r_.resposta.empty() && r_.mascarados == 0;
                r_.invocacao = oraculo_.Estado().Invocacao;
                r_.letrasDaFrase = Caracteres(r_.invocacao).size();
                EXIGIR(!r_.invocacao.empty());
            }
            return;
        }
        if (tecla == teclas::Como(teclas::Enter)) {
            r_.modo = false;
            return;
        }
        if (r_.modo) {
            if (tecla == teclas::Como(teclas::Backspace)) {
                ApagarN(1);
            } else {
                Capturar(tecla);
            }
            return;
        }
        if (tecla == teclas::Como(teclas::CtrlA)) {
            r_.ancora = 0;
            r_.cursor = r_.caixa.size();
        } else if (tecla == teclas::Como(teclas::CtrlC)) {
            Copiado();
        } else if (tecla == teclas::Como(teclas::CtrlX) && !r_.travada) {
            Copiado();
            r_.Trocar(r_.Inicio(), r_.Fim(), {});
        } else if (tecla == teclas::Como(teclas::CtrlV) && !r_.travada) {
            const std::u16string colado = w_.pergunta.clipboard;
            Referenciar(Juntado(colado));
        } else if (r_.travada || (EhControle(tecla) && tecla != teclas::Como(teclas::Backspace))) {
            return;
        } else if (tecla == teclas::Como(teclas::Backspace)) {
            if (r_.Inicio() == r_.Fim() && r_.cursor > 0) {
                r_.Trocar(grafemas::Fronteira(r_.caixa, r_.cursor - 1, false), r_.cursor, {});
            } else {
                r_.Trocar(r_.Inicio(), r_.Fim(), {});
            }
        } else {
            cabe = cabe && r_.caixa.size() - (r_.Fim() - r_.Inicio()) + tecla.size() <= Limite;
            if (cabe) {
                r_.Trocar(r_.Inicio(), r_.Fim(), tecla);
            }
        }
    }

    // What a copy put on the clipboard, outside a capture.
    void Copiado() {
        if (r_.Inicio() != r_.Fim()) {
            copiado_ = r_.caixa.substr(r_.Inicio(), r_.Fim() - r_.Inicio());
        }
        EXIGIR(w_.pergunta.clipboard == copiado_);
    }

    void Capturar(std::u16string_view tecla) {
        if (r_.mascarados < MaximoMascarados) {
            r_.Acrescentar(tecla);
        }
        if (r_.letras.size() > r_.letrasDaFrase) {
            r_.emPasso = false;
        }
        const auto n = std::min(static_cast<std::size_t>(std::max(r_.mascarados, 0)), r_.invocacao.size());
        r_.caixa = r_.invocacao.substr(0, n);
        r_.ancora = r_.cursor = n;
    }

    // n characters erased in a capture: as many letters off the box's own
    // text and characters off the secret, nothing once the box is empty.
    void ApagarN(std::size_t n) {
        if (r_.caixa.empty() || n == 0) {
            return;
        }
        r_.mascarados = static_cast<int>(std::max<std::int64_t>(
            std::int64_t{r_.mascarados} - static_cast<std::int64_t>(n), MinimoMascarados));
        for (std::size_t k = 0; k < n && !r_.caixa.empty(); ++k) {
            r_.caixa.resize(grafemas::InicioDoUltimo(r_.caixa));
        }
        r_.ancora = r_.cursor = r_.caixa.size();
        r_.TirarUltimas(n);
    }

    struct Controles {
        bool pergunta, nova, sair, travada, timer;
        bool operator==(const Controles&) const = default;
    };
    Controles Agora() const {
        return {w_.CmdPergunta.enabled, w_.CmdNova.enabled, w_.CmdSair.enabled, w_.TxtPergunta.Travada(),
                w_.Timer.enabled};
    }

    void ClicarPerguntar() {
        if (!w_.CmdPergunta.enabled) {
            return;
        }
        const std::u16string pergunta = r_.caixa;
        const std::size_t abertas = w_.Janelas.shown.size();
        const Controles antes = Agora();
        oraculo_.CmdPergunta_Click();
        const bool ajuda = pergunta == Oraculo::PalavraAjuda;
        if (ajuda || pergunta == Oraculo::PalavraSobre) {
            EXIGIR(w_.Janelas.shown.size() == abertas + 1);
            EXIGIR(w_.Janelas.shown.back() == (ajuda ? "FrmAjuda" : "FrmSobre"));
            EXIGIR(Agora() == antes);
            r_.caixa.clear();
            r_.ancora = r_.cursor = 0;
            return;
        }
        EXIGIR(w_.Janelas.shown.size() == abertas);
        r_.travada = true;
        EXIGIR((Agora() == Controles{false, false, false, true, true}));
        EXIGIR(w_.TxtResposta.text.empty());
        r_.usado = r_.modo = false;
        if (pergunta.empty()) {
            r_.Atribuir(Oraculo::PerguntaVazia);
        } else if (r_.resposta.empty()) {
            r_.Atribuir(oraculo_.Estado().Desaforo);
            EXIGIR(!r_.resposta.empty());
        }
        r_.revelando = true;
    }

    // One reveal step: the answer box shows the first characters of the
    // answer, whole, one more each tick.
    void Tiquetaque() {
        oraculo_.Timer_Timer();
        if (r_.contador < std::numeric_limits<std::int32_t>::max()) {
            ++r_.contador;
        }
        const std::size_t n = std::min(static_cast<std::size_t>(r_.contador), r_.letras.size());
        const std::size_t unidades = n < r_.letras.size() ? r_.letras[n] : r_.resposta.size();
        // Its length and end each tick, all of it at the last.
        const std::u16string_view mostrada(w_.TxtResposta.text);
        const std::size_t cauda = std::min<std::size_t>(unidades, 16);
        EXIGIR(mostrada.size() == unidades);
        EXIGIR(mostrada.substr(unidades - cauda) ==
               std::u16string_view(r_.resposta).substr(unidades - cauda, cauda));
        if (n >= r_.letras.size()) {
            EXIGIR(mostrada == r_.resposta);
            EXIGIR((Agora() == Controles{false, true, true, r_.travada, false}));
            EXIGIR(w_.focus.owner == "CmdNova");
            r_.revelando = false;
        } else {
            EXIGIR((Agora() == Controles{false, false, false, r_.travada, true}));
        }
    }

    void ClicarNova() {
        if (!w_.CmdNova.enabled) {
            return;
        }
        oraculo_.CmdNova_Click();
        r_.Atribuir({});
        r_.mascarados = 0;
        r_.contador = 0;
        r_.modo = false;
        r_.travada = false;
        r_.caixa.clear();
        r_.ancora = r_.cursor = 0;
        EXIGIR((Agora() == Controles{true, false, true, false, false}));
        EXIGIR(w_.TxtResposta.text.empty());
        EXIGIR(w_.focus.owner == "TxtPergunta");
    }

    void ConferirEstado() {
        const EstadoJogo& e = oraculo_.Estado();
        const janelas::ModeloPergunta& caixa = w_.TxtPergunta;
        // The answer may be long: after each event its length and its end
        // (where it changes), in full once the input is over (Conferir).
        const std::size_t cauda = std::min<std::size_t>(e.Resposta.size(), 16);
        EXIGIR(e.Resposta.size() == r_.resposta.size());
        EXIGIR(std::u16string_view(e.Resposta).substr(e.Resposta.size() - cauda) ==
               std::u16string_view(r_.resposta).substr(r_.resposta.size() - cauda));
        EXIGIR(e.ModoSecreto == r_.modo);
        EXIGIR(e.SecretoUsado == r_.usado);
        EXIGIR(e.Mascarados == r_.mascarados);
        EXIGIR(e.Contador == r_.contador);
        EXIGIR(w_.Timer.enabled == r_.revelando);
        EXIGIR(caixa.Texto() == r_.caixa);
        EXIGIR(caixa.Ancora() == r_.ancora && caixa.Cursor() == r_.cursor);
        EXIGIR(caixa.Travada() == r_.travada);
        EXIGIR(caixa.Capturando() == r_.modo);
        // The rules the trick stands on, whatever the reference says.
        EXIGIR(SemSurrogatoSolto(caixa.Texto()));
        EXIGIR(caixa.Texto().size() <= Limite);
        EXIGIR(grafemas::Fronteira(caixa.Texto(), caixa.Cursor(), false) == caixa.Cursor());
        // During a capture the box holds only letters of the phrase, or the
        // blanks it had when the capture began: never a typed character.
        if (r_.modo) {
            EXIGIR(SoEspacos(caixa.Texto()) || Subsequencia(caixa.Texto(), r_.invocacao));
        }
        // One letter of the phrase for each character of the secret, after
        // every edit, while the secret fits in the phrase.
        if (r_.modo && r_.emPasso) {
            EXIGIR(Caracteres(caixa.Texto()).size() == r_.letras.size());
        }
    }

    fake::PrincipalFalsa w_;
    fake::GeradorFalso gerador_;
    Module1 modulo_{gerador_};
    Oraculo oraculo_{w_.Controls(), modulo_};
    Referencia r_;
    std::u16string copiado_;
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
    partida.Conferir();
    return 0;
}
