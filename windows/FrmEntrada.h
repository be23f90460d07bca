#pragma once

// The entry window, the first thing the program shows: a warning in the
// oracle's own voice beside a dark painting. "Entrar" leads into the oracle,
// "Sair" ends the program.

#include <QString>
#include <functional>

#include "Aparencia.h"

class QPushButton;

namespace morvantis {

class FrmEntrada final : public aparencia::JanelaFixa {
    Q_OBJECT

public:
    static const QString Aviso;

    // `entrar` shows the main window modally and returns when it has
    // closed; `sair` ends the program.
    FrmEntrada(std::function<void()> entrar, std::function<void()> sair);
    Q_DISABLE_COPY_MOVE(FrmEntrada)

private:
    void CmdEntrar_Click();
    void CmdSair_Click();

    std::function<void()> entrar_;
    std::function<void()> sair_;
    QPushButton* CmdSair;
    QPushButton* CmdEntrar;
};

}  // namespace morvantis
