#include "CaixaPergunta.h"

#include <algorithm>

#include "Texto.h"

namespace morvantis::web {

using emscripten::val;

namespace {

constexpr char32_t Backspace = 8;
constexpr char32_t Enter = 13;

bool Comeca(const std::u16string& s, std::u16string_view prefixo) {
    return s.size() >= prefixo.size() && std::u16string_view(s).substr(0, prefixo.size()) == prefixo;
}

std::u16string TextoDe(const val& v) {
    return v.isString() ? v.as<std::u16string>() : std::u16string();
}

// The keystrokes a piece of inserted text stands for: one per code point, a
// surrogate pair whole, a lone surrogate as itself; a line break (CR, LF or
// CR LF) is one Enter.
std::vector<char32_t> Teclas(std::u16string_view s) {
    std::vector<char32_t> teclas;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char16_t u = s[i];
        if (u == u'\r' || u == u'\n') {
            if (u == u'\r' && i + 1 < s.size() && s[i + 1] == u'\n') {
                ++i;
            }
            teclas.push_back(Enter);
        } else if (texto::EhAlto(u) && i + 1 < s.size() && texto::EhBaixo(s[i + 1])) {
            teclas.push_back(texto::DoPar(u, s[i + 1]));
            ++i;
        } else {
            teclas.push_back(u);
        }
    }
    return teclas;
}

std::size_t Numero(const val& v, std::size_t padrao) {
    return v.isNumber() ? static_cast<std::size_t>(v.as<double>()) : padrao;
}

}  // namespace

CaixaPergunta::CaixaPergunta(val caixa, val entrada, val painel, int maximo)
    : caixa_(std::move(caixa)),
      entrada_(std::move(entrada)),
      painel_(std::move(painel)),
      maximo_(maximo > 0 ? static_cast<std::size_t>(maximo) : 0) {
    if (maximo_ > 0) {
        entrada_.set("maxLength", static_cast<double>(maximo_));
    }
    const auto ouvir = [this](const char* tipo, Ouvinte::Acao acao) {
        ouvintes_.push_back(std::make_unique<Ouvinte>(entrada_, tipo, std::move(acao)));
    };
    ouvir("keydown", [this](const val& e) { AoTeclaBaixa(e); });
    ouvir("beforeinput", [this](const val& e) { AoAntesDeInserir(e); });
    ouvir("input", [this](const val&) { AoInserir(); });
    ouvir("compositionstart", [this](const val&) { AoIniciarComposicao(); });
    ouvir("compositionend", [this](const val&) { AoEncerrarComposicao(); });
    LerDaPagina();
    Mostrar();
}

void CaixaPergunta::DefinirFiltro(janelas::FiltroTeclas filtro, janelas::EmCaptura emCaptura) {
    filtro_ = std::move(filtro);
    emCaptura_ = std::move(emCaptura);
}

void CaixaPergunta::SetText(const std::u16string& texto) {
    texto_ = texto;
    inicio_ = fim_ = texto_.size();
    Mostrar();
}

void CaixaPergunta::SetCaret(std::size_t posicao) {
    inicio_ = fim_ = std::min(posicao, texto_.size());
    Mostrar();
}

// A read-only input would take no typing at all, and the filter still runs
// while the box is locked: the lock is the box's own.
void CaixaPergunta::SetLocked(bool travada) {
    travada_ = travada;
    entrada_.call<void>("setAttribute", std::string("aria-readonly"),
                        std::string(travada ? "true" : "false"));
    Mostrar();
}

void CaixaPergunta::SetFocus() {
    entrada_.call<void>("focus");
}

// Enter brings no `beforeinput` in a one-line input; on Android it comes as
// key code 229 too, with the key still named.
void CaixaPergunta::AoTeclaBaixa(const val& evento) {
    if (evento["isComposing"].as<bool>() || compondo_) {
        return;
    }
    if (TextoDe(evento["key"]) == u"Enter") {
        evento.call<void>("preventDefault");
        Digitar(Enter);
        Mostrar();
    }
}

