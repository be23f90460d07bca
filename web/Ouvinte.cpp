#include "Ouvinte.h"

#include <emscripten/bind.h>

namespace morvantis::web {

namespace {

// What the page holds: a copy of this handle, owned by JavaScript until the
// listener is removed.
struct Alca {
    const Ouvinte* ouvinte = nullptr;

    void handleEvent(emscripten::val evento) const { ouvinte->Disparar(evento); }
};

}  // namespace

Ouvinte::Ouvinte(emscripten::val alvo, std::string tipo, Acao acao)
    : alvo_(std::move(alvo)), tipo_(std::move(tipo)), acao_(std::move(acao)), alca_(Alca{this}) {
    alvo_.call<void>("addEventListener", tipo_, alca_);
}

Ouvinte::~Ouvinte() {
    alvo_.call<void>("removeEventListener", tipo_, alca_);
    alca_.call<void>("delete");
}

}  // namespace morvantis::web

EMSCRIPTEN_BINDINGS(morvantis_ouvinte) {
    emscripten::class_<morvantis::web::Alca>("MorvantisOuvinte")
        .function("handleEvent", &morvantis::web::Alca::handleEvent);
}
