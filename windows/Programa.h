#pragma once

// The program as a whole: its one random generator, its end, and the
// start-up that shows the entry window. The main window is created only when
// the entry window's "Entrar" asks for it.

#include <QPointer>
#include <memory>

#include "Module1.h"
#include "QtToolkit.h"

namespace morvantis {

class FrmEntrada;
class FrmMain;

class Programa {
public:
    // The program's one random generator, seeded when the main window loads.
    explicit Programa(Gerador& gerador);
    ~Programa();
    Programa(const Programa&) = delete;
    Programa& operator=(const Programa&) = delete;

    // Shows the entry window, not modally; the caller then runs the event loop.
    void Iniciar();

    [[nodiscard]] FrmEntrada* Entrada() const;
    [[nodiscard]] FrmMain* Principal() const { return principal_.get(); }
    [[nodiscard]] qt::Aplicacao& App() { return aplicacao_; }

private:
    void Entrar();

    Module1 modulo_;
    qt::Aplicacao aplicacao_;
    QPointer<FrmEntrada> entrada_;
    std::unique_ptr<FrmMain> principal_;
};

}  // namespace morvantis