void CaixaPergunta::AoAntesDeInserir(const val& evento) {
    const std::u16string tipo = TextoDe(evento["inputType"]);
    if (compondo_ || evento["isComposing"].as<bool>() || tipo == u"insertCompositionText") {
        return;  // the commit is filtered at compositionend
    }
    const bool cancelavel = evento["cancelable"].as<bool>();
    if (tipo == u"insertLineBreak" || tipo == u"insertParagraph") {
        if (cancelavel) {
            evento.call<void>("preventDefault");
        }
        Digitar(Enter);
        Mostrar();
        return;
    }
    if (Comeca(tipo, u"insert")) {
        if (!cancelavel) {
            pendente_ = true;
            antesDoPendente_ = Atual();
            return;
        }
        std::u16string dados = TextoDe(evento["data"]);
        const val transferencia = evento["dataTransfer"];
        if (dados.empty() && !transferencia.isNull() && !transferencia.isUndefined()) {
            dados = TextoDe(transferencia.call<val>("getData", std::string("text/plain")));
        }
        InserirFiltrado(evento, dados);
        return;
    }
    if (tipo == u"deleteContentBackward") {
        if (!cancelavel) {
            pendente_ = true;
            antesDoPendente_ = Atual();
            return;
        }
        char32_t tecla = Backspace;
        Filtrar(tecla);
        if (tecla == 0 || travada_) {
            evento.call<void>("preventDefault");
        }
        Mostrar();
        return;
    }
    // Other erasing (Delete, a word at once) acts on the box itself, as it
    // does during a capture on the desktop. Undo and redo are refused: the
    // input's history keeps what a composition drew into it during a
    // capture, and redo would bring the secret back into the open.
    if (Comeca(tipo, u"delete") && !travada_) {
        return;
    }
    if (cancelavel) {
        evento.call<void>("preventDefault");
    } else {
        recusado_ = true;
    }
}

void CaixaPergunta::InserirFiltrado(const val& evento, const std::u16string& dados) {
    const std::vector<char32_t> teclas = Teclas(dados);
    const bool capturandoAntes = EmCaptura();
    // One character the filter lets through as it came, in the open: the
    // page inserts it itself, and the phone's keyboard keeps its own idea of
    // the word being typed (suggestions, autocorrect).
    if (teclas.size() == 1 && !capturandoAntes && !travada_) {
        char32_t tecla = teclas.front();
        Filtrar(tecla);
        if (tecla == teclas.front() && !EmCaptura()) {
            return;
        }
        evento.call<void>("preventDefault");
        if (tecla != 0) {
            Inserir(tecla);
        }
        Mostrar();
        return;
    }
    evento.call<void>("preventDefault");
    // An autocorrect replacement rewrites a word whose place the page does
    // not tell an input's listeners: it is inserted at the selection.
    for (const char32_t tecla : teclas) {
        Digitar(tecla);
    }
    Mostrar();
}

void CaixaPergunta::AoInserir() {
    if (compondo_) {
        return;  // the composed text is in the input only, never in the box
    }
    if (pendente_) {
        pendente_ = false;
        Refazer(antesDoPendente_);
        return;
    }
    if (recusado_) {
        // Undone: the box's own text goes back into the input.
        recusado_ = false;
        Mostrar();
        return;
    }
    LerDaPagina();
    Mostrar();
}

void CaixaPergunta::AoIniciarComposicao() {
    compondo_ = true;
    antesDaComposicao_ = Atual();
    Mostrar();
}

void CaixaPergunta::AoEncerrarComposicao() {
    if (!compondo_) {
        antesDaComposicao_ = Atual();
    }
    compondo_ = false;
    Refazer(antesDaComposicao_);
}

