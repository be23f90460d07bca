#include "Ouvinte.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <cstdint>

// The page's half: the listener, a JavaScript function that hands each event
// to morvantis_disparar with the address of its Ouvinte. Written here rather
// than bound with embind's class_, whose run-time support would add 5 KB to
// the page, gzipped.
// clang-format off
EM_JS(emscripten::EM_VAL, morvantis_ouvinte, (std::uintptr_t ouvinte), {
    return Emval.toHandle((evento) => _morvantis_disparar(ouvinte, Emval.toHandle(evento)));
});
// clang-format on

extern "C" EMSCRIPTEN_KEEPALIVE void morvantis_disparar(std::uintptr_t ouvinte, emscripten::EM_VAL evento) {
    reinterpret_cast<const morvantis::web::Ouvinte*>(ouvinte)->Disparar(
        emscripten::val::take_ownership(evento));
}

namespace morvantis::web {

Ouvinte::Ouvinte(emscripten::val alvo, std::string tipo, Acao acao)
    : alvo_(std::move(alvo)),
      tipo_(std::move(tipo)),
      acao_(std::move(acao)),
      funcao_(emscripten::val::take_ownership(morvantis_ouvinte(reinterpret_cast<std::uintptr_t>(this)))) {
    alvo_.call<void>("addEventListener", tipo_, funcao_);
}

Ouvinte::~Ouvinte() {
    alvo_.call<void>("removeEventListener", tipo_, funcao_);
}

}  // namespace morvantis::web
