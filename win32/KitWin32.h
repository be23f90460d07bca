#pragma once

// The Windows side of the windows' boundary: creating a window from its
// description, the thread's message loops, the queue of deferred calls and
// the program's end.
//
// One user-interface thread: every event (keys, clicks, timer ticks, the
// deferred calls) comes through its message queue. A modal window runs a
// nested loop; WM_QUIT ends every loop, the nested ones first.

#include <windows.h>

#include <deque>
#include <functional>
#include <memory>

#include "Kit.h"

namespace morvantis::win32 {

class Kit final : public janelas::Kit {
public:
    explicit Kit(HINSTANCE instancia);
    ~Kit() override;
    Kit(const Kit&) = delete;
    Kit& operator=(const Kit&) = delete;

    [[nodiscard]] HINSTANCE Instancia() const { return instancia_; }
    // A hidden window that owns every window without another owner, so that
    // none is listed in the taskbar, and receives the deferred calls.
    [[nodiscard]] HWND Oculta() const { return oculta_; }

    std::unique_ptr<janelas::JanelaViva> Criar(const janelas::Janela& descricao,
                                               janelas::JanelaViva* dono) override;
    void Depois(std::function<void()> acao) override;
    void EncerrarJa() override;

    // Runs the thread's messages while `continuar` holds. Returns false once
    // WM_QUIT has come, which it posts again so that every enclosing loop
    // ends too.
    bool Rodar(const std::function<bool()>& continuar);
    // The program's own loop, until WM_QUIT; returns the exit status.
    int RodarAteOFim();
    // Which way the focus is moving: Atras while the dialog keys handle
    // Shift+Tab, Adiante otherwise.
    [[nodiscard]] janelas::Sentido Sentido() const { return sentido_; }

private:
    static LRESULT CALLBACK ProcedimentoOculta(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void Despachar(MSG& msg);

    HINSTANCE instancia_;
    ATOM classeJanela_ = 0;
    HWND oculta_ = nullptr;
    std::deque<std::function<void()>> fila_;
    bool encerrado_ = false;
    janelas::Sentido sentido_ = janelas::Sentido::Adiante;
};

}  // namespace morvantis::win32
