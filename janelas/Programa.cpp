#include "Programa.h"

#include "Janelas.h"

namespace morvantis {

Programa::Programa(janelas::Kit& kit, Gerador& gerador) : kit_(kit), modulo_(gerador), fim_(kit) {}

Programa::~Programa() = default;

void Programa::Iniciar() {
    entrada_ = kit_.Criar(janelas::Entrada, nullptr);
    entrada_->AoClicar("CmdEntrar", [this] { CmdEntrar_Click(); });
    entrada_->AoClicar("CmdSair", [this] { fim_.EncerrarJa(); });
    entrada_->Mostrar();
}

// The entry window leaves the screen at once. The main window is shown from
// the event queue, once this handler has returned: by then the entry window
// is destroyed, so no window of it outlives "Entrar", not even for a screen
// reader, while the main window's modal loop runs.
void Programa::CmdEntrar_Click() {
    if (principal_ || fim_.Encerrado() || !entrada_) {
        return;
    }
    entrada_->Fechar();
    kit_.Depois(vida_.Enquanto([this] { MostrarPrincipal(); }));
}

void Programa::MostrarPrincipal() {
    entrada_.reset();
    if (principal_ || fim_.Encerrado()) {
        return;
    }
    principal_ = std::make_unique<FrmMain>(kit_, modulo_, fim_);
    // Only "Sair" closes the main window; should anything else close it, no
    // window is left and the program ends all the same.
    principal_->Janela().MostrarModal([this] { fim_.EncerrarJa(); });
}

}  // namespace morvantis
