#include <gtest/gtest.h>

#include <string>

#include "Plataforma.h"

namespace morvantis::testing {
namespace {

struct Ambiente {
    const char* nome;
    const char* qtQpaPlatform;
    const char* display;
    const char* waylandDisplay;
    std::string esperada;
};

class PlataformaTest : public ::testing::TestWithParam<Ambiente> {};

TEST_P(PlataformaTest, PrefersX11WheneverAnXDisplayExists) {
    const Ambiente& a = GetParam();
    EXPECT_EQ(qt::PlataformaPreferida(a.qtQpaPlatform, a.display, a.waylandDisplay), a.esperada);
}

INSTANTIATE_TEST_SUITE_P(
    Ambientes, PlataformaTest,
    ::testing::Values(Ambiente{"XAndWayland", nullptr, ":0", "wayland-0", "xcb"},
                      Ambiente{"OnlyX", nullptr, ":1", nullptr, "xcb"},
                      Ambiente{"OnlyWayland", nullptr, nullptr, "wayland-0", "wayland"},
                      Ambiente{"EmptyDisplayIsNoDisplay", "", "", "wayland-0", "wayland"},
                      Ambiente{"UserChoseWayland", "wayland", ":0", "wayland-0", ""},
                      Ambiente{"UserChoseOffscreen", "offscreen", ":0", nullptr, ""},
                      Ambiente{"NeitherLeavesQtAlone", nullptr, nullptr, nullptr, ""}),
    [](const ::testing::TestParamInfo<Ambiente>& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace morvantis::testing
