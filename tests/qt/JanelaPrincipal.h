#pragma once

// The main window realised by Qt on a generator that always draws entry 1:
// the invocation "Mestre maravilhoso, ..." and the insult "Sai fora
// curioso, ...".

#include "ControlesFalsos.h"
#include "Encerramento.h"
#include "FrmMain.h"
#include "Janela.h"

namespace morvantis::testing {

// Entry 1 of each phrase table, as the game draws it.
inline std::u16string PrimeiraInvocacao() {
    fake::GeradorFalso gerador{{0.0}};
    return Module1(gerador).SortearInvocacao();
}
inline std::u16string PrimeiroDesaforo() {
    fake::GeradorFalso gerador{{0.0}};
    return Module1(gerador).SortearDesaforo();
}

struct JanelaPrincipal {
    fake::GeradorFalso gerador{{0.0}};
    Module1 modulo{gerador};
    qt::Kit kit;
    Encerramento fim{kit};
    FrmMain principal{kit, modulo, fim};
    qt::JanelaFixa& window = *qt::Janela::De(principal.Janela());
};

}  // namespace morvantis::testing
