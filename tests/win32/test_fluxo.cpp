// The flow between the windows on Win32's message loops, and the timer:
// "Entrar" destroys the entry window before the main one shows, a modal
// window disables the one below until its "OK", "Sair" ends every loop
// with status 0, nothing but "Sair" closes a window, and a close request
// from outside ends the program as "Sair" does. Timer ticks come through the
// queue, late ones caught up, and stop the moment the timer is disabled.

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <vector>

#include "Janela.h"
#include "Janelas.h"
#include "KitWin32.h"
#include "Module1.h"
#include "Programa.h"

namespace {

using namespace morvantis;

HWND Hwnd(janelas::JanelaViva* janela) {
    return dynamic_cast<win32::Janela&>(*janela).Hwnd();
}

void Clicar(janelas::JanelaViva* janela, std::string_view botao) {
    SendMessageW(dynamic_cast<win32::Janela&>(*janela).HwndDe(botao), BM_CLICK, 0, 0);
}

// Alt+F4 and the system menu's Close; Escape only reaches IDCANCEL.
void TentarFechar(HWND janela) {
    SendMessageW(janela, WM_SYSCOMMAND, SC_CLOSE, 0);
    SendMessageW(janela, WM_CLOSE, 0, 0);
    SendMessageW(janela, WM_COMMAND, IDCANCEL, 0);
}

// The program started on the real Win32 kit, its entry window showing.
class Fluxo : public ::testing::Test {
protected:
    Fluxo() { programa.Iniciar(); }

    win32::Kit kit{GetModuleHandleW(nullptr)};
    GeradorPadrao gerador;
    Programa programa{kit, gerador};
};

TEST_F(Fluxo, EntrarHelpOkAndSairEndEveryLoopWithStatusZero) {
    HWND entrada = Hwnd(programa.Entrada());
    std::vector<std::string> passos;
    HWND principal = nullptr;

    kit.Depois([&] {
        TentarFechar(entrada);
        EXPECT_TRUE(IsWindowVisible(entrada));
        Clicar(programa.Entrada(), "CmdEntrar");
        EXPECT_FALSE(IsWindowVisible(entrada));
        passos.push_back("entrar");
        // Runs inside the main window's modal loop.
        kit.Depois([&] {
            EXPECT_FALSE(IsWindow(entrada));
            janelas::JanelaViva& jp = programa.Principal()->Janela();
            principal = Hwnd(&jp);
            EXPECT_TRUE(IsWindowVisible(principal));
            TentarFechar(principal);
            EXPECT_TRUE(IsWindowVisible(principal));
            jp.Caixa("TxtPergunta").DefinirTexto(u"<ajuda>");
            // Runs inside the help window's modal loop.
            kit.Depois([&] {
                janelas::JanelaViva* ajuda = programa.Principal()->Dialogo();
                ASSERT_NE(ajuda, nullptr);
                EXPECT_TRUE(IsWindowVisible(Hwnd(ajuda)));
                EXPECT_FALSE(IsWindowEnabled(principal));
                Clicar(ajuda, "CmdOK");
                EXPECT_FALSE(IsWindowVisible(Hwnd(ajuda)));
                passos.push_back("ok");
            });
            Clicar(&jp, "CmdPergunta");
            // The help window has closed: the main window takes input again,
            // the keys included.
            EXPECT_TRUE(IsWindowEnabled(principal));
            EXPECT_TRUE(IsChild(principal, GetFocus()));
            EXPECT_EQ(jp.Caixa("TxtPergunta").Texto(), u"");
            Clicar(&jp, "CmdSair");
            passos.push_back("sair");
        });
    });
    EXPECT_EQ(kit.RodarAteOFim(), 0);
    EXPECT_EQ(passos, (std::vector<std::string>{"entrar", "ok", "sair"}));
    ASSERT_NE(principal, nullptr);
    EXPECT_FALSE(IsWindowVisible(principal));
}

TEST_F(Fluxo, SairOnTheEntryWindowEndsWithoutAMainWindow) {
    HWND entrada = Hwnd(programa.Entrada());
    kit.Depois([&] { Clicar(programa.Entrada(), "CmdSair"); });
    EXPECT_EQ(kit.RodarAteOFim(), 0);
    EXPECT_FALSE(IsWindowVisible(entrada));
    EXPECT_EQ(programa.Principal(), nullptr);
}

// What taskkill without /F does: a WM_CLOSE posted to every top-level
// window of the program, the hidden owner of the others included.
void PedirQueTermine() {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND janela, LPARAM) -> BOOL {
            PostMessageW(janela, WM_CLOSE, 0, 0);
            return TRUE;
        },
        0);
}

