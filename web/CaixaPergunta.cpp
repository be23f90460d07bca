#include "CaixaPergunta.h"

#include <algorithm>

#include "Grafemas.h"

namespace morvantis::web {

using emscripten::val;
using toolkit::Tecla;

namespace {

std::u16string TextoDe(const val& v) {
    return v.isString() ? v.as<std::u16string>() : std::u16string();
}

std::size_t Numero(const val& v) {
    return v.isNumber() ? static_cast<std::size_t>(v.as<double>()) : 0;
}

bool Contem(std::u16string_view tipo, std::u16string_view parte) {
    return tipo.find(parte) != std::u16string_view::npos;
}

// A pasted or dropped text comes in the event's data transfer.
std::u16string Dados(const val& evento) {
    const val transferencia = evento["dataTransfer"];
    return transferencia.as<bool>() ? TextoDe(transferencia.call<val>("getData", std::string("text/plain")))
                                    : TextoDe(evento["data"]);
}

}  // namespace

CaixaPergunta::CaixaPergunta(val caixa, val entrada, val painel, janelas::ModeloPergunta& modelo)
    : modelo_(modelo), caixa_(std::move(caixa)), entrada_(std::move(entrada)), painel_(std::move(painel)) {
    const auto ouvir = [this](const char* tipo, Ouvinte::Acao acao) {
        ouvintes_.push_back(std::make_unique<Ouvinte>(entrada_, tipo, std::move(acao)));
    };
    ouvir("keydown", [this](const val& e) { AoTeclaBaixa(e); });
    ouvir("beforeinput", [this](const val& e) { AoAntesDeInserir(e); });
    ouvir("input", [this](const val&) { AoInserir(); });
    ouvir("compositionstart", [this](const val&) { compondo_ = true; });
    ouvir("compositionend", [this](const val&) {
        compondo_ = false;
        apagamento_ = {};
        Refazer();
    });
    modelo_.Ligar(this);
    modelo_.DefinirTexto(TextoDe(entrada_["value"]));
}

CaixaPergunta::~CaixaPergunta() {
    modelo_.Ligar(nullptr);
}

// Enter brings no `beforeinput` in a one-line input; on Android it comes as
// key code 229 too, with the key still named.
void CaixaPergunta::AoTeclaBaixa(const val& evento) {
    if (!compondo_ && !evento["isComposing"].as<bool>() && TextoDe(evento["key"]) == u"Enter") {
        evento.call<void>("preventDefault");
        LerSelecao();
        modelo_.Teclar(Tecla{toolkit::teclas::Enter});
    }
}

void CaixaPergunta::AoAntesDeInserir(const val& evento) {
    const std::u16string tipo = TextoDe(evento["inputType"]);
    if (compondo_ || tipo == u"insertCompositionText") {
        return;  // replayed when the composition ends
    }
    recusado_ = false;
    LerSelecao();
    std::optional<janelas::Faixa> faixa;
    if (const val f = evento.call<val>("getTargetRanges")[0]; !f.isUndefined()) {
        faixa = janelas::Faixa{Numero(f["startOffset"]), Numero(f["endOffset"])};
    }
    const bool insere = tipo.starts_with(u"insert");
    const bool apaga = tipo.starts_with(u"delete");
    // The kind of deletion goes to the box, which decides what it takes.
    apagamento_ = {Contem(tipo, u"Word")   ? toolkit::Alcance::Palavra
                   : Contem(tipo, u"Line") ? toolkit::Alcance::Linha
                                           : toolkit::Alcance::Caractere,
                   !tipo.ends_with(u"Forward")};
    if (!evento["cancelable"].as<bool>()) {
        recusado_ = !insere && !apaga;
        return;
    }
    if (insere && faixa) {
        modelo_.Selecionar(faixa->inicio, faixa->fim);
    }
    if (tipo == u"insertReplacementText") {
        modelo_.Substituir(modelo_.Inicio(), modelo_.Fim(), Dados(evento));
    } else if (insere) {
        modelo_.Inserir(Dados(evento));
    } else if (tipo == u"deleteByCut" || tipo == u"deleteByDrag") {
        modelo_.Recortar();
    } else if (apaga && !faixa && apagamento_.alcance != toolkit::Alcance::Caractere &&
               modelo_.Inicio() == modelo_.Fim()) {
        // A word or a line at once: an input's listeners are told no range,
        // so the page erases it and the `input` that follows replays it.
        return;
    } else if (apaga) {
        Apagar(apagamento_, faixa);
    }
    // Anything else (undo, redo) is refused: the input's history holds what
    // a composition drew into it during a capture.
    evento.call<void>("preventDefault");
}

void CaixaPergunta::AoInserir() {
    if (!compondo_ && recusado_) {
        Mostrar(modelo_);
    } else if (!compondo_) {
        Refazer();
    }
    apagamento_ = {};  // an `input` with no `beforeinput` before it names no reach
}

void CaixaPergunta::LerSelecao() {
    const std::size_t inicio = Numero(entrada_["selectionStart"]);
    const std::size_t fim = Numero(entrada_["selectionEnd"]);
    modelo_.SelecaoLida(inicio, fim, TextoDe(entrada_["selectionDirection"]) == u"backward");
}

void CaixaPergunta::Apagar(const Apagamento& apagamento, std::optional<janelas::Faixa> faixa) {
    if (apagamento.paraTras) {
        modelo_.ApagarAtras(apagamento.alcance, faixa);
    } else {
        modelo_.ApagarAFrente(apagamento.alcance, faixa);
    }
}

// The part of the input that differs from the model, widened to whole
// characters, is replaced by what the input holds there. The new text ends
// at the input's caret, which tells where a repeated letter went. A change
// that only erased is the deletion the last event named, of the range the
// page took: the box still applies its own rule to the secret.
void CaixaPergunta::Refazer() {
    const std::u16string depois = TextoDe(entrada_["value"]);
    const std::u16string antes = modelo_.Texto();
    const std::size_t menor = std::min(antes.size(), depois.size());
    const std::size_t cursor = std::min(Numero(entrada_["selectionEnd"]), depois.size());
    std::size_t sufixo = 0;
    while (sufixo < std::min(menor, depois.size() - cursor) &&
           antes[antes.size() - 1 - sufixo] == depois[depois.size() - 1 - sufixo]) {
        ++sufixo;
    }
    std::size_t inicio = 0;
    while (inicio < menor - sufixo && antes[inicio] == depois[inicio]) {
        ++inicio;
    }
    inicio = grafemas::Fronteira(antes, inicio, false);
    const std::size_t fim = grafemas::Fronteira(antes, antes.size() - sufixo, true);
    const std::u16string novos = depois.substr(inicio, depois.size() - (antes.size() - fim) - inicio);
    if (inicio == fim && novos.empty()) {
        LerSelecao();
    } else if (novos.empty()) {
        Apagar(apagamento_, janelas::Faixa{inicio, fim});
    } else {
        modelo_.Substituir(inicio, fim, novos);
    }
}

// Nothing here reads the layout, so a paste of any size is one edit and one
// write; the pane shows the end of a long text by its style alone. A read-only
// input would take no typing at all, and the filter still runs while the box
// is locked: the lock is the model's.
void CaixaPergunta::Mostrar(const janelas::ModeloPergunta& modelo) {
    if (!compondo_) {  // writing into the input now would end the composition
        const std::size_t inicio = Numero(entrada_["selectionStart"]);
        const std::size_t fim = Numero(entrada_["selectionEnd"]);
        const auto diferencas =
            modelo.Comparar(TextoDe(entrada_["value"]), inicio, fim,
                            TextoDe(entrada_["selectionDirection"]) == u"backward" ? inicio : fim);
        if (diferencas.texto) {
            entrada_.set("value", val(modelo.Texto()));
        }
        if (diferencas.selecao) {
            entrada_.call<void>("setSelectionRange", static_cast<double>(modelo.Inicio()),
                                static_cast<double>(modelo.Fim()),
                                std::string(modelo.Cursor() < modelo.Ancora() ? "backward" : "forward"));
        }
    }
    painel_.set("textContent", val(modelo.Texto()));
    caixa_["classList"].call<void>("toggle", std::string("velada"), modelo.Velada());
    entrada_.call<void>("setAttribute", std::string("aria-readonly"),
                        std::string(modelo.Travada() ? "true" : "false"));
}

void CaixaPergunta::Focar() {
    entrada_.call<void>("focus");
}

}  // namespace morvantis::web
