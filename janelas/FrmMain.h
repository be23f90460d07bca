#pragma once

// The oracle's window: its description realised by a toolkit, the game
// logic (Oraculo) on its controls, and each control's event wired to its
// handler. It also opens the help and about windows over itself when the
// ask calls for them; their "OK" empties the question box and closes them.

#include <memory>
#include <vector>

#include "Encerramento.h"
#include "Kit.h"
#include "Module1.h"
#include "Oraculo.h"

namespace morvantis {

class FrmMain final : private toolkit::Dialogos {
public:
    // Builds the window and its controls, then runs Form_Load, which seeds
    // the program's generator; nothing is shown yet.
    FrmMain(janelas::Kit& kit, Module1& modulo, Encerramento& fim);
    ~FrmMain() override;
    FrmMain(const FrmMain&) = delete;
    FrmMain& operator=(const FrmMain&) = delete;

    [[nodiscard]] janelas::JanelaViva& Janela() { return *janela_; }
    [[nodiscard]] const Oraculo& Jogo() const { return oraculo_; }
    // The help or about window while it is open.
    [[nodiscard]] janelas::JanelaViva* Dialogo() const { return dialogo_.get(); }

private:
    void MostrarAjudaModal() override;
    void MostrarSobreModal() override;
    void AbrirDialogo(const janelas::Janela& descricao, bool limparAntesDeFechar);

    janelas::Kit& kit_;
    Encerramento& fim_;
    std::unique_ptr<janelas::JanelaViva> janela_;
    Oraculo oraculo_;
    std::unique_ptr<janelas::JanelaViva> dialogo_;
    // Closed windows wait here until the handler that closed them returns.
    std::vector<std::unique_ptr<janelas::JanelaViva>> fechados_;
    janelas::Vida vida_;
};

}  // namespace morvantis
