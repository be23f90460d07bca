#pragma once

// The Qt side of the controls' boundary: thin adaptors from the game logic's
// operations to Qt widgets. This is the only place where std::u16string
// becomes QString and back.

#include <QElapsedTimer>
#include <QString>
#include <QTextCursor>
#include <functional>
#include <string>
#include <string_view>

#include "Compasso.h"
#include "Kit.h"
#include "toolkit/Toolkit.h"

class QPushButton;
class QTimer;

namespace morvantis::qt {

[[nodiscard]] QString ParaQString(std::u16string_view texto);
[[nodiscard]] std::u16string ParaU16(const QString& texto);

// A multi-line box (QTextEdit or QPlainTextEdit).
template <typename Edicao>
class Caixa final : public toolkit::Caixa {
public:
    explicit Caixa(Edicao& caixa) : caixa_(caixa) {}

    [[nodiscard]] std::u16string Texto() const override { return ParaU16(caixa_.toPlainText()); }
    // A box that centres its lines does so through its document's default
    // text option, which survives setPlainText.
    void DefinirTexto(const std::u16string& texto) override { caixa_.setPlainText(ParaQString(texto)); }
    void DefinirCursor(std::size_t posicao) override {
        QTextCursor cursor = caixa_.textCursor();
        const auto tamanho = static_cast<std::size_t>(caixa_.toPlainText().size());
        cursor.setPosition(static_cast<int>(posicao < tamanho ? posicao : tamanho));
        caixa_.setTextCursor(cursor);
    }
    void Travar(bool travada) override { caixa_.setReadOnly(travada); }
    void Focar() override { caixa_.setFocus(Qt::OtherFocusReason); }

private:
    Edicao& caixa_;
};

class Botao final : public toolkit::Botao {
public:
    explicit Botao(QPushButton& botao) : botao_(botao) {}

    void Habilitar(bool habilitado) override;
    void Focar() override;

private:
    QPushButton& botao_;
};

// Runs its handler as many times as the schedule says are due at each of
// the QTimer's wakes, so a late wake catches up.
class Temporizador final : public janelas::TemporizadorVivo {
public:
    explicit Temporizador(QTimer& timer);

    void Habilitar(bool habilitado) override;
    void AoPulsar(std::function<void()> handler) override { handler_ = std::move(handler); }

private:
    void Pulsar();

    QTimer& timer_;
    janelas::Compasso compasso_;
    QElapsedTimer relogio_;
    std::function<void()> handler_;
};

}  // namespace morvantis::qt
