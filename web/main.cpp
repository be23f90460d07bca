// The oracle in the browser: the game, the window descriptions and their
// flow, realised in the page. main() shows the entry window and returns; the
// page's event loop runs everything after that.

#include <emscripten/val.h>

#include "JanelaWeb.h"
#include "Programa.h"

int main() {
    using emscripten::val;
    // Live as long as the page: the runtime does not exit when main returns.
    static morvantis::GeradorPadrao gerador;
    static morvantis::web::KitWeb kit;
    static morvantis::Programa programa(kit, gerador);
    programa.Iniciar();

    // Playable offline once loaded; pages served without HTTPS (other than
    // from localhost) have no service worker, and simply stay online.
    const val trabalhadores = val::global("navigator")["serviceWorker"];
    if (!trabalhadores.isUndefined()) {
        trabalhadores.call<val>("register", std::string("sw.js"));
    }
    // The moment the page is ready to play, for its tests and benchmark.
    val::global("performance").call<val>("mark", std::string("morvantis-pronto"));
    val::global("document")["documentElement"].call<void>("setAttribute", std::string("data-pronto"),
                                                          std::string("1"));
    return 0;
}
