#include "CaixaPergunta.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include "Controles.h"
#include "Janelas.h"

namespace morvantis::qt {

namespace {

using qt::ParaQString;
using qt::ParaU16;

}  // namespace

CaixaPergunta::CaixaPergunta(janelas::ModeloPergunta& modelo, QWidget* pai)
    : QLineEdit(pai), modelo_(modelo) {
    modelo_.Ligar(this);
    connect(this, &QLineEdit::cursorPositionChanged, this, &CaixaPergunta::RelatarSelecao);
    connect(this, &QLineEdit::selectionChanged, this, &CaixaPergunta::RelatarSelecao);
    // A text set on the widget from outside (a screen reader's tools, a
    // test) is typed into the box like a paste over the whole text.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& texto) {
        if (!espelhando_) {
            modelo_.TextoDeFora(ParaU16(texto));
        }
    });
    Mostrar(modelo_);
}

CaixaPergunta::~CaixaPergunta() {
    modelo_.Ligar(nullptr);
}

toolkit::Tecla CaixaPergunta::TeclaDoEvento(const QKeyEvent& evento) {
    switch (evento.key()) {
        // On X11 Delete carries "\x7f" and Ctrl+Tab "\t": they still bring
        // no character, the box acts on them itself.
        case Qt::Key_Delete:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Insert:
            return {};
        case Qt::Key_Backspace:
            return {toolkit::teclas::Backspace};
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return {toolkit::teclas::Enter};
        case Qt::Key_Escape:
            return {toolkit::teclas::Escape};
        default:
            break;
    }
    // Ctrl+letter is its control character (Ctrl+A is 1), as X11 and
    // Windows deliver it; some platforms send the plain letter instead.
    const Qt::KeyboardModifiers mods = evento.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (mods == Qt::ControlModifier && evento.key() >= Qt::Key_A && evento.key() <= Qt::Key_Z) {
        return {static_cast<char16_t>(evento.key() - Qt::Key_A + 1)};
    }
    return ParaU16(evento.text());
}

void CaixaPergunta::keyPressEvent(QKeyEvent* evento) {
    evento->accept();  // Escape, swallowed or not, goes no further: the window has no cancel button
    // Word deletions first: Ctrl+Backspace also carries Backspace's code.
    if (evento->matches(QKeySequence::DeleteStartOfWord)) {
        modelo_.ApagarAtras(toolkit::Alcance::Palavra);
        return;
    }
    if (evento->matches(QKeySequence::DeleteEndOfWord)) {
        modelo_.ApagarAFrente(toolkit::Alcance::Palavra);
        return;
    }
    const toolkit::Tecla tecla = TeclaDoEvento(*evento);
    if (!tecla.empty()) {
        modelo_.Teclar(tecla);
    } else if (evento->matches(QKeySequence::Paste)) {
        modelo_.Colar();
    } else if (evento->matches(QKeySequence::Cut)) {
        modelo_.Recortar();
    } else if (evento->matches(QKeySequence::Copy)) {
        modelo_.Copiar();
    } else if (evento->key() == Qt::Key_Delete && evento->modifiers() == Qt::NoModifier) {
        modelo_.ApagarAFrente();
    } else {
        // Caret and selection keys; whatever the widget would do to its
        // text on its own is undone by showing the model again.
        espelhando_ = true;
        QLineEdit::keyPressEvent(evento);
        espelhando_ = false;
        evento->accept();
        RelatarSelecao();
        Mostrar(modelo_);
    }
}

void CaixaPergunta::inputMethodEvent(QInputMethodEvent* evento) {
    const QString confirmado = evento->commitString();
    if (evento->replacementLength() != 0) {
        const auto inicio =
            static_cast<std::size_t>(std::max(0, cursorPosition() + evento->replacementStart()));
        modelo_.Substituir(inicio, inicio + static_cast<std::size_t>(evento->replacementLength()),
                           ParaU16(confirmado));
    } else if (!confirmado.isEmpty()) {
        modelo_.Inserir(ParaU16(confirmado));
    }
    // What is still being composed shows only outside a capture; an empty
    // pre-edit also clears one that was showing.
    const bool mostrar = !modelo_.Velada();
    QInputMethodEvent resto(mostrar ? evento->preeditString() : QString(),
                            mostrar ? evento->attributes() : QList<QInputMethodEvent::Attribute>{});
    QLineEdit::inputMethodEvent(&resto);
    evento->accept();
}

