#include "Geometria.h"
#include "Janela.h"

// Painting a window: its frame, its controls' colours and the mark around
// the control with the focus.

namespace morvantis::win32 {

namespace {

using janelas::Controle;
using janelas::Tipo;

}  // namespace

LRESULT Janela::Colorir(HDC dc, HWND controle) {
    using janelas::Uso;
    const bool hc = altoContraste_;
    const COLORREF chao = Colorref(Descricao().fundo, Uso::Fundo, hc);
    const Vivo* v = Achar(controle);
    if (v == nullptr) {
        return reinterpret_cast<LRESULT>(pinceis_.De(chao));
    }
    const Controle& c = *v->descricao;
    switch (c.tipo) {
        case Tipo::Caixa: {
            // The same colours locked or not: a read-only EDIT asks with
            // WM_CTLCOLORSTATIC and would otherwise turn grey.
            const COLORREF fundo = Colorref(janelas::FundoDe(c), Uso::Fundo, hc);
            SetTextColor(dc, Colorref(janelas::TextoDe(c), Uso::Texto, hc));
            SetBkColor(dc, fundo);
            return reinterpret_cast<LRESULT>(pinceis_.De(fundo));
        }
        case Tipo::Rotulo:
            // Transparent: the window's ground shows around the letters.
            SetTextColor(dc, Colorref(janelas::TextoDe(c), Uso::Texto, hc));
            SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<LRESULT>(pinceis_.De(chao));
        case Tipo::Linha:
            return reinterpret_cast<LRESULT>(pinceis_.De(Colorref(janelas::TextoDe(c), Uso::Texto, hc)));
        case Tipo::Botao:
        case Tipo::Imagem:
        case Tipo::Temporizador:
            break;
    }
    SetBkColor(dc, chao);
    return reinterpret_cast<LRESULT>(pinceis_.De(chao));
}

// The dialog frame ring by ring, each janelas::AnelEmPixels wide at this DPI:
// in the classic shades (Windows and Wine would draw it in the desktop's own
// greys), or the high-contrast theme's.
void Janela::PintarMoldura() {
    RECT fora{};
    GetWindowRect(hwnd_, &fora);
    const int n = janelas::AnelEmPixels(EscalaDe(dpi_));
    RECT anel{0, 0, fora.right - fora.left, fora.bottom - fora.top};
    HDC dc = GetWindowDC(hwnd_);
    for (const janelas::Anel& cores : janelas::AneisMoldura) {
        HBRUSH claro = pinceis_.De(Colorref(cores.claro, altoContraste_));
        HBRUSH escuro = pinceis_.De(Colorref(cores.escuro, altoContraste_));
        const RECT topo{anel.left, anel.top, anel.right, anel.top + n};
        const RECT esquerda{anel.left, anel.top, anel.left + n, anel.bottom};
        const RECT base{anel.left, anel.bottom - n, anel.right, anel.bottom};
        const RECT direita{anel.right - n, anel.top, anel.right, anel.bottom};
        FillRect(dc, &topo, claro);
        FillRect(dc, &esquerda, claro);
        FillRect(dc, &base, escuro);
        FillRect(dc, &direita, escuro);
        InflateRect(&anel, -n, -n);
    }
    ReleaseDC(hwnd_, dc);
}

RECT Janela::MarcaDe(HWND controle) const {
    RECT r{};
    GetWindowRect(controle, &r);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
    const int n = 2 * janelas::AnelEmPixels(EscalaDe(dpi_));
    InflateRect(&r, n, n);
    return r;
}

// janelas::CorMarcaFoco's ring around the control with the focus, on the
// window's ground.
void Janela::PintarMarcaDeFoco(HDC dc) {
    HWND foco = GetFocus();
    const Vivo* v = foco != nullptr ? Achar(foco) : nullptr;
    if (v == nullptr || !v->descricao->TomaFoco()) {
        return;
    }
    const RECT fora = MarcaDe(foco);
    const int n = janelas::AnelEmPixels(EscalaDe(dpi_));
    HBRUSH cor = pinceis_.De(
        Colorref(altoContraste_ ? janelas::NoAltoContraste(janelas::Uso::Texto) : janelas::CorMarcaFoco,
                 altoContraste_));
    const RECT lados[] = {{fora.left, fora.top, fora.right, fora.top + n},
                          {fora.left, fora.bottom - n, fora.right, fora.bottom},
                          {fora.left, fora.top, fora.left + n, fora.bottom},
                          {fora.right - n, fora.top, fora.right, fora.bottom}};
    for (const RECT& lado : lados) {
        FillRect(dc, &lado, cor);
    }
}

}  // namespace morvantis::win32
