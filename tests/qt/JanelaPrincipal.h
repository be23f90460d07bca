#pragma once

// The main window realised by Qt on a generator that always draws entry 1:
// the invocation "Mestre maravilhoso, ..." and the insult "Sai fora
// curioso, ...".

#include "Encerramento.h"
#include "FakeToolkit.h"
#include "FrmMain.h"
#include "JanelaQt.h"

namespace morvantis::testing {

struct JanelaPrincipal {
    fake::FakeGerador gerador{{0.0}};
    Module1 modulo{gerador};
    qt::KitQt kit;
    Encerramento fim{kit};
    FrmMain principal{kit, modulo, fim};
    qt::JanelaFixa& window = *qt::JanelaQt::De(principal.Janela());
};

}  // namespace morvantis::testing
