#include <algorithm>
#include <cstdint>
#include <vector>

#include "Figuras.h"
#include "Geometria.h"
#include "Janela.h"
#include "KitWin32.h"
#include "TextoLargo.h"

// Building a window's real controls from its description, and placing
// them at the window's DPI.

namespace morvantis::win32 {

namespace {

using janelas::Controle;
using janelas::Tipo;

// A picture's resource is named after its file (win32/recursos.rc); the
// lookup ignores case.
std::wstring Recurso(janelas::Figura figura) {
    const std::string_view nome = janelas::NomeFigura(figura);
    return {nome.begin(), nome.end()};
}

// A picture at the scale of the layout: its own pixels at 96 dpi, and at
// any other scale each of its pixels a block of whole device pixels
// (janelas::PixelDeOrigem), never smoothed. Windows' own stretching smooths
// at 125 % and 150 % (HALFTONE) or, without it, drops rows unevenly.
HBITMAP Figura(HINSTANCE instancia, janelas::Figura figura, UINT dpi) {
    const std::wstring nome = Recurso(figura);
    auto* original = !nome.empty()
                         ? static_cast<HBITMAP>(LoadImageW(instancia, nome.c_str(), IMAGE_BITMAP, 0, 0, 0))
                         : nullptr;
    if (original == nullptr || dpi == USER_DEFAULT_SCREEN_DPI) {
        return original;
    }
    BITMAP bm{};
    GetObjectW(original, sizeof bm, &bm);
    const double escala = EscalaDe(dpi);
    const int largura = janelas::EmPixels(bm.bmWidth, escala);
    const int altura = janelas::EmPixels(bm.bmHeight, escala);
    // Both as 32-bit rows from the top down.
    BITMAPINFO formato{};
    formato.bmiHeader = {sizeof(BITMAPINFOHEADER), bm.bmWidth, -bm.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> origem(static_cast<std::size_t>(bm.bmWidth) * bm.bmHeight);
    HDC tela = GetDC(nullptr);
    GetDIBits(tela, original, 0, static_cast<UINT>(bm.bmHeight), origem.data(), &formato, DIB_RGB_COLORS);
    formato.bmiHeader.biWidth = largura;
    formato.bmiHeader.biHeight = -altura;
    void* bits = nullptr;
    HBITMAP ampliada = CreateDIBSection(tela, &formato, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, tela);
    DeleteObject(original);
    if (ampliada == nullptr) {
        return nullptr;
    }
    auto* destino = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < altura; ++y) {
        const std::uint32_t* linha =
            origem.data() +
            static_cast<std::size_t>(janelas::PixelDeOrigem(y, altura, bm.bmHeight)) * bm.bmWidth;
        for (int x = 0; x < largura; ++x) {
            *destino++ = linha[janelas::PixelDeOrigem(x, largura, bm.bmWidth)];
        }
    }
    return ampliada;
}

HWND Filho(HWND pai, const wchar_t* classe, std::u16string_view texto, DWORD estilo, DWORD estendido,
           int id) {
    return CreateWindowExW(estendido, classe, ParaWide(texto).c_str(), estilo, 0, 0, 0, 0, pai,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                           nullptr);
}

DWORD EstiloCaixa(const Controle& c) {
    DWORD estilo = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    estilo |= c.alinhamento == janelas::Alinhamento::Centro ? ES_CENTER : ES_LEFT;
    if (c.multiLinha) {
        estilo |= ES_MULTILINE | ES_AUTOVSCROLL;
        estilo |= c.barraVertical ? WS_VSCROLL : 0;
        estilo |= c.quebraLinhas ? 0 : ES_AUTOHSCROLL;
    } else {
        estilo |= ES_AUTOHSCROLL;
    }
    return estilo | (c.travado ? ES_READONLY : 0);
}

}  // namespace

void Janela::Criar(const Controle& c, int id) {
    Vivo v{&c, nullptr, id};
    constexpr DWORD Visivel = WS_CHILD | WS_VISIBLE;
    switch (c.tipo) {
        case Tipo::Botao:
            // BS_NOTIFY: the window hears when the button takes and loses the
            // focus, and makes it the default push button meanwhile.
            v.hwnd = Filho(
                hwnd_, L"BUTTON", c.texto,
                Visivel | WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY | (c.habilitado ? 0 : WS_DISABLED), 0, id);
            Registrar(c, std::make_unique<win32::Botao>(v.hwnd));
            break;
        case Tipo::Caixa:
            // A screen reader names an EDIT after the label just before it in
            // the z-order, as it does a dialog's: a hidden STATIC holds the
            // box's name there.
            Filho(hwnd_, L"STATIC", c.NomeAcessivel(), WS_CHILD | SS_NOPREFIX, 0, -1);
            v.hwnd = Filho(hwnd_, L"EDIT", c.texto, EstiloCaixa(c), WS_EX_CLIENTEDGE, id);
            if (c.maximoCaracteres > 0) {
                SendMessageW(v.hwnd, EM_SETLIMITTEXT, static_cast<WPARAM>(c.maximoCaracteres), 0);
            }
            if (c.multiLinha) {
                Registrar(c, std::make_unique<win32::Caixa>(v.hwnd));
            } else {
                perguntas_.push_back(std::make_unique<CaixaPergunta>(v.hwnd, NovoModelo(c)));
            }
            break;
        case Tipo::Rotulo:
            v.hwnd = Filho(hwnd_, L"STATIC", c.texto,
                           Visivel | SS_NOPREFIX | (c.quebraLinhas ? SS_LEFT : SS_LEFTNOWORDWRAP), 0, id);
            break;
        case Tipo::Imagem:
            v.hwnd = Filho(hwnd_, L"STATIC", {}, Visivel | SS_BITMAP, 0, id);
            break;
        case Tipo::Linha:
            v.hwnd = Filho(hwnd_, L"STATIC", {}, Visivel, 0, id);
            break;
        case Tipo::Temporizador:
            temporizadores_.push_back(
                &Registrar(c, std::make_unique<win32::Temporizador>(hwnd_, id, c.intervaloMs)));
            break;
    }
    controles_.push_back(v);
}

void Janela::Dispor(UINT dpi) {
    dpi_ = dpi;
    HDC dc = GetDC(hwnd_);
    for (Vivo& v : controles_) {
        if (v.hwnd == nullptr) {
            continue;
        }
        const Controle& c = *v.descricao;
        HFONT fonte = fontes_.De(Descricao().FonteDe(c), dpi);
        SendMessageW(v.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fonte), FALSE);
        const int x = Escalar(c.area.x, dpi);
        const int y = Escalar(c.area.y, dpi);
        int largura = Escalar(c.area.largura, dpi);
        int altura = Escalar(c.area.altura, dpi);
        if (c.tipo == Tipo::Rotulo && c.ajustaAoTexto) {
            const std::wstring texto = ParaWide(c.texto);
            HGDIOBJ antiga = SelectObject(dc, fonte);
            RECT medida{};
            DrawTextW(dc, texto.c_str(), static_cast<int>(texto.size()), &medida,
                      DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
            SelectObject(dc, antiga);
            largura = medida.right;
            altura = medida.bottom;
        } else if (c.tipo == Tipo::Imagem) {
            HBITMAP antiga = v.figura;
            v.figura = Figura(kit_.Instancia(), c.figura, dpi);
            SendMessageW(v.hwnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(v.figura));
            if (antiga != nullptr) {
                DeleteObject(antiga);
            }
            BITMAP bm{};
            if (v.figura != nullptr && GetObjectW(v.figura, sizeof bm, &bm) != 0) {
                largura = bm.bmWidth;
                altura = bm.bmHeight;
            }
        } else if (c.tipo == Tipo::Linha) {
            altura = std::max(1, altura);
        }
        SetWindowPos(v.hwnd, nullptr, x, y, largura, altura, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ReleaseDC(hwnd_, dc);
    fontes_.ManterSo(dpi);
    // The frame is the window's own (WM_NCCALCSIZE), three rings at this DPI.
    const int moldura = janelas::MolduraEmPixels(EscalaDe(dpi));
    SetWindowPos(hwnd_, nullptr, 0, 0, Escalar(Descricao().cliente.largura, dpi) + 2 * moldura,
                 Escalar(Descricao().cliente.altura, dpi) + 2 * moldura,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

// Centred on the screen it is on, the taskbar ignored, as the windows were
// always placed.
void Janela::Centrar() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT janela{};
    GetWindowRect(hwnd_, &janela);
    const RECT& tela = monitor.rcMonitor;
    const int x = tela.left + janelas::Centrado(tela.right - tela.left, janela.right - janela.left);
    const int y = tela.top + janelas::Centrado(tela.bottom - tela.top, janela.bottom - janela.top);
    SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace morvantis::win32
