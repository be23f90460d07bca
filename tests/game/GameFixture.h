#pragma once

#include <gtest/gtest.h>

#include "ControlesFalsos.h"
#include "Module1.h"
#include "Oraculo.h"

namespace morvantis {

// A freshly created main window with a generator that always draws entry 1:
// the invocation "Mestre maravilhoso, ..." and the insult "Sai fora curioso, ...".
class GameTest : public ::testing::Test {
protected:
    static constexpr std::u16string_view Phrase1 =
        u"Mestre maravilhoso, idolatrado por toda humanidade, peço-lhe... ";
    static constexpr std::u16string_view Insult1 = u"Sai fora curioso, aqui você não tem vez...";

    GameTest() {
        window.TxtResposta.onFocus = [this] { oraculo.TxtResposta_GotFocus(); };
        window.Wire(oraculo);
    }

    void Digitar(std::u32string_view keys) { fake::Digitar(window.TxtPergunta, keys); }
    void Press(char32_t key) { fake::Digitar(window.TxtPergunta, {&key, 1}); }
    std::u16string Box() const { return window.TxtPergunta.Texto(); }
    const EstadoJogo& State() const { return oraculo.Estado(); }

    // Ticks until the timer stops, at most `limit` ticks; returns the count.
    int RevealAll(int limit = 1'000'000) {
        int ticks = 0;
        while (window.Timer.enabled && ticks < limit) {
            oraculo.Timer_Timer();
            ++ticks;
        }
        return ticks;
    }

    fake::PrincipalFalsa window;
    fake::GeradorFalso gerador;
    Module1 modulo{gerador};
    Oraculo oraculo{window.Controls(), modulo};
};

}  // namespace morvantis
