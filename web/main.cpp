// The oracle in the browser: the game, the window descriptions and their
// flow, realised in the page. main() shows the entry window and returns; the
// page's event loop runs everything after that.

#include <emscripten/val.h>

#include "Atualizacao.h"
#include "Janela.h"
#include "Janelas.h"
#include "Programa.h"

int main() {
    using emscripten::val;
    // Live as long as the page: the runtime does not exit when main returns.
    static morvantis::GeradorPadrao gerador;
    static morvantis::web::Kit kit;
    static morvantis::Programa programa(kit, gerador);
    programa.Iniciar();

    // Playable offline once loaded, and moved to a new build only at the
    // entry window.
    morvantis::web::VigiarAtualizacoes(morvantis::janelas::Entrada.nome);
    // The moment the page is ready to play, for its tests and benchmark.
    val::global("performance").call<val>("mark", std::string("morvantis-pronto"));
    val::global("document")["documentElement"].call<void>("setAttribute", std::string("data-pronto"),
                                                          std::string("1"));
    return 0;
}
