#pragma once

// The program's end: once "Sair" has ended it, every window has left the
// screen and no handler runs again, not even for events already queued.

#include "Kit.h"
#include "toolkit/Toolkit.h"

namespace morvantis {

class Encerramento final : public toolkit::Aplicacao {
public:
    explicit Encerramento(janelas::Kit& kit) : kit_(kit) {}

    void EncerrarJa() override {
        if (encerrado_) {
            return;
        }
        encerrado_ = true;
        kit_.EncerrarJa();
    }
    [[nodiscard]] bool Encerrado() const { return encerrado_; }

private:
    janelas::Kit& kit_;
    bool encerrado_ = false;
};

}  // namespace morvantis