// Asked to end from outside while the help window is open over the main
// one (two modal loops deep), the program ends as "Sair" ends it: every
// loop, with status 0, no window left on the screen. Never a loop left
// running with no window to end it.
TEST_F(Fluxo, ACloseRequestFromOutsideEndsEveryLoopWithStatusZero) {
    kit.Depois([&] {
        Clicar(programa.Entrada(), "CmdEntrar");
        kit.Depois([&] {
            janelas::JanelaViva& jp = programa.Principal()->Janela();
            jp.Caixa("TxtPergunta").DefinirTexto(u"<ajuda>");
            kit.Depois(PedirQueTermine);
            Clicar(&jp, "CmdPergunta");
        });
    });
    // Should the request leave the loop running, this ends it, with another
    // status.
    const UINT_PTR guarda =
        SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(99); });
    EXPECT_EQ(kit.RodarAteOFim(), 0);
    KillTimer(nullptr, guarda);
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND janela, LPARAM) -> BOOL {
            EXPECT_FALSE(IsWindowVisible(janela));
            return TRUE;
        },
        0);
}

class Temporizador : public ::testing::Test {
protected:
    void SetUp() override {
        viva_ = kit_.Criar(janelas::Principal, nullptr);
        viva_->AoPulsar("Timer", [this] {
            ++pulsos_;
            if (pulsos_ == parar_) {
                viva_->Temporizador("Timer").Habilitar(false);
            }
        });
        // Something in the queue now and then, so that a loop with nothing
        // to do still checks when to stop.
        SetTimer(kit_.Oculta(), 1, 5, nullptr);
    }
    void TearDown() override { KillTimer(kit_.Oculta(), 1); }

    void RodarPor(DWORD ms) {
        const ULONGLONG fim = GetTickCount64() + ms;
        kit_.Rodar([fim] { return GetTickCount64() < fim; });
    }

    win32::Kit kit_{GetModuleHandleW(nullptr)};
    std::unique_ptr<janelas::JanelaViva> viva_;
    int pulsos_ = 0;
    int parar_ = 3;
};

TEST_F(Temporizador, TicksComeThroughTheQueueAndStopWhenDisabled) {
    viva_->Temporizador("Timer").Habilitar(true);
    Sleep(100);
    EXPECT_EQ(pulsos_, 0);  // not while the thread does not read its queue
    RodarPor(200);
    // Late ticks are caught up, but none after the handler stopped it.
    EXPECT_EQ(pulsos_, parar_);
}

// Every tick due since the timer started is given at the next WM_TIMER,
// however late it comes, not one or two at a time.
TEST_F(Temporizador, ALateTickCatchesUpEveryTickDue) {
    parar_ = 1000;
    viva_->Temporizador("Timer").Habilitar(true);
    Sleep(100);
    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, Hwnd(viva_.get()), WM_TIMER, WM_TIMER, PM_REMOVE));
    DispatchMessageW(&msg);
    EXPECT_GE(pulsos_, 100 / janelas::Principal.Achar("Timer")->intervaloMs);
}

TEST_F(Temporizador, DisabledTimerRaisesNoTicks) {
    viva_->Temporizador("Timer").Habilitar(true);
    viva_->Temporizador("Timer").Habilitar(false);
    RodarPor(100);
    EXPECT_EQ(pulsos_, 0);
}

}  // namespace
