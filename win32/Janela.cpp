#include "Janela.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "Figuras.h"
#include "Geometria.h"
#include "KitWin32.h"
#include "TextoLargo.h"

namespace morvantis::win32 {

namespace {

using janelas::Controle;
using janelas::Tipo;

// No caption, no system menu: only the dialog frame, whose width the
// window sets itself (WM_NCCALCSIZE).
constexpr DWORD EstiloJanela = WS_POPUP | WS_DLGFRAME | WS_CLIPCHILDREN;
constexpr DWORD EstiloEstendido = WS_EX_CONTROLPARENT;
// The focus to the control in wParam.
constexpr UINT MensagemFocar = WM_APP + 1;

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

Janela::Janela(Kit& kit, const janelas::Janela& descricao, HWND dono) : kit_(kit), descricao_(descricao) {
    CreateWindowExW(EstiloEstendido, Classe, ParaWide(descricao.nomeAcessivel).c_str(), EstiloJanela, 0, 0, 0,
                    0, dono, nullptr, kit.Instancia(), this);
    if (hwnd_ == nullptr) {
        throw std::runtime_error("CreateWindowExW failed");
    }
    // The class's snowflake, as the window's own too: WM_GETICON answers
    // other programs (the task switcher, a screen reader) with it.
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, GetClassLongPtrW(hwnd_, GCLP_HICON));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, GetClassLongPtrW(hwnd_, GCLP_HICONSM));
    altoContraste_ = AltoContraste();
    for (std::size_t i = 0; i < descricao.controles.size(); ++i) {
        Criar(descricao.controles[i], IdDoControle(i));
    }
    Dispor(GetDpiForWindow(hwnd_));
}