// What the page changed is found by comparing its input with the box as it
// was: the part that differs was replaced by the new characters. That also
// holds when a keyboard recomposes a word already in the box.
void CaixaPergunta::Refazer(const Retrato& antes) {
    const std::u16string depois = TextoDe(entrada_["value"]);
    std::size_t prefixo = 0;
    const std::size_t menor = std::min(antes.texto.size(), depois.size());
    while (prefixo < menor && antes.texto[prefixo] == depois[prefixo]) {
        ++prefixo;
    }
    // A surrogate pair is never cut in two by the comparison.
    if (prefixo > 0 && texto::EhAlto(depois[prefixo - 1])) {
        --prefixo;
    }
    std::size_t sufixo = 0;
    while (sufixo < menor - prefixo &&
           antes.texto[antes.texto.size() - 1 - sufixo] == depois[depois.size() - 1 - sufixo]) {
        ++sufixo;
    }
    if (sufixo > 0 && texto::EhBaixo(depois[depois.size() - sufixo])) {
        --sufixo;
    }
    texto_ = antes.texto;
    if (depois.size() == prefixo + sufixo && antes.texto.size() == prefixo + sufixo) {
        inicio_ = antes.inicio;
        fim_ = antes.fim;
        Mostrar();
        return;
    }
    inicio_ = prefixo;
    fim_ = antes.texto.size() - sufixo;
    const std::u16string novos = depois.substr(prefixo, depois.size() - prefixo - sufixo);
    if (novos.empty() && fim_ > inicio_) {
        // Only erased: the page's Backspace.
        Digitar(Backspace);
    }
    for (const char32_t tecla : Teclas(novos)) {
        Digitar(tecla);
    }
    Mostrar();
}

void CaixaPergunta::Filtrar(char32_t& caractere) {
    if (filtro_) {
        filtro_(caractere);
    }
}

void CaixaPergunta::Digitar(char32_t caractere) {
    Filtrar(caractere);
    if (caractere == 0 || travada_) {
        return;
    }
    if (caractere == Backspace) {
        ApagarAnterior();
    } else if (caractere >= 0x20 && caractere != 0x7F) {
        Inserir(caractere);
    }
}

// Replaces the selection; a character that would take the box past its
// limit is refused whole, as typing is.
void CaixaPergunta::Inserir(char32_t caractere) {
    std::u16string unidades;
    texto::Acrescentar(unidades, caractere);
    const std::size_t selecionados = fim_ - inicio_;
    if (maximo_ > 0 && texto_.size() - selecionados + unidades.size() > maximo_) {
        return;
    }
    texto_.replace(inicio_, selecionados, unidades);
    inicio_ = fim_ = inicio_ + unidades.size();
}

void CaixaPergunta::ApagarAnterior() {
    if (fim_ > inicio_) {
        texto_.erase(inicio_, fim_ - inicio_);
        fim_ = inicio_;
        return;
    }
    if (inicio_ == 0) {
        return;
    }
    const bool par =
        inicio_ >= 2 && texto::EhBaixo(texto_[inicio_ - 1]) && texto::EhAlto(texto_[inicio_ - 2]);
    const std::size_t n = par ? 2 : 1;
    texto_.erase(inicio_ - n, n);
    inicio_ = fim_ = inicio_ - n;
}

void CaixaPergunta::LerDaPagina() {
    texto_ = TextoDe(entrada_["value"]);
    inicio_ = std::min(Numero(entrada_["selectionStart"], texto_.size()), texto_.size());
    fim_ = std::clamp(Numero(entrada_["selectionEnd"], inicio_), inicio_, texto_.size());
}

void CaixaPergunta::Mostrar() {
    if (compondo_) {
        // Touching the input now would break the composition; it is put
        // right when the composition ends.
    } else {
        if (TextoDe(entrada_["value"]) != texto_) {
            entrada_.set("value", val(texto_));
        }
        if (Numero(entrada_["selectionStart"], 0) != inicio_ || Numero(entrada_["selectionEnd"], 0) != fim_) {
            entrada_.call<void>("setSelectionRange", static_cast<double>(inicio_), static_cast<double>(fim_));
        }
    }
    painel_.set("textContent", val(texto_));
    const bool velar = EmCaptura() || travada_;
    if (velar != velada_) {
        velada_ = velar;
        caixa_["classList"].call<void>("toggle", std::string("velada"), velar);
    }
    if (velar) {
        // The pane shows the end of a text longer than the box, as the
        // input would with the caret there.
        painel_.set("scrollLeft", painel_["scrollWidth"]);
    }
}

}  // namespace morvantis::web
