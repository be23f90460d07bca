#include <gtest/gtest.h>

#include "Compasso.h"
#include "Geometria.h"
#include "Janelas.h"

namespace morvantis::janelas {
namespace {

TEST(Centrado, HalfTheRoomRoundedTowardsTheTopLeft) {
    struct Caso {
        int tela, janela, esperado;
    };
    for (const Caso c : {Caso{1280, 640, 320}, Caso{800, 339, 230}, Caso{1024, 169, 427}, Caso{100, 101, -1},
                         Caso{100, 103, -2}}) {
        EXPECT_EQ(Centrado(c.tela, c.janela), c.esperado) << c.tela << " - " << c.janela;
    }
}

TEST(Escala, FrameRingsAreWholeDevicePixelsAndPicturesKeepEveryPixelWhole) {
    for (const auto& [escala, anel] :
         {std::pair{1.0, 1}, {1.25, 1}, {1.5, 2}, {1.75, 2}, {2.0, 2}, {3.0, 3}}) {
        EXPECT_EQ(AnelEmPixels(escala), anel) << escala;
    }
    // 219 pixels at 1.5 are 329 device pixels, showing every pixel in order.
    ASSERT_EQ(EmPixels(219, 1.5), 329);
    for (int d = 1; d < 329; ++d) {
        EXPECT_LE(PixelDeOrigem(d, 329, 219) - PixelDeOrigem(d - 1, 329, 219), 1) << d;
    }
    EXPECT_EQ(PixelDeOrigem(0, 329, 219), 0);
    EXPECT_EQ(PixelDeOrigem(328, 329, 219), 218);
}

TEST(Compasso, LateTicksCatchUpFromTheStartNotFromTheLastTick) {
    Compasso compasso(10);
    compasso.Iniciar(1000.0);
    EXPECT_EQ(compasso.Devidos(1009.9), 0);
    EXPECT_NEAR(compasso.Espera(1009.9), 0.1, 1e-9);
    EXPECT_EQ(compasso.Devidos(1015.6), 1);  // a coarse clock: one tick, 5.6 ms late
    EXPECT_EQ(compasso.Devidos(1031.2), 2);  // the next wake catches up
    EXPECT_EQ(compasso.Devidos(1031.2), 0);  // and never gives a tick twice
    EXPECT_NEAR(compasso.Espera(1031.2), 8.8, 1e-9);
    EXPECT_EQ(compasso.Devidos(1600.0), 57);  // 60 ticks in 600 ms, however they came

    compasso.Iniciar(2000.0);  // restarted: counted afresh
    EXPECT_EQ(compasso.Devidos(2010.0), 1);
    EXPECT_EQ(compasso.Acordar(2019.9), 1) << "a wake a hair early by our clock still ticks";
    EXPECT_EQ(compasso.Acordar(2035.0), 1) << "and is not ticked again later";

    int tiques = 0;
    compasso.Pulsar(2100.0, [&] {
        if (++tiques == 2) {
            compasso.Iniciar(2100.0);
        }
    });
    EXPECT_EQ(tiques, 2) << "of 7 due, a tick that started the timer afresh ended the wake";
    compasso.Parar();
    compasso.Pulsar(2200.0, [&] { ++tiques; });
    EXPECT_EQ(tiques, 2) << "a wake queued before the stop runs none";
}

// The windows on a tablet: the smallest target is the question box (19 px)
// or a button (25 px); each window grows evenly while it fits across, then
// only downwards, and never leaves a target under 44 px.
TEST(EscalaParaToque, GrowsEvenlyWhileItFitsThenOnlyDownwards) {
    struct Caso {
        const Janela* janela;
        double tela;
        Escala esperada;
    };
    constexpr int Moldura = 2 * MolduraPixels;
    for (const Caso c :
         {Caso{&Entrada, 1024, {44.0 / 25, 44.0 / 25}},   // fits: even
          Caso{&Entrada, 768, {768.0 / 437, 44.0 / 25}},  // 1 px short across
          Caso{&Principal, 1024, {1024.0 / 641, 44.0 / 19}}, Caso{&Principal, 820, {820.0 / 641, 44.0 / 19}},
          Caso{&Sobre, 1180, {44.0 / 25, 44.0 / 25}}}) {
        const double largura = c.janela->cliente.largura + Moldura;
        const Escala e = EscalaParaToque(largura, c.janela->MenorAlvo(), c.tela);
        EXPECT_DOUBLE_EQ(e.x, c.esperada.x) << c.janela->nome << " at " << c.tela;
        EXPECT_DOUBLE_EQ(e.y, c.esperada.y) << c.janela->nome << " at " << c.tela;
        EXPECT_LE(largura * e.x, c.tela) << c.janela->nome;
        EXPECT_GE(c.janela->MenorAlvo() * e.y, 44.0 - 1e-9) << c.janela->nome;
    }
    EXPECT_EQ(Principal.MenorAlvo(), 19);
    EXPECT_EQ(Ajuda.MenorAlvo(), 25);
    // Targets big enough already: the window keeps its size, or only
    // shrinks to fit a narrow screen.
    EXPECT_EQ(EscalaParaToque(400, 50, 1024), (Escala{1.0, 1.0}));
    EXPECT_EQ(EscalaParaToque(800, 50, 400), (Escala{0.5, 1.0}));
}

}  // namespace
}  // namespace morvantis::janelas
