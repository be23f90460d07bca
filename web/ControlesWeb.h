#pragma once

// The browser side of the controls' boundary: thin adaptors from the game
// logic's operations to DOM elements, and the reveal's timer. Texts cross to
// the page as std::u16string, which embind carries unit for unit, so an
// accent or a surrogate pair arrives as it left.

#include <emscripten/val.h>

#include <cstdint>
#include <functional>
#include <string>

#include "toolkit/Toolkit.h"

namespace morvantis::web {

// A text box the page edits itself: the multi-line ones (the answer, the
// help text).
class CaixaWeb final : public toolkit::TextBox {
public:
    explicit CaixaWeb(emscripten::val elemento) : elemento_(std::move(elemento)) {}

    [[nodiscard]] std::u16string Text() const override;
    void SetText(const std::u16string& texto) override;
    void SetCaret(std::size_t posicao) override;
    void SetLocked(bool travada) override;
    void SetFocus() override;

private:
    emscripten::val elemento_;
};

class BotaoWeb final : public toolkit::Button {
public:
    explicit BotaoWeb(emscripten::val elemento) : elemento_(std::move(elemento)) {}

    void SetEnabled(bool habilitado) override;
    void SetFocus() override;

private:
    emscripten::val elemento_;
};

// Ticks every interval, measured from the moment it was enabled rather than
// from the previous tick: the page's timers fire a little late each time, and
// a chain of plain timeouts would stretch a 60-character reveal by that much
// per tick. A tick found late is followed at once by the next one, each still
// its own task of the page's event loop.
class TemporizadorWeb final : public toolkit::Timer {
public:
    explicit TemporizadorWeb(int intervaloMs) : intervaloMs_(intervaloMs > 0 ? intervaloMs : 1) {}
    ~TemporizadorWeb() override;
    TemporizadorWeb(const TemporizadorWeb&) = delete;
    TemporizadorWeb& operator=(const TemporizadorWeb&) = delete;

    void SetEnabled(bool habilitado) override;
    void AoPulsar(std::function<void()> handler) { handler_ = std::move(handler); }

private:
    static void Pulsar(void* temporizador);
    void Agendar();

    double intervaloMs_;
    std::function<void()> handler_;
    bool ligado_ = false;
    double inicio_ = 0;
    std::int64_t pulsos_ = 0;
    long pendente_ = 0;
};

}  // namespace morvantis::web
