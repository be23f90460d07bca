#include "ControlesWeb.h"

#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>

#include <algorithm>
#include <cmath>

namespace morvantis::web {

using emscripten::val;

std::u16string CaixaWeb::Text() const {
    return elemento_["value"].as<std::u16string>();
}

// A new text shows from its first line, as the desktop's boxes do; the page
// would leave the caret, and the view, at its end.
void CaixaWeb::SetText(const std::u16string& texto) {
    elemento_.set("value", val(texto));
    elemento_.call<void>("setSelectionRange", 0, 0);
    elemento_.set("scrollTop", 0);
}

void CaixaWeb::SetCaret(std::size_t posicao) {
    const auto tamanho = elemento_["value"]["length"].as<std::size_t>();
    const auto p = static_cast<double>(std::min(posicao, tamanho));
    elemento_.call<void>("setSelectionRange", p, p);
}

void CaixaWeb::SetLocked(bool travada) {
    elemento_.set("readOnly", travada);
}

void CaixaWeb::SetFocus() {
    elemento_.call<void>("focus");
}

void BotaoWeb::SetEnabled(bool habilitado) {
    elemento_.set("disabled", !habilitado);
}

void BotaoWeb::SetFocus() {
    elemento_.call<void>("focus");
}

TemporizadorWeb::~TemporizadorWeb() {
    if (pendente_ != 0) {
        emscripten_clear_timeout(pendente_);
    }
}

void TemporizadorWeb::SetEnabled(bool habilitado) {
    if (habilitado == ligado_) {
        return;
    }
    ligado_ = habilitado;
    if (!habilitado) {
        if (pendente_ != 0) {
            emscripten_clear_timeout(pendente_);
            pendente_ = 0;
        }
        return;
    }
    inicio_ = emscripten_get_now();
    pulsos_ = 0;
    Agendar();
}

void TemporizadorWeb::Agendar() {
    const double alvo = inicio_ + static_cast<double>(pulsos_ + 1) * intervaloMs_;
    // Rounded up: the page truncates a timeout to whole milliseconds, and a
    // tick never comes before its time.
    const double atraso = std::max(0.0, std::ceil(alvo - emscripten_get_now()));
    pendente_ = emscripten_set_timeout(&TemporizadorWeb::Pulsar, atraso, this);
}

void TemporizadorWeb::Pulsar(void* temporizador) {
    auto& t = *static_cast<TemporizadorWeb*>(temporizador);
    t.pendente_ = 0;
    ++t.pulsos_;
    if (t.handler_) {
        t.handler_();
    }
    // The handler may have stopped the timer, or stopped and restarted it.
    if (t.ligado_ && t.pendente_ == 0) {
        t.Agendar();
    }
}

}  // namespace morvantis::web
