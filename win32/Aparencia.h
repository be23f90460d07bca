#pragma once

// The windows' look on the Windows API: a described colour as a COLORREF
// (named colours take the classic scheme's values, as on the other
// realisations, unless the desktop's high-contrast theme is on), the two
// fonts at a given DPI, and the brushes and fonts a window keeps while it
// lives.

#include <windows.h>

#include <utility>
#include <vector>

#include "Descricao.h"

namespace morvantis::win32 {

[[nodiscard]] inline COLORREF Colorref(const janelas::Rgb& rgb) {
    return RGB(rgb.r, rgb.g, rgb.b);
}

// Whether the desktop's high-contrast theme is on (SPI_GETHIGHCONTRAST).
// Wine cannot turn it on, so there the tests stand a variable of the
// program's own in for it: MORVANTIS_ALTO_CONTRASTE=1 (or 0).
[[nodiscard]] bool AltoContraste();

// A named colour: the theme's own under high contrast, the classic scheme's
// value otherwise.
[[nodiscard]] COLORREF Colorref(janelas::CorSistema cor, bool altoContraste);
// A described colour used as `uso`: under high contrast the theme's colour
// for that use (janelas::NoAltoContraste), whatever the description says;
// otherwise its classic value. A control's colours come settled by
// janelas::TextoDe and FundoDe; a window's ground left to the platform is
// the dialog face.
[[nodiscard]] COLORREF Colorref(const janelas::Cor& cor, janelas::Uso uso, bool altoContraste);

// Pixels at 96 dots per inch on a screen of `dpi`.
[[nodiscard]] inline int Escalar(int pixels, UINT dpi) {
    return MulDiv(pixels, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}

// A screen's device pixels to a pixel at 96 dots per inch.
[[nodiscard]] inline double EscalaDe(UINT dpi) {
    return static_cast<double>(dpi) / USER_DEFAULT_SCREEN_DPI;
}

// GDI objects of one kind, made on first use, one for each key, and
// deleted with their owner.
template <typename Chave, typename Objeto>
class Feitos {
public:
    Feitos() = default;
    ~Feitos() {
        for (const auto& [chave, objeto] : feitos_) {
            DeleteObject(objeto);
        }
    }
    Feitos(const Feitos&) = delete;
    Feitos& operator=(const Feitos&) = delete;

    // The one for `chave`, which `fazer` makes the first time.
    template <typename Fazer>
    [[nodiscard]] Objeto De(const Chave& chave, Fazer fazer) {
        for (const auto& [feita, objeto] : feitos_) {
            if (feita == chave) {
                return objeto;
            }
        }
        feitos_.emplace_back(chave, fazer());
        return feitos_.back().second;
    }
    // Deletes those whose key `largar` picks.
    template <typename Largar>
    void LargarSe(Largar largar) {
        std::erase_if(feitos_, [&largar](const auto& feito) {
            if (!largar(feito.first)) {
                return false;
            }
            DeleteObject(feito.second);
            return true;
        });
    }

private:
    std::vector<std::pair<Chave, Objeto>> feitos_;
};

// One solid brush per colour, deleted with the window.
class Pinceis {
public:
    [[nodiscard]] HBRUSH De(COLORREF cor) {
        return pinceis_.De(cor, [cor] { return CreateSolidBrush(cor); });
    }

private:
    Feitos<COLORREF, HBRUSH> pinceis_;
};

// The fonts a window uses at its current DPI, made on first use.
class Fontes {
public:
    [[nodiscard]] HFONT De(const janelas::Fonte& fonte, UINT dpi);
    // Drops those made for another DPI, once no control uses them.
    void ManterSo(UINT dpi);

private:
    Feitos<std::pair<janelas::Fonte, UINT>, HFONT> fontes_;
};

}  // namespace morvantis::win32