// The box's own menu, in the program's language, through the model. None
// while the box is veiled: it would offer the phrase's letters to the
// clipboard.
void CaixaPergunta::contextMenuEvent(QContextMenuEvent* evento) {
    evento->accept();
    if (modelo_.Velada()) {
        return;
    }
    QMenu menu(this);
    const bool selecionado = modelo_.Inicio() != modelo_.Fim();
    auto* m = &modelo_;
    namespace legendas = janelas::menu;
    menu.addAction(ParaQString(legendas::Recortar), [m] { m->Recortar(); })->setEnabled(selecionado);
    menu.addAction(ParaQString(legendas::Copiar), [m] { m->Copiar(); })->setEnabled(selecionado);
    menu.addAction(ParaQString(legendas::Colar), [m] { m->Colar(); });
    menu.addAction(ParaQString(legendas::Excluir), [m] { m->ApagarIntervalo(m->Inicio(), m->Fim()); })
        ->setEnabled(selecionado);
    menu.addSeparator();
    menu.addAction(ParaQString(legendas::SelecionarTudo), [m] { m->Selecionar(0, m->Texto().size()); });
    menu.exec(evento->globalPos());
}

void CaixaPergunta::mouseReleaseEvent(QMouseEvent* evento) {
    // The middle button pastes the X11 selection: through the model too.
    if (evento->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        const auto onde = static_cast<std::size_t>(cursorPositionAt(evento->position().toPoint()));
        modelo_.Selecionar(onde, onde);
        modelo_.Inserir(ParaU16(QGuiApplication::clipboard()->text(QClipboard::Selection)));
        evento->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(evento);
}

void CaixaPergunta::dragEnterEvent(QDragEnterEvent* evento) {
    if (evento->mimeData()->hasText() && !modelo_.Travada()) {
        evento->acceptProposedAction();
    } else {
        evento->ignore();
    }
}

void CaixaPergunta::dropEvent(QDropEvent* evento) {
    const auto onde = static_cast<std::size_t>(cursorPositionAt(evento->position().toPoint()));
    modelo_.Selecionar(onde, onde);
    modelo_.Inserir(ParaU16(evento->mimeData()->text()));
    evento->setDropAction(Qt::CopyAction);
    evento->accept();
}

void CaixaPergunta::Mostrar(const janelas::ModeloPergunta& modelo) {
    espelhando_ = true;
    const int agora = cursorPosition();
    const auto diferencas = modelo.Comparar(
        ParaU16(text()), static_cast<std::size_t>(hasSelectedText() ? selectionStart() : agora),
        static_cast<std::size_t>(hasSelectedText() ? selectionEnd() : agora),
        static_cast<std::size_t>(agora));
    if (diferencas.texto) {
        setText(ParaQString(modelo.Texto()));
    }
    const auto ancora = static_cast<int>(modelo.Ancora());
    const auto cursor = static_cast<int>(modelo.Cursor());
    if (diferencas.selecao && ancora == cursor) {
        setCursorPosition(cursor);
    } else if (diferencas.selecao) {
        setSelection(ancora, cursor - ancora);
    }
    // Locked, the widget takes no typing of its own, but its key events
    // still reach the filter through keyPressEvent; a read-only QLineEdit
    // turns its input method off, and composed characters (dead keys) must
    // reach the filter too.
    setReadOnly(modelo.Travada());
    setAttribute(Qt::WA_InputMethodEnabled, true);
    espelhando_ = false;
}

void CaixaPergunta::Focar() {
    setFocus(Qt::OtherFocusReason);
}

void CaixaPergunta::RelatarSelecao() {
    if (espelhando_) {
        return;
    }
    const int cursor = cursorPosition();
    const int inicio = hasSelectedText() ? selectionStart() : cursor;
    const int fim = hasSelectedText() ? selectionEnd() : cursor;
    modelo_.SelecaoLida(static_cast<std::size_t>(inicio), static_cast<std::size_t>(fim), inicio == cursor);
}

std::u16string CaixaPergunta::AreaDeTransferencia() {
    return ParaU16(QGuiApplication::clipboard()->text());
}

void CaixaPergunta::ParaAreaDeTransferencia(std::u16string_view texto) {
    QGuiApplication::clipboard()->setText(ParaQString(texto));
}

}  // namespace morvantis::qt
