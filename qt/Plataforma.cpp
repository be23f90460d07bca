#include "Plataforma.h"

#include <cstdlib>

namespace morvantis::qt {
namespace {

bool Definida(const char* valor) {
    return valor != nullptr && *valor != '\0';
}

}  // namespace

std::string PlataformaPreferida(const char* qtQpaPlatform, const char* display, const char* waylandDisplay) {
    if (Definida(qtQpaPlatform)) {
        return {};
    }
    if (Definida(display)) {
        return "xcb";
    }
    if (Definida(waylandDisplay)) {
        return "wayland";
    }
    return {};
}

void EscolherPlataforma() {
#if defined(__unix__) && !defined(__APPLE__)
    const std::string plataforma = PlataformaPreferida(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                                                       std::getenv("WAYLAND_DISPLAY"));
    if (!plataforma.empty()) {
        setenv("QT_QPA_PLATFORM", plataforma.c_str(), 1);
    }
#endif
}

}  // namespace morvantis::qt
