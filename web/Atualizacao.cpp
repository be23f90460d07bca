#include "Atualizacao.h"

#include <emscripten/emscripten.h>

#include <string>

namespace {

// The service worker's API is promises and events all the way; it is
// written in the page's language here rather than through val.
// clang-format off
EM_JS(void, vigiar_atualizacoes, (const char* entrada_c), {
    const trabalhadores = navigator.serviceWorker;
    if (!trabalhadores) {
        return;  // no HTTPS (other than localhost): the page simply stays online
    }
    const entrada = "dialog[data-nome=" + JSON.stringify(UTF8ToString(entrada_c)) + "][open]";
    const naEntrada = () => document.querySelector(entrada) !== null;
    // Controlled from the start: a build is running, and another one that
    // takes over is an update; otherwise it is the first install.
    const jaControlada = trabalhadores.controller !== null;
    let trocando = false;
    trabalhadores.addEventListener("controllerchange", () => {
        if (jaControlada && (trocando || naEntrada())) {
            location.reload();
        }
    });
    const registrar = () => trabalhadores.register("sw.js").then((registro) => {
        const trocar = () => {
            if (!registro.waiting || !jaControlada || !naEntrada() || trocando) {
                return;
            }
            // Nothing can be pressed between the request and the reload.
            // The browser takes the new build over once the old one has
            // nothing left to do, which can be long; past three seconds the
            // page leaves the old build's service worker and reloads from
            // the server, where the new build is.
            trocando = true;
            document.body.inert = true;
            registro.waiting.postMessage("trocar");
            setTimeout(() => registro.unregister().finally(() => location.reload()), 3000);
        };
        registro.addEventListener("updatefound", () => {
            const novo = registro.installing;
            novo.addEventListener("statechange", () => {
                if (novo.state === "installed") {
                    trocar();
                }
            });
        });
        trocar();
        const procurar = () => registro.update().catch(() => {});
        document.addEventListener("visibilitychange", () => {
            if (document.visibilityState === "visible") {
                procurar();
            }
        });
        setInterval(procurar, 15 * 60 * 1000);
    }).catch(() => {});
    if (document.readyState === "complete") {
        registrar();
    } else {
        addEventListener("load", registrar, { once: true });
    }
});
// clang-format on

}  // namespace

namespace morvantis::web {

void VigiarAtualizacoes(std::string_view janelaDeEntrada) {
    vigiar_atualizacoes(std::string(janelaDeEntrada).c_str());
}

}  // namespace morvantis::web
