#include <gtest/gtest.h>

#include "Compasso.h"
#include "Geometria.h"

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
}

}  // namespace
}  // namespace morvantis::janelas
