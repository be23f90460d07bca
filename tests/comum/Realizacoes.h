#pragma once

// What the realisations' tests check alike: the frame's shades, pictures
// enlarged by nearest neighbour, and Tab and Shift+Tab round a window.

#include <gtest/gtest.h>

#include <map>
#include <string_view>
#include <tuple>
#include <vector>

#include "Geometria.h"

namespace morvantis::testing {

// The frame as drawn, `anel` device pixels a ring, from the outside: each of
// AneisMoldura's rings (`cor` makes its shades the realisation's colours),
// then as thick a ring of the window's ground `chao`. At each device pixel,
// the light shade on the top and left edges and the top-left corner, the dark
// one on the others; `pixel` reads the picture `largura` x `altura`.
template <typename Cor, typename ParaCor, typename Pixel>
void VerMoldura(int anel, int largura, int altura, ParaCor cor, const Cor& chao, Pixel pixel) {
    const int direita = largura - 1;
    const int baixo = altura - 1;
    for (int d = 0; d < (janelas::MolduraPixels + 1) * anel; ++d) {
        const bool dentro = d / anel == janelas::MolduraPixels;
        const Cor claro = dentro ? chao : cor(janelas::AneisMoldura[d / anel].claro);
        const Cor escuro = dentro ? chao : cor(janelas::AneisMoldura[d / anel].escuro);
        const std::tuple<const char*, int, int, Cor> pontos[] = {
            {"top-left corner", d, d, claro},
            {"top-right corner", direita - d, d, escuro},
            {"bottom-left corner", d, baixo - d, escuro},
            {"bottom-right corner", direita - d, baixo - d, escuro},
            {"top edge", direita / 2, d, claro},
            {"left edge", d, baixo / 2, claro},
            {"bottom edge", direita / 2, baixo - d, escuro},
            {"right edge", direita - d, baixo / 2, escuro}};
        for (const auto& [onde, x, y, esperada] : pontos) {
            EXPECT_EQ(pixel(x, y), esperada) << "device pixel " << d << " from the outside, " << onde;
        }
    }
}

// The pixels of a picture shown at `largura` x `altura` that are not the
// source pixel nearest neighbour puts there (janelas::PixelDeOrigem).
template <typename Visto, typename Origem>
int PixelsBorrados(int largura, int altura, int larguraOrigem, int alturaOrigem, Visto visto, Origem origem) {
    int borrados = 0;
    for (int y = 0; y < altura; ++y) {
        for (int x = 0; x < largura; ++x) {
            borrados += visto(x, y) != origem(janelas::PixelDeOrigem(x, largura, larguraOrigem),
                                              janelas::PixelDeOrigem(y, altura, alturaOrigem));
        }
    }
    return borrados;
}

// The controls Tab visits in each window, in order; the answer box hands
// the focus on, so it is never among them.
inline const std::vector<std::string_view>& OrdemDeTab(std::string_view janela) {
    static const std::map<std::string_view, std::vector<std::string_view>> ordem{
        {"FrmEntrada", {"CmdEntrar", "CmdSair"}},
        {"FrmMain", {"TxtPergunta", "CmdPergunta", "CmdSair"}},
        {"FrmAjuda", {"Text1", "CmdOK"}},
        {"FrmSobre", {"CmdOK"}}};
    return ordem.at(janela);
}

// `ver` the first control, then after each Tab round the window and each
// Shift+Tab back.
template <typename Tab, typename Ver>
void RodarNosDoisSentidos(std::string_view janela, Tab tab, Ver ver) {
    const std::vector<std::string_view>& ordem = OrdemDeTab(janela);
    const int n = static_cast<int>(ordem.size());
    ver(ordem[0]);
    for (const int passo : {1, -1}) {
        for (int i = 1; i <= n; ++i) {
            tab(passo < 0);
            ver(ordem[static_cast<std::size_t>(((passo * i) % n + n) % n)]);
        }
    }
}

}  // namespace morvantis::testing
