#pragma once

// The Qt side of the toolkit boundary: thin adaptors from the game logic's
// operations to Qt widgets. This is the only place where std::u16string
// becomes QString and back.

#include <QString>
#include <functional>
#include <string>

#include "toolkit/Toolkit.h"

class QLineEdit;
class QPushButton;
class QTextEdit;
class QTimer;

namespace morvantis::qt {

[[nodiscard]] QString ParaQString(const std::u16string& texto);
[[nodiscard]] std::u16string ParaU16(const QString& texto);

class LinhaTexto final : public toolkit::TextBox {
public:
    explicit LinhaTexto(QLineEdit& caixa) : caixa_(caixa) {}

    [[nodiscard]] std::u16string Text() const override;
    void SetText(const std::u16string& texto) override;
    void SetCaret(std::size_t posicao) override;
    void SetLocked(bool travada) override;
    void SetFocus() override;

private:
    QLineEdit& caixa_;
};

// A multi-line box whose every line is centred.
class AreaTexto final : public toolkit::TextBox {
public:
    explicit AreaTexto(QTextEdit& caixa) : caixa_(caixa) {}

    [[nodiscard]] std::u16string Text() const override;
    void SetText(const std::u16string& texto) override;
    void SetCaret(std::size_t posicao) override;
    void SetLocked(bool travada) override;
    void SetFocus() override;

private:
    QTextEdit& caixa_;
};

class Botao final : public toolkit::Button {
public:
    explicit Botao(QPushButton& botao) : botao_(botao) {}

    void SetEnabled(bool habilitado) override;
    void SetFocus() override;

private:
    QPushButton& botao_;
};

class Temporizador final : public toolkit::Timer {
public:
    explicit Temporizador(QTimer& timer) : timer_(timer) {}

    void SetEnabled(bool habilitado) override;

private:
    QTimer& timer_;
};

// Ends the program: every window leaves the screen and, from then on, no
// handler of the program runs, even for events already queued.
class Aplicacao final : public toolkit::Application {
public:
    void EndNow() override;
    [[nodiscard]] bool Encerrada() const { return encerrada_; }

private:
    bool encerrada_ = false;
};

}  // namespace morvantis::qt