Janela::~Janela() {
    perguntas_.clear();
    // Their window is going: they stop before it does.
    for (win32::Temporizador* temporizador : temporizadores_) {
        temporizador->Habilitar(false);
    }
    if (IsWindow(hwnd_)) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    for (const Vivo& v : controles_) {
        if (v.figura != nullptr) {
            DeleteObject(v.figura);
        }
    }
}

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
        HFONT fonte = fontes_.De(descricao_.FonteDe(c), dpi);
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
    SetWindowPos(hwnd_, nullptr, 0, 0, Escalar(descricao_.cliente.largura, dpi) + 2 * moldura,
                 Escalar(descricao_.cliente.altura, dpi) + 2 * moldura,
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

const Janela::Vivo* Janela::Achar(std::string_view nome) const {
    for (const Vivo& v : controles_) {
        if (v.descricao->nome == nome) {
            return &v;
        }
    }
    return nullptr;
}

const Janela::Vivo* Janela::Achar(HWND controle) const {
    for (const Vivo& v : controles_) {
        if (v.hwnd == controle) {
            return &v;
        }
    }
    return nullptr;
}

HWND Janela::HwndDe(std::string_view nome) const {
    const Vivo* v = Achar(nome);
    return v != nullptr ? v->hwnd : nullptr;
}

void Janela::AoClicar(std::string_view botao, std::function<void()> handler) {
    (void)Botao(botao);  // a button's name, or out_of_range
    cliques_[Achar(botao)->id] = std::move(handler);
}

void Janela::AoReceberFoco(std::string_view caixa, std::function<void(janelas::Sentido)> handler) {
    (void)Caixa(caixa);  // a box's name, or out_of_range
    focos_[Achar(caixa)->id] = std::move(handler);
}

bool Janela::Habilitado(const janelas::Controle& c) const {
    const Vivo* v = Achar(c.nome);
    return v != nullptr && v->hwnd != nullptr && IsWindowEnabled(v->hwnd) != FALSE;
}

void Janela::FocarVizinho(std::string_view de, janelas::Sentido sentido) {
    const Vivo* origem = Achar(de);
    const janelas::Controle* vizinho =
        origem != nullptr ? descricao_.Vizinho(*origem->descricao, sentido,
                                               [this](const janelas::Controle& c) { return Habilitado(c); })
                          : nullptr;
    // From the queue: the dialog keys that brought the focus here would
    // then take the default button from the one it moves on to.
    if (vizinho != nullptr) {
        PostMessageW(hwnd_, MensagemFocar, reinterpret_cast<WPARAM>(Achar(vizinho->nome)->hwnd), 0);
    }
}

void Janela::Mostrar() {
    Centrar();
    // The focus shows from the start, not only once a key has been used.
    SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    const janelas::Controle* primeiro =
        descricao_.PrimeiroFocavel([this](const janelas::Controle& c) { return Habilitado(c); });
    if (primeiro != nullptr) {
        SetFocus(Achar(primeiro->nome)->hwnd);
    }
    UpdateWindow(hwnd_);
}

void Janela::MostrarModal(std::function<void()> aoFechar) {
    desabilitadas_.clear();
    fechada_ = false;
    // Disabling the window below takes its focus away: it comes back there
    // when this one closes.
    focoAbaixo_ = GetFocus();
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND outra, LPARAM eu) -> BOOL {
            auto* janela = reinterpret_cast<Janela*>(eu);
            if (outra != janela->hwnd_ && IsWindowVisible(outra) && IsWindowEnabled(outra)) {
                janela->desabilitadas_.push_back(outra);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(this));
    for (HWND outra : desabilitadas_) {
        EnableWindow(outra, FALSE);
    }
    Mostrar();
    // The loop ends when this window closes (its object is destroyed only
    // later, from the queue) or when the program ends.
    kit_.Rodar([this] { return !fechada_; });
    if (aoFechar) {
        aoFechar();
    }
}

void Janela::Fechar() {
    // The windows below take input again before this one leaves, so that
    // Windows activates its owner rather than another program.
    for (HWND outra : desabilitadas_) {
        if (IsWindow(outra)) {
            EnableWindow(outra, TRUE);
        }
    }
    desabilitadas_.clear();
    ShowWindow(hwnd_, SW_HIDE);
    fechada_ = true;
    if (focoAbaixo_ != nullptr && IsWindow(focoAbaixo_) && IsWindowEnabled(focoAbaixo_)) {
        SetFocus(focoAbaixo_);
    }
    focoAbaixo_ = nullptr;
}

LRESULT CALLBACK Janela::Procedimento(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* eu = static_cast<Janela*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        eu->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(eu));
    }
    auto* eu = reinterpret_cast<Janela*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return eu != nullptr ? eu->Tratar(msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT Janela::Colorir(HDC dc, HWND controle) {
    using janelas::CorSistema;
    using janelas::Uso;
    const bool hc = altoContraste_;
    const COLORREF chao = Colorref(descricao_.fundo, CorSistema::FaceBotao, Uso::Fundo, hc);
    const Vivo* v = Achar(controle);
    if (v == nullptr) {
        return reinterpret_cast<LRESULT>(pinceis_.De(chao));
    }
    const Controle& c = *v->descricao;
    switch (c.tipo) {
        case Tipo::Caixa: {
            // The same colours locked or not: a read-only EDIT asks with
            // WM_CTLCOLORSTATIC and would otherwise turn grey.
            const COLORREF fundo = Colorref(c.corFundo, CorSistema::FundoJanela, Uso::Fundo, hc);
            SetTextColor(dc, Colorref(c.corTexto, CorSistema::TextoJanela, Uso::Texto, hc));
            SetBkColor(dc, fundo);
            return reinterpret_cast<LRESULT>(pinceis_.De(fundo));
        }
        case Tipo::Rotulo:
            // Transparent: the window's ground shows around the letters.
            SetTextColor(dc, Colorref(c.corTexto, CorSistema::TextoJanela, Uso::Texto, hc));
            SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<LRESULT>(pinceis_.De(chao));
        case Tipo::Linha:
            return reinterpret_cast<LRESULT>(
                pinceis_.De(Colorref(c.corTexto, CorSistema::TextoJanela, Uso::Texto, hc)));
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

// A control's own notifications: clicks, and the focus coming and going.
// The IDOK and IDCANCEL that the dialog keys send for Enter and Escape when
// no button has the focus press nothing.
LRESULT Janela::Comando(WPARAM wp, LPARAM lp) {
    auto* controle = reinterpret_cast<HWND>(lp);
    if (controle == nullptr) {
        return 0;
    }
    switch (HIWORD(wp)) {
        case BN_CLICKED:
            if (const auto it = cliques_.find(LOWORD(wp)); it != cliques_.end()) {
                const std::function<void()> handler = it->second;
                handler();
            }
            break;
        case BN_SETFOCUS:
        case BN_KILLFOCUS: {
            // The default push button follows the focus: Enter presses the
            // button that has it, and no other.
            SendMessageW(controle, BM_SETSTYLE, HIWORD(wp) == BN_SETFOCUS ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON,
                         TRUE);
            const RECT marca = MarcaDe(controle);
            InvalidateRect(hwnd_, &marca, TRUE);
            break;
        }
        case EN_SETFOCUS: {
            const RECT marca = MarcaDe(controle);
            InvalidateRect(hwnd_, &marca, TRUE);
            if (const auto it = focos_.find(LOWORD(wp)); it != focos_.end()) {
                const std::function<void(janelas::Sentido)> handler = it->second;
                handler(kit_.Sentido());
            }
            break;
        }
        case EN_KILLFOCUS: {
            const RECT marca = MarcaDe(controle);
            InvalidateRect(hwnd_, &marca, TRUE);
            break;
        }
        default:
            break;
    }
    return 0;
}

LRESULT Janela::Tratar(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_NCCALCSIZE: {
            // The client area inside the frame's three rings (wp TRUE: the
            // first rectangle of NCCALCSIZE_PARAMS, which starts with it).
            auto* area = reinterpret_cast<RECT*>(lp);
            const int moldura = janelas::MolduraEmPixels(EscalaDe(dpi_));
            InflateRect(area, -moldura, -moldura);
            return 0;
        }
        case WM_NCPAINT:
            PintarMoldura();
            return 0;
        case WM_NCACTIVATE: {
            // The default handling draws the frame again for the new state.
            const LRESULT resultado = DefWindowProcW(hwnd_, msg, wp, lp);
            PintarMoldura();
            return resultado;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
            return Colorir(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
        case WM_ERASEBKGND: {
            RECT cliente{};
            GetClientRect(hwnd_, &cliente);
            FillRect(reinterpret_cast<HDC>(wp), &cliente,
                     pinceis_.De(Colorref(descricao_.fundo, janelas::CorSistema::FaceBotao,
                                          janelas::Uso::Fundo, altoContraste_)));
            return 1;
        }
        case WM_PAINT: {
            PAINTSTRUCT ps{};
            HDC dc = BeginPaint(hwnd_, &ps);
            PintarMarcaDeFoco(dc);
            EndPaint(hwnd_, &ps);
            return 0;
        }
        case WM_COMMAND:
            return Comando(wp, lp);
        case DM_GETDEFID: {
            // The button with the focus, if one has it (see BN_SETFOCUS).
            const Vivo* foco = Achar(GetFocus());
            return foco != nullptr && foco->descricao->tipo == Tipo::Botao
                       ? MAKELRESULT(foco->id, DC_HASDEFID)
                       : 0;
        }
        case DM_SETDEFID:
            return TRUE;
        case MensagemFocar: {
            auto* alvo = reinterpret_cast<HWND>(wp);
            if (IsWindow(alvo) != FALSE && IsChild(hwnd_, alvo) != FALSE && IsWindowEnabled(alvo) != FALSE) {
                SetFocus(alvo);
            }
            return 0;
        }
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
            // A high-contrast theme turned on or off, or its colours changed.
            altoContraste_ = AltoContraste();
            RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
            break;
        case WM_TIMER:
            for (win32::Temporizador* temporizador : temporizadores_) {
                if (temporizador->Id() == wp) {
                    temporizador->Pulsar();
                    break;
                }
            }
            return 0;
        case WM_CLOSE:
            return 0;  // Alt+F4: only "Sair" ends the program
        case WM_SYSCOMMAND:
            if ((wp & 0xFFF0) == SC_CLOSE) {
                return 0;
            }
            break;
        case WM_ACTIVATE:
            // Back to the control that had the focus, as a dialog does.
            if (LOWORD(wp) == WA_INACTIVE) {
                HWND foco = GetFocus();
                if (foco != nullptr && IsChild(hwnd_, foco)) {
                    foco_ = foco;
                }
            } else if (foco_ != nullptr && IsWindow(foco_) && IsWindowEnabled(foco_)) {
                SetFocus(foco_);
                return 0;
            }
            break;
        case WM_DPICHANGED: {
            const auto* sugerido = reinterpret_cast<const RECT*>(lp);
            Dispor(HIWORD(wp));
            SetWindowPos(hwnd_, nullptr, sugerido->left, sugerido->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

}  // namespace morvantis::win32
