#pragma once

// A window description realised with the Windows API: a popup window with
// the dialog frame's three rings (each janelas::AnelEmPixels wide at its
// DPI) and no caption, its client area exactly the described size (scaled
// from 96 dpi), holding one real control for each described one: BUTTON,
// EDIT, or STATIC for labels, pictures and lines.
// Each control's id is its place in the description (IdDoControle), so
// tests and other processes find it with GetDlgItem.

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Aparencia.h"
#include "CaixaPergunta.h"
#include "Controles.h"
#include "Kit.h"

namespace morvantis::win32 {

class Kit;

class Janela final : public janelas::JanelaViva {
public:
    // The window class every described window shares.
    static constexpr wchar_t Classe[] = L"Morvantis.Janela";
    [[nodiscard]] static constexpr int IdDoControle(std::size_t indice) {
        return 100 + static_cast<int>(indice);
    }

    // `dono` owns the window: it keeps it above its owner and out of the
    // taskbar.
    Janela(Kit& kit, const janelas::Janela& descricao, HWND dono);
    // Destroys the window at once: its owner destroys it only once the
    // handler that closed it has returned.
    ~Janela() override;
    Janela(const Janela&) = delete;
    Janela& operator=(const Janela&) = delete;

    [[nodiscard]] HWND Hwnd() const { return hwnd_; }
    // The control of that described name, or nullptr.
    [[nodiscard]] HWND HwndDe(std::string_view nome) const;

    void AoClicar(std::string_view botao, std::function<void()> handler) override;
    void AoReceberFoco(std::string_view caixa, std::function<void(janelas::Sentido)> handler) override;

    void Mostrar() override;
    void MostrarModal(std::function<void()> aoFechar) override;
    void Fechar() override;

    static LRESULT CALLBACK Procedimento(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

private:
    struct Vivo {
        const janelas::Controle* descricao;
        HWND hwnd = nullptr;
        int id = 0;
        HBITMAP figura = nullptr;
    };

    // The window's messages, and its controls' notifications.
    LRESULT Tratar(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Comando(WPARAM wp, LPARAM lp);
    [[nodiscard]] bool Habilitado(const janelas::Controle& c) const override;
    void FocarControle(const janelas::Controle& c, janelas::Sentido sentido) override;
    [[nodiscard]] const Vivo* Achar(std::string_view nome) const;
    [[nodiscard]] const Vivo* Achar(HWND controle) const;

    // The controls built from the description (Construcao.cpp).
    void Criar(const janelas::Controle& c, int id);
    // Places every control, sizes and centres the window at `dpi`.
    void Dispor(UINT dpi);
    void Centrar();

    // The painting (Pintura.cpp).
    LRESULT Colorir(HDC dc, HWND controle);
    void PintarMoldura();
    // The ring around a control that has the focus, in client coordinates.
    [[nodiscard]] RECT MarcaDe(HWND controle) const;
    void PintarMarcaDeFoco(HDC dc);

    Kit& kit_;
    HWND hwnd_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    bool altoContraste_ = false;
    Pinceis pinceis_;
    Fontes fontes_;
    std::vector<Vivo> controles_;
    std::map<int, std::function<void()>> cliques_;
    std::map<int, std::function<void(janelas::Sentido)>> focos_;
    // The timers, whose WM_TIMER comes to the window.
    std::vector<win32::Temporizador*> temporizadores_;
    // The one-line boxes' EDITs, each showing its model.
    std::vector<std::unique_ptr<CaixaPergunta>> perguntas_;
    // The control that had the focus when the window was last deactivated.
    HWND foco_ = nullptr;
    // While shown modally: the windows it disabled, and whether it closed.
    std::vector<HWND> desabilitadas_;
    HWND focoAbaixo_ = nullptr;
    bool fechada_ = false;
};

}  // namespace morvantis::win32
