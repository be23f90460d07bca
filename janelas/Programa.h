#pragma once

// The program as a whole: its one random generator, its end, and the flow
// between its windows. It starts on the entry window alone; "Entrar" closes
// and destroys it, then shows the oracle's window modally; "Sair" on either
// window ends the program.

#include <memory>
#include <vector>

#include "Encerramento.h"
#include "FrmMain.h"
#include "Kit.h"
#include "Module1.h"

namespace morvantis {

class Programa {
public:
    Programa(janelas::Kit& kit, Gerador& gerador);
    ~Programa();
    Programa(const Programa&) = delete;
    Programa& operator=(const Programa&) = delete;

    // Shows the entry window, not modally; the caller then runs the toolkit's
    // event loop.
    void Iniciar();

    [[nodiscard]] janelas::JanelaViva* Entrada() const { return entrada_.get(); }
    [[nodiscard]] FrmMain* Principal() const { return principal_.get(); }
    [[nodiscard]] const Encerramento& Fim() const { return fim_; }

private:
    void CmdEntrar_Click();
    void MostrarPrincipal();

    janelas::Kit& kit_;
    Module1 modulo_;
    Encerramento fim_;
    std::unique_ptr<janelas::JanelaViva> entrada_;
    std::unique_ptr<FrmMain> principal_;
    janelas::Vida vida_;
};

}  // namespace morvantis
