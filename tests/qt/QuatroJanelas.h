#pragma once

// Each of the four window descriptions realised on its own by the Qt kit,
// for tests that look at all of them alike. Rows of a parameterised test
// name a window by its object name.

#include <memory>
#include <string>

#include "Janela.h"
#include "Janelas.h"

namespace morvantis::testing {

// A realised window, owned and used like a pointer to its widget.
class JanelaDeTeste {
public:
    explicit JanelaDeTeste(const janelas::Janela& d)
        : descricao(&d), viva_(std::make_unique<qt::Janela>(d, nullptr)) {}

    qt::JanelaFixa* get() const { return viva_->Widget(); }
    qt::JanelaFixa* operator->() const { return get(); }

    const janelas::Janela* descricao;

private:
    std::unique_ptr<qt::Janela> viva_;
};

class QuatroJanelas {
public:
    static const janelas::Janela& Descricao(const std::string& nome) {
        for (const janelas::Janela* j : janelas::Todas) {
            if (j->nome == nome) {
                return *j;
            }
        }
        throw std::out_of_range(nome);
    }
    JanelaDeTeste Criar(const std::string& nome) { return JanelaDeTeste(Descricao(nome)); }
};

#define MORVANTIS_PARA_AS_QUATRO_JANELAS(suite)                                                  \
    INSTANTIATE_TEST_SUITE_P(QuatroJanelas, suite,                                               \
                             ::testing::Values("FrmEntrada", "FrmMain", "FrmAjuda", "FrmSobre"), \
                             [](const ::testing::TestParamInfo<std::string>& linha) { return linha.param; })

}  // namespace morvantis::testing
