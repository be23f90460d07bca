#pragma once

// Where a window goes on its screen, computed once for every toolkit so the
// three realisations place a window on the same pixel; how its frame and
// pictures take a display's scale; and how much a window grows for a finger.

#include <algorithm>
#include <cstdint>

#include "Descricao.h"

namespace morvantis::janelas {

// The offset that centres `janela` pixels in `tela` pixels: half the room
// left over, rounded down (towards the top-left), also when the window is
// the larger of the two.
[[nodiscard]] constexpr int Centrado(int tela, int janela) {
    const int sobra = tela - janela;
    return sobra >= 0 ? sobra / 2 : -((1 - sobra) / 2);
}

// One ring of the frame, in device pixels, on a display of `escala` device
// pixels to the pixel: the scale rounded to the nearest whole number, a half
// upwards (1.25 gives 1; 1.5, 1.75 and 2 give 2; 3 gives 3), and never less
// than one. Every ring is as wide as the others, so the frame stays three
// whole rings at any scale rather than smearing a fraction across them.
[[nodiscard]] constexpr int AnelEmPixels(double escala) {
    const int anel = static_cast<int>(escala + 0.5);
    return anel < 1 ? 1 : anel;
}

// The whole frame, in device pixels, on every side.
[[nodiscard]] constexpr int MolduraEmPixels(double escala) {
    return MolduraPixels * AnelEmPixels(escala);
}

// `pixels` at `escala`, to the nearest device pixel (a half upwards): the
// size a picture takes on the screen.
[[nodiscard]] constexpr int EmPixels(int pixels, double escala) {
    return static_cast<int>(pixels * escala + 0.5);
}

// Nearest neighbour: a picture `origem` pixels wide shown `destino` device
// pixels wide. Device pixel `d` shows the picture's pixel under its centre,
// so every pixel of the picture becomes a block of whole device pixels and
// none is blended with its neighbours, whatever the scale.
[[nodiscard]] constexpr int PixelDeOrigem(int d, int destino, int origem) {
    return static_cast<int>((2 * static_cast<std::int64_t>(d) + 1) * origem /
                            (2 * static_cast<std::int64_t>(destino)));
}

// A window enlarged for a finger: by `x` across and `y` down.
struct Escala {
    double x = 1.0;
    double y = 1.0;

    constexpr bool operator==(const Escala&) const = default;
};

// Grows a window `largura` pixels wide (frame included) whose smallest tap
// target is `menorAlvo` pixels until that target is `alvo` pixels: evenly
// while the window still fits `larguraTela`, then only downwards, where the
// page scrolls. A window that needs no growing keeps its size, and one wider
// than the screen shrinks to fit it.
[[nodiscard]] constexpr Escala EscalaParaToque(double largura, double menorAlvo, double larguraTela,
                                               double alvo = 44.0) {
    const double preciso = std::max(1.0, alvo / menorAlvo);
    const double x = std::min(preciso, larguraTela / largura);
    return {x, std::max(x, preciso)};
}

}  // namespace morvantis::janelas
