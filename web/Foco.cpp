#include <algorithm>

#include "Janela.h"

// The focus within a window: the first control when it shows, and Tab and
// Shift+Tab going round its controls in the description's order, as on the
// desktop, with the focus handlers told which way it came.

namespace morvantis::web {

using emscripten::val;

bool Janela::Habilitado(const janelas::Controle& c) const {
    return !Elemento(c.nome)["disabled"].as<bool>();
}

void Janela::FocarControle(const janelas::Controle& c, janelas::Sentido sentido) {
    sentido_ = sentido;
    Elemento(c.nome).call<void>("focus");
    sentido_ = janelas::Sentido::Adiante;
}

void Janela::Tabular(const val& evento) {
    const janelas::Sentido sentido =
        evento["shiftKey"].as<bool>() ? janelas::Sentido::Atras : janelas::Sentido::Adiante;
    const val ativo = val::global("document")["activeElement"];
    const auto atual = std::find_if(elementos_.begin(), elementos_.end(),
                                    [&](const auto& e) { return e.second.strictlyEquals(ativo); });
    const janelas::Controle* vizinho =
        atual != elementos_.end() ? Vizinho(atual->first, sentido) : PrimeiroFocavel();
    if (vizinho != nullptr) {
        evento.call<void>("preventDefault");
        FocarControle(*vizinho, sentido);
    }
}

void Janela::Focar() {
    const janelas::Controle* primeiro = PrimeiroFocavel();
    if (primeiro != nullptr) {
        Elemento(primeiro->nome).call<void>("focus");
    }
}

}  // namespace morvantis::web
