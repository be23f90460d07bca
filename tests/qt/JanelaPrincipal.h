#pragma once

// The main window realised by Qt on a generator that always draws entry 1:
// the invocation "Mestre maravilhoso, ..." and the insult "Sai fora
// curioso, ...".

#include "Encerramento.h"
#include "FakeToolkit.h"
#include "FrmMain.h"
#include "JanelaQt.h"

namespace morvantis::testing {

// Entry 1 of each phrase table, as the game draws it.
inline std::u16string PrimeiraInvocacao() {
    fake::FakeGerador gerador{{0.0}};
    return Module1(gerador).SortearInvocacao();
}
inline std::u16string PrimeiroDesaforo() {
    fake::FakeGerador gerador{{0.0}};
    return Module1(gerador).SortearDesaforo();
}

struct JanelaPrincipal {
    fake::FakeGerador gerador{{0.0}};
    Module1 modulo{gerador};
    qt::KitQt kit;
    Encerramento fim{kit};
    FrmMain principal{kit, modulo, fim};
    qt::JanelaFixa& window = *qt::JanelaQt::De(principal.Janela());
};

}  // namespace morvantis::testing
