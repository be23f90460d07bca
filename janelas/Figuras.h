#pragma once

// The pictures' files, named once for every realisation: the desktop's file
// under assets/ (carried by the Qt program as a resource of that name), and
// its name without the extension, which names the Windows resource and the
// page's own rendering of it (assets/web/<name>.png, from tools/make-pictures).
// The build reads the file names from this header (cmake/Figuras.cmake).

#include <string_view>

#include "Descricao.h"

namespace morvantis::janelas {

// Every picture the program carries.
inline constexpr Figura Figuras[] = {Figura::Pintura, Figura::Faixa};

[[nodiscard]] constexpr std::string_view ArquivoFigura(Figura figura) {
    switch (figura) {
        case Figura::Pintura:
            return "painting.bmp";
        case Figura::Faixa:
            return "banner.gif";
        case Figura::Nenhuma:
            break;
    }
    return {};
}

[[nodiscard]] constexpr std::string_view NomeFigura(Figura figura) {
    const std::string_view arquivo = ArquivoFigura(figura);
    return arquivo.substr(0, arquivo.rfind('.'));
}

}  // namespace morvantis::janelas
