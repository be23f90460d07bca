#pragma once

// The browser side of the controls' boundary: thin adaptors from the game
// logic's operations to DOM elements, and the reveal's timer. Texts cross to
// the page as std::u16string, which embind carries unit for unit, so an
// accent or a surrogate pair arrives as it left.

#include <emscripten/val.h>

#include <cstdint>
#include <functional>
#include <string>

#include "Compasso.h"
#include "toolkit/Toolkit.h"

namespace morvantis::web {

// A text box the page edits itself: the multi-line ones (the answer, the
// help text).
class CaixaWeb final : public toolkit::TextBox {
public:
    explicit CaixaWeb(emscripten::val elemento) : elemento_(std::move(elemento)) {}
    ~CaixaWeb() override;
    CaixaWeb(const CaixaWeb&) = delete;
    CaixaWeb& operator=(const CaixaWeb&) = delete;

    [[nodiscard]] std::u16string Text() const override;
    void SetText(const std::u16string& texto) override;
    void SetCaret(std::size_t posicao) override;
    void SetLocked(bool travada) override;
    void SetFocus() override;

private:
    static int AoTopo(double agora, void* caixa);

    emscripten::val elemento_;
    long quadro_ = 0;
};

class BotaoWeb final : public toolkit::Button {
public:
    explicit BotaoWeb(emscripten::val elemento) : elemento_(std::move(elemento)) {}

    void SetEnabled(bool habilitado) override;
    void SetFocus() override;

private:
    emscripten::val elemento_;
};

// Ticks on the shared schedule (janelas::Compasso): each timeout runs every
// tick that is due by then, so a page slowed down or busy drawing still
// types a reveal of n characters in n intervals.
class TemporizadorWeb final : public toolkit::Timer {
public:
    explicit TemporizadorWeb(int intervaloMs) : compasso_(intervaloMs) {}
    ~TemporizadorWeb() override;
    TemporizadorWeb(const TemporizadorWeb&) = delete;
    TemporizadorWeb& operator=(const TemporizadorWeb&) = delete;

    void SetEnabled(bool habilitado) override;
    void AoPulsar(std::function<void()> handler) { handler_ = std::move(handler); }

private:
    static void Pulsar(void* temporizador);
    void Agendar();

    janelas::Compasso compasso_;
    std::function<void()> handler_;
    long pendente_ = 0;
};

}  // namespace morvantis::web
