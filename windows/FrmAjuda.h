#pragma once

// The help window, opened by the question "<ajuda>": it explains the trick
// to its future master. "OK" empties the main window's question box and
// closes the window for good.

#include <QString>

#include "Aparencia.h"
#include "toolkit/Toolkit.h"

class QPlainTextEdit;
class QPushButton;

namespace morvantis {

class FrmAjuda final : public aparencia::JanelaFixa {
    Q_OBJECT

public:
    // Every line ends with CR LF, the last one too.
    static const QString TextoAjuda;

    FrmAjuda(toolkit::TextBox& txtPergunta, QWidget* pai = nullptr);
    Q_DISABLE_COPY_MOVE(FrmAjuda)

private:
    void CmdOK_Click();

    toolkit::TextBox& txtPergunta_;
    QPushButton* CmdOK;
    QPlainTextEdit* Text1;
};

}  // namespace morvantis
