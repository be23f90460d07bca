#include "QtToolkit.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace morvantis::qt {

QString ParaQString(std::u16string_view texto) {
    return QString::fromUtf16(texto.data(), static_cast<qsizetype>(texto.size()));
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

}  // namespace morvantis::qt
