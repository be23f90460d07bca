#pragma once

// The about window, opened by the question "<sobre>": the program's name, a
// free-distribution note and the credits. "OK" closes the window for good
// and empties the main window's question box.

#include <QString>

#include "Aparencia.h"
#include "toolkit/Toolkit.h"

class QPushButton;

namespace morvantis {

class FrmSobre final : public aparencia::JanelaFixa {
    Q_OBJECT

public:
    static const QString NotaDistribuicao;
    static const QString Creditos;

    FrmSobre(toolkit::TextBox& txtPergunta, QWidget* pai = nullptr);
    Q_DISABLE_COPY_MOVE(FrmSobre)

private:
    void CmdOK_Click();

    toolkit::TextBox& txtPergunta_;
    QPushButton* CmdOK;
};

}  // namespace morvantis
