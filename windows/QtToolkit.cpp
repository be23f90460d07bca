#include "QtToolkit.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>

namespace morvantis::qt {

QString ParaQString(const std::u16string& texto) {
    return QString::fromStdU16String(texto);
}

std::u16string ParaU16(const QString& texto) {
    return texto.toStdU16String();
}

std::u16string LinhaTexto::Text() const {
    return ParaU16(caixa_.text());
}

void LinhaTexto::SetText(const std::u16string& texto) {
    caixa_.setText(ParaQString(texto));
}

void LinhaTexto::SetCaret(std::size_t posicao) {
    const auto tamanho = static_cast<std::size_t>(caixa_.text().size());
    caixa_.setCursorPosition(static_cast<int>(posicao < tamanho ? posicao : tamanho));
}

void LinhaTexto::SetLocked(bool travada) {
    caixa_.setReadOnly(travada);
    // A read-only QLineEdit turns its input method off; the key filter must
    // still see composed characters (dead keys) while the box is locked.
    caixa_.setAttribute(Qt::WA_InputMethodEnabled, true);
}

void LinhaTexto::SetFocus() {
    caixa_.setFocus(Qt::OtherFocusReason);
}

std::u16string AreaTexto::Text() const {
    return ParaU16(caixa_.toPlainText());
}

// The box centres its lines through its document's default text option,
// which survives setPlainText.
void AreaTexto::SetText(const std::u16string& texto) {
    caixa_.setPlainText(ParaQString(texto));
}

void AreaTexto::SetCaret(std::size_t posicao) {
    QTextCursor cursor = caixa_.textCursor();
    cursor.setPosition(static_cast<int>(std::min<std::size_t>(posicao, caixa_.toPlainText().size())));
    caixa_.setTextCursor(cursor);
}

void AreaTexto::SetLocked(bool travada) {
    caixa_.setReadOnly(travada);
}

void AreaTexto::SetFocus() {
    caixa_.setFocus(Qt::OtherFocusReason);
}

void Botao::SetEnabled(bool habilitado) {
    botao_.setEnabled(habilitado);
}

void Botao::SetFocus() {
    botao_.setFocus(Qt::OtherFocusReason);
}

void Temporizador::SetEnabled(bool habilitado) {
    if (habilitado) {
        timer_.start();
    } else {
        timer_.stop();
    }
}

void Aplicacao::EndNow() {
    if (encerrada_) {
        return;
    }
    encerrada_ = true;
    for (QWidget* janela : QApplication::topLevelWidgets()) {
        janela->hide();
    }
    // Leaves every running event loop, the modal ones included.
    QCoreApplication::exit(0);
}

}  // namespace morvantis::qt
