#pragma once

// Each of the four windows built on its own, as the program builds it, for
// tests that look at all of them alike. Rows of a parameterised test name a
// window by its object name.

#include <QString>
#include <memory>
#include <string>

#include "Aparencia.h"
#include "FakeToolkit.h"
#include "FrmAjuda.h"
#include "FrmEntrada.h"
#include "FrmMain.h"
#include "FrmSobre.h"

namespace morvantis::testing {

class QuatroJanelas {
public:
    std::unique_ptr<aparencia::JanelaFixa> Criar(const std::string& nome) {
        if (nome == "FrmEntrada") {
            return std::make_unique<FrmEntrada>([] {}, [] {});
        }
        if (nome == "FrmMain") {
            return std::make_unique<FrmMain>(modulo, aplicacao);
        }
        if (nome == "FrmAjuda") {
            return std::make_unique<FrmAjuda>(pergunta);
        }
        return std::make_unique<FrmSobre>(pergunta);
    }

    fake::Focus foco;
    fake::FakeTextBox pergunta{"TxtPergunta", foco};
    fake::FakeGerador gerador{{0.0}};
    Module1 modulo{gerador};
    qt::Aplicacao aplicacao;
};

#define MORVANTIS_PARA_AS_QUATRO_JANELAS(suite)                                                  \
    INSTANTIATE_TEST_SUITE_P(QuatroJanelas, suite,                                               \
                             ::testing::Values("FrmEntrada", "FrmMain", "FrmAjuda", "FrmSobre"), \
                             [](const ::testing::TestParamInfo<std::string>& linha) { return linha.param; })

}  // namespace morvantis::testing
