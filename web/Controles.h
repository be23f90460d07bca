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
#include "Kit.h"
#include "toolkit/Toolkit.h"

namespace morvantis::web {

// A text box the page edits itself: the multi-line ones (the answer, the
// help text).
class Caixa final : public toolkit::Caixa {
public:
    explicit Caixa(emscripten::val elemento) : elemento_(std::move(elemento)) {}
    ~Caixa() override;
    Caixa(const Caixa&) = delete;
    Caixa& operator=(const Caixa&) = delete;

    [[nodiscard]] std::u16string Texto() const override;
    void DefinirTexto(const std::u16string& texto) override;
    void DefinirCursor(std::size_t posicao) override;
    void Travar(bool travada) override;
    void Focar() override;

private:
    static int AoTopo(double agora, void* caixa);

    emscripten::val elemento_;
    long quadro_ = 0;
};

class Botao final : public toolkit::Botao {
public:
    explicit Botao(emscripten::val elemento) : elemento_(std::move(elemento)) {}

    void Habilitar(bool habilitado) override;
    void Focar() override;

private:
    emscripten::val elemento_;
};

// Ticks on the shared schedule (janelas::Compasso): each timeout runs every
// tick that is due by then, so a page slowed down or busy drawing still
// types a reveal of n characters in n intervals.
class Temporizador final : public janelas::TemporizadorVivo {
public:
    explicit Temporizador(int intervaloMs) : compasso_(intervaloMs) {}
    ~Temporizador() override;
    Temporizador(const Temporizador&) = delete;
    Temporizador& operator=(const Temporizador&) = delete;

    void Habilitar(bool habilitado) override;
    void AoPulsar(std::function<void()> handler) override { handler_ = std::move(handler); }

private:
    static void Pulsar(void* temporizador);
    void Agendar();

    janelas::Compasso compasso_;
    std::function<void()> handler_;
    long pendente_ = 0;
};

}  // namespace morvantis::web
