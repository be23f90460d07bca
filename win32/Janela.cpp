#include "Janela.h"

#include <stdexcept>

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

}  // namespace

Janela::Janela(Kit& kit, const janelas::Janela& descricao, HWND dono) : JanelaViva(descricao), kit_(kit) {
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

void Janela::FocarControle(const janelas::Controle& c, janelas::Sentido) {
    // From the queue: the dialog keys that brought the focus here would
    // then take the default button from the one it moves on to.
    PostMessageW(hwnd_, MensagemFocar, reinterpret_cast<WPARAM>(Achar(c.nome)->hwnd), 0);
}

void Janela::Mostrar() {
    Centrar();
    // The focus shows from the start, not only once a key has been used.
    SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    const janelas::Controle* primeiro = PrimeiroFocavel();
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
                     pinceis_.De(Colorref(Descricao().fundo, janelas::Uso::Fundo, altoContraste_)));
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
