#include "CaixaPergunta.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace morvantis {

namespace {

constexpr char32_t Backspace = 8;
constexpr char32_t Enter = 13;
constexpr char32_t Escape = 27;

}  // namespace

CaixaPergunta::CaixaPergunta(QWidget* pai) : QLineEdit(pai) {}

void CaixaPergunta::DefinirFiltro(Filtro filtro, Capturando capturando) {
    filtro_ = std::move(filtro);
    capturando_ = std::move(capturando);
}

char32_t CaixaPergunta::CaractereDaTecla(const QKeyEvent& evento) {
    switch (evento.key()) {
        // On X11 Delete carries "\x7f" and Ctrl+Tab "\t": they still bring
        // no character, the box acts on them itself.
        case Qt::Key_Delete:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Insert:
            return 0;
        case Qt::Key_Backspace:
            return Backspace;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return Enter;
        case Qt::Key_Escape:
            return Escape;
        default:
            break;
    }
    // Ctrl+letter is its control character (Ctrl+A is 1), as X11 and
    // Windows deliver it; some platforms send the plain letter instead.
    const Qt::KeyboardModifiers mods = evento.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (mods == Qt::ControlModifier && evento.key() >= Qt::Key_A && evento.key() <= Qt::Key_Z) {
        return static_cast<char32_t>(evento.key() - Qt::Key_A + 1);
    }
    const QList<uint> caracteres = evento.text().toUcs4();
    return caracteres.size() == 1 ? static_cast<char32_t>(caracteres.front()) : 0;
}

void CaixaPergunta::Digitar(char32_t caractere) {
    if (filtro_) {
        filtro_(caractere);
    }
    if (caractere == 0 || isReadOnly()) {
        return;
    }
    if (caractere == Backspace) {
        backspace();
    } else if (caractere >= 0x20 && caractere != 0x7F) {
        // insert() keeps the 200-character limit, like typing does.
        const char32_t unidade[] = {caractere};
        insert(QString::fromUcs4(unidade, 1));
    }
}

void CaixaPergunta::keyPressEvent(QKeyEvent* evento) {
    const char32_t caractere = CaractereDaTecla(*evento);
    if (caractere == 0) {
        const QList<uint> varios = evento->text().toUcs4();
        if (varios.size() > 1) {
            // Several characters in one key event (a macro key, a paste from
            // a remote keyboard): each is one keystroke for the filter.
            for (const uint c : varios) {
                Digitar(static_cast<char32_t>(c));
            }
            evento->accept();
            return;
        }
        if (EmCaptura() && evento->matches(QKeySequence::Paste)) {
            evento->accept();  // Shift+Insert would paste in the open
            return;
        }
        QLineEdit::keyPressEvent(evento);
        return;
    }
    char32_t filtrado = caractere;
    if (filtro_) {
        filtro_(filtrado);
    }
    if (filtrado != 0) {
        // The filter let the key through: the box handles it itself, so
        // Backspace, Ctrl+A, Ctrl+C, Ctrl+V, Ctrl+Z keep their usual meaning
        // outside a capture.
        QLineEdit::keyPressEvent(evento);
    }
    // Escape, swallowed or not, goes no further than the box: the window has
    // no cancel button.
    evento->accept();
}

void CaixaPergunta::inputMethodEvent(QInputMethodEvent* evento) {
    const QString confirmado = evento->commitString();
    if (confirmado.isEmpty() && !EmCaptura()) {
        QLineEdit::inputMethodEvent(evento);
        return;
    }
    for (const uint c : confirmado.toUcs4()) {
        Digitar(static_cast<char32_t>(c));
    }
    // The pre-edit text is shown only outside a capture; an empty one also
    // clears any that was showing.
    const bool mostrarPreEdicao = !EmCaptura() && !isReadOnly();
    QInputMethodEvent restante(
        mostrarPreEdicao ? evento->preeditString() : QString(),
        mostrarPreEdicao ? evento->attributes() : QList<QInputMethodEvent::Attribute>{});
    QLineEdit::inputMethodEvent(&restante);
    evento->accept();
}

void CaixaPergunta::contextMenuEvent(QContextMenuEvent* evento) {
    if (EmCaptura()) {
        evento->accept();
        return;
    }
    QLineEdit::contextMenuEvent(evento);
}

void CaixaPergunta::mouseReleaseEvent(QMouseEvent* evento) {
    // The middle button pastes the X11 selection; never into a capture.
    if (EmCaptura() && evento->button() == Qt::MiddleButton) {
        evento->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(evento);
}

void CaixaPergunta::dragEnterEvent(QDragEnterEvent* evento) {
    if (EmCaptura()) {
        evento->ignore();
        return;
    }
    QLineEdit::dragEnterEvent(evento);
}

void CaixaPergunta::dropEvent(QDropEvent* evento) {
    if (EmCaptura()) {
        evento->ignore();
        return;
    }
    QLineEdit::dropEvent(evento);
}

}  // namespace morvantis
