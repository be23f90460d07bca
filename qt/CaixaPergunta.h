#pragma once

// The question box: a one-line edit that hands every character a person
// types to the key filter before it applies it, one character at a time,
// however the platform delivers it. Plain key presses carry their character
// in the key event; dead-key compositions ("~" then "a") and other input
// methods arrive as committed text instead, and both must go through the
// filter, or an accented letter typed in secret would show in the box.

#include <QLineEdit>
#include <functional>

namespace morvantis {

class CaixaPergunta final : public QLineEdit {
    Q_OBJECT

public:
    // Receives a character code and may set it to 0 to swallow the key.
    using Filtro = std::function<void(char32_t&)>;
    // Whether a secret capture is on: then nothing that is not the filter's
    // own may reach the box (pre-edit text, pastes, drops).
    using Capturando = std::function<bool()>;

    explicit CaixaPergunta(QWidget* pai = nullptr);
    Q_DISABLE_COPY_MOVE(CaixaPergunta)

    void DefinirFiltro(Filtro filtro, Capturando capturando);

    // The character a key press brings, or 0 for keys that bring none
    // (arrows, Delete, Home, End, function keys, Tab).
    [[nodiscard]] static char32_t CaractereDaTecla(const QKeyEvent& evento);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void inputMethodEvent(QInputMethodEvent* evento) override;
    void contextMenuEvent(QContextMenuEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void dragEnterEvent(QDragEnterEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;

private:
    // Runs the filter on one character and, when it lets it through, applies
    // it as the box would.
    void Digitar(char32_t caractere);
    [[nodiscard]] bool EmCaptura() const { return capturando_ && capturando_(); }

    Filtro filtro_;
    Capturando capturando_;
};

}  // namespace morvantis
