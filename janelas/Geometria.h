#pragma once

// Where a window goes on its screen, computed once for every toolkit so the
// three realisations place a window on the same pixel.

namespace morvantis::janelas {

// The offset that centres `janela` pixels in `tela` pixels: half the room
// left over, rounded down (towards the top-left), also when the window is
// the larger of the two.
[[nodiscard]] constexpr int Centrado(int tela, int janela) {
    const int sobra = tela - janela;
    return sobra >= 0 ? sobra / 2 : -((1 - sobra) / 2);
}

}  // namespace morvantis::janelas
