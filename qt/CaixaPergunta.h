#pragma once

// The question box in Qt: a QLineEdit that only translates. Key presses,
// input-method commits, pastes, drops and caret moves become edits of the
// box's model (janelas/ModeloPergunta.h), which runs every character
// through the key filter; the widget then shows what the model holds. The
// widget never edits its own text: a dead-key composition ("~" then "a")
// arrives as a commit and not as a key, and must be filtered like one, or an
// accented letter typed in secret would show.

#include <QLineEdit>

#include "ModeloPergunta.h"

namespace morvantis::qt {

class CaixaPergunta final : public QLineEdit, private janelas::ModeloPergunta::Vista {
    Q_OBJECT

public:
    CaixaPergunta(janelas::ModeloPergunta& modelo, QWidget* pai = nullptr);
    ~CaixaPergunta() override;
    Q_DISABLE_COPY_MOVE(CaixaPergunta)

    // The keystroke a key press brings: its character, or a control code
    // (Backspace, Enter, Ctrl+letter); empty for keys that bring none
    // (arrows, Delete, Home, End, function keys, Tab).
    [[nodiscard]] static toolkit::Tecla TeclaDoEvento(const QKeyEvent& evento);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void inputMethodEvent(QInputMethodEvent* evento) override;
    void contextMenuEvent(QContextMenuEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void dragEnterEvent(QDragEnterEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;

private:
    void Mostrar(const janelas::ModeloPergunta& modelo) override;
    void Focar() override;
    std::u16string AreaDeTransferencia() override;
    void ParaAreaDeTransferencia(std::u16string_view texto) override;

    // What the widget did to its caret or selection, told to the model.
    void RelatarSelecao();

    janelas::ModeloPergunta& modelo_;
    bool espelhando_ = false;
};

}  // namespace morvantis::qt
