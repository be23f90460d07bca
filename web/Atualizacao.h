#pragma once

// The service worker, and a new build taken only at the entry window.

#include <string_view>

namespace morvantis::web {

// Registers the service worker once the page has loaded (installing it
// fetches the site again, which must not slow the first load), and watches
// for a new build: an open page asks for one when it is shown again and now
// and then. A new build waits, installed, until the page stands at
// `janelaDeEntrada` (a window's name), or until the next start: then the page
// reloads into it whole. Mid-capture or mid-reveal nothing changes.
void VigiarAtualizacoes(std::string_view janelaDeEntrada);

}  // namespace morvantis::web
