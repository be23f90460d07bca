#include "Controles.h"

#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>
#include <emscripten/html5.h>

#include <algorithm>
#include <cmath>

namespace morvantis::web {

using emscripten::val;

std::u16string Caixa::Texto() const {
    return elemento_["value"].as<std::u16string>();
}

Caixa::~Caixa() {
    if (quadro_ != 0) {
        emscripten_cancel_animation_frame(quadro_);
    }
}

// A new text shows from its first line, as the desktop's boxes do; the page
// would leave the caret at its end. A box without the focus only notes the
// caret. Scrolling back to the top needs the layout, so it waits for the
// next frame, once however many texts came before it: a reveal's tick
// forces no layout.
void Caixa::DefinirTexto(const std::u16string& texto) {
    elemento_.set("value", val(texto));
    elemento_.call<void>("setSelectionRange", 0, 0);
    if (quadro_ == 0) {
        quadro_ = emscripten_request_animation_frame(&Caixa::AoTopo, this);
    }
}

int Caixa::AoTopo(double /*agora*/, void* caixa) {
    auto& c = *static_cast<Caixa*>(caixa);
    c.quadro_ = 0;
    c.elemento_.set("scrollTop", 0);
    return 0;
}

void Caixa::DefinirCursor(std::size_t posicao) {
    const auto tamanho = elemento_["value"]["length"].as<std::size_t>();
    const auto p = static_cast<double>(std::min(posicao, tamanho));
    elemento_.call<void>("setSelectionRange", p, p);
}

void Caixa::Travar(bool travada) {
    elemento_.set("readOnly", travada);
}

void Caixa::Focar() {
    elemento_.call<void>("focus");
}

void Botao::Habilitar(bool habilitado) {
    elemento_.set("disabled", !habilitado);
}

void Botao::Focar() {
    elemento_.call<void>("focus");
}

Temporizador::~Temporizador() {
    if (pendente_ != 0) {
        emscripten_clear_timeout(pendente_);
    }
}

void Temporizador::Habilitar(bool habilitado) {
    if (habilitado == compasso_.Ligado()) {
        return;
    }
    if (!habilitado) {
        compasso_.Parar();
        if (pendente_ != 0) {
            emscripten_clear_timeout(pendente_);
            pendente_ = 0;
        }
        return;
    }
    compasso_.Iniciar(emscripten_get_now());
    Agendar();
}

void Temporizador::Agendar() {
    // Rounded up: the page truncates a timeout to whole milliseconds, and a
    // tick never comes before its time.
    const double atraso = std::ceil(compasso_.Espera(emscripten_get_now()));
    pendente_ = emscripten_set_timeout(&Temporizador::Pulsar, atraso, this);
}

void Temporizador::Pulsar(void* temporizador) {
    auto& t = *static_cast<Temporizador*>(temporizador);
    t.pendente_ = 0;
    t.compasso_.Pulsar(emscripten_get_now(), [&t] {
        if (t.handler_) {
            t.handler_();
        }
    });
    // A tick that restarted the timer has scheduled its next wake already.
    if (t.compasso_.Ligado() && t.pendente_ == 0) {
        t.Agendar();
    }
}

}  // namespace morvantis::web
