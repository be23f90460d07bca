#pragma once

// The Win32 side of the controls' boundary: thin adaptors from the game
// logic's operations to an EDIT, a BUTTON and a window timer.

#include <windows.h>

#include <functional>

#include "Compasso.h"
#include "Kit.h"
#include "toolkit/Toolkit.h"

namespace morvantis::win32 {

// A multi-line box. Windows' multi-line EDIT asks for every key, Tab and
// Enter and Escape too, which keeps the focus there for good; this one
// leaves those to the window, so Tab and Shift+Tab move on from it. A
// read-only one shows no caret: nothing can be typed there, and the
// window's mark shows the focus.
class Caixa final : public toolkit::Caixa {
public:
    explicit Caixa(HWND caixa);

    [[nodiscard]] std::u16string Texto() const override;
    void DefinirTexto(const std::u16string& texto) override;
    void DefinirCursor(std::size_t posicao) override;
    void Travar(bool travada) override;
    void Focar() override;

private:
    HWND caixa_;
};

class Botao final : public toolkit::Botao {
public:
    explicit Botao(HWND botao) : botao_(botao) {}

    void Habilitar(bool habilitado) override;
    void Focar() override;

private:
    HWND botao_;
};

// A window timer whose WM_TIMER ticks come through the thread's message
// queue like keys and clicks.
//
// Windows rounds a timer's period up to the system clock's tick, 15.6 ms by
// default, which would stretch a 10 ms reveal of 60 characters to 0.94 s.
// While it runs, the timer asks for a 1 ms clock (timeBeginPeriod), which
// makes the period 10 ms; and each WM_TIMER gives every tick the schedule
// counts as due since the last, so the whole reveal keeps the pace of the
// clock rather than drifting by each tick's lateness. winmm.dll, which
// asks for the clock, is loaded with the timer's window, not imported:
// loading it (and the COM libraries it needs) delayed the entry window,
// and loading it at the first tick would delay the first character.
class Temporizador final : public janelas::TemporizadorVivo {
public:
    Temporizador(HWND janela, UINT_PTR id, int intervaloMs);
    ~Temporizador() override;
    Temporizador(const Temporizador&) = delete;
    Temporizador& operator=(const Temporizador&) = delete;

    void Habilitar(bool ligado) override;
    void AoPulsar(std::function<void()> handler) override { handler_ = std::move(handler); }
    [[nodiscard]] UINT_PTR Id() const { return id_; }
    // The window's WM_TIMER for this timer.
    void Pulsar();

private:
    using Periodo = UINT(WINAPI*)(UINT);

    HWND janela_;
    UINT_PTR id_;
    janelas::Compasso compasso_;
    HMODULE winmm_ = nullptr;
    Periodo pedirRelogio_ = nullptr;
    Periodo largarRelogio_ = nullptr;
    std::function<void()> handler_;
};

}  // namespace morvantis::win32
