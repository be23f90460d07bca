#include "Programa.h"

#include "FrmEntrada.h"
#include "FrmMain.h"

namespace morvantis {

Programa::Programa(Gerador& gerador) : modulo_(gerador) {}

Programa::~Programa() {
    delete entrada_.data();
}

FrmEntrada* Programa::Entrada() const {
    return entrada_.data();
}

void Programa::Iniciar() {
    entrada_ = new FrmEntrada([this] { Entrar(); }, [this] { aplicacao_.EndNow(); });
    entrada_->show();
}

void Programa::Entrar() {
    if (principal_ || aplicacao_.Encerrada()) {
        return;
    }
    principal_ = std::make_unique<FrmMain>(modulo_, aplicacao_);
    principal_->exec();
    // Only "Sair" closes the main window; should anything else close it,
    // no window is left and the program ends all the same.
    aplicacao_.EndNow();
}

}  // namespace morvantis
