#pragma once

// Where a window goes on its screen, computed once for every toolkit so the
// three realisations place a window on the same pixel, and how much a
// window grows for a finger.

#include <algorithm>

namespace morvantis::janelas {

// The offset that centres `janela` pixels in `tela` pixels: half the room
// left over, rounded down (towards the top-left), also when the window is
// the larger of the two.
[[nodiscard]] constexpr int Centrado(int tela, int janela) {
    const int sobra = tela - janela;
    return sobra >= 0 ? sobra / 2 : -((1 - sobra) / 2);
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
