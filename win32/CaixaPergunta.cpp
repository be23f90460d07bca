#include "CaixaPergunta.h"

#include <imm.h>

#include <string>

#include "Texto.h"
#include "TextoLargo.h"

namespace morvantis::win32 {

namespace {

constexpr wchar_t Propriedade[] = L"Morvantis.CaixaPergunta";
constexpr char32_t Backspace = 8;
constexpr char32_t CtrlV = 0x16;
constexpr LPARAM Resultado = GCS_RESULTSTR | GCS_RESULTREADSTR | GCS_RESULTCLAUSE | GCS_RESULTREADCLAUSE;

bool Pressionada(int tecla) {
    return (GetKeyState(tecla) & 0x8000) != 0;
}

}  // namespace

CaixaPergunta::CaixaPergunta(HWND caixa, janelas::FiltroTeclas filtro, janelas::EmCaptura emCaptura)
    : caixa_(caixa), original_(nullptr), filtro_(std::move(filtro)), emCaptura_(std::move(emCaptura)) {
    SetPropW(caixa_, Propriedade, this);
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(caixa_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedimento)));
}

CaixaPergunta::~CaixaPergunta() {
    if (IsWindow(caixa_) && GetPropW(caixa_, Propriedade) == this) {
        SetWindowLongPtrW(caixa_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
        RemovePropW(caixa_, Propriedade);
    }
}

LRESULT CALLBACK CaixaPergunta::Procedimento(HWND caixa, UINT msg, WPARAM wp, LPARAM lp) {
    auto* eu = static_cast<CaixaPergunta*>(GetPropW(caixa, Propriedade));
    if (msg == WM_NCDESTROY && eu != nullptr) {
        // The box goes before its wrapper: hand it back its own procedure.
        const WNDPROC original = eu->original_;
        SetWindowLongPtrW(caixa, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropW(caixa, Propriedade);
        return CallWindowProcW(original, caixa, msg, wp, lp);
    }
    return eu != nullptr ? eu->Tratar(msg, wp, lp) : DefWindowProcW(caixa, msg, wp, lp);
}

LRESULT CaixaPergunta::Original(UINT msg, WPARAM wp, LPARAM lp) {
    return CallWindowProcW(original_, caixa_, msg, wp, lp);
}

LRESULT CaixaPergunta::Tratar(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_GETDLGCODE: {
            // The window's dialog keys (IsDialogMessage) would turn Enter
            // into IDOK and Escape into IDCANCEL before the box saw them;
            // the box wants both as characters: Enter ends a capture and
            // presses no button.
            LRESULT codigo = Original(msg, wp, lp);
            const auto* mensagem = reinterpret_cast<const MSG*>(lp);
            if (mensagem != nullptr && mensagem->message == WM_KEYDOWN &&
                (mensagem->wParam == VK_RETURN || mensagem->wParam == VK_ESCAPE)) {
                codigo |= DLGC_WANTMESSAGE;
            }
            return codigo;
        }
        case WM_CHAR:
        case WM_IME_CHAR:
            Unidade(static_cast<wchar_t>(wp));
            return 0;
        case WM_UNICHAR:
            if (wp == UNICODE_NOCHAR) {
                return TRUE;
            }
            if (wp <= 0x10FFFF && (wp < 0xD800 || wp > 0xDFFF)) {
                alta_ = 0;
                Teclar(static_cast<char32_t>(wp));
            }
            return FALSE;
        case WM_DEADCHAR:
            // Windows announces a dead accent before the composed WM_CHAR;
            // the box never shows it on its own, and during a capture it
            // must not reach the box at all.
            return EmCaptura() ? 0 : Original(msg, wp, lp);
        case WM_KEYDOWN:
            if (wp == VK_INSERT && Pressionada(VK_SHIFT) && EmCaptura()) {
                return 0;
            }
            break;
        case WM_PASTE:
        case WM_CUT:
        case WM_CLEAR:
        case WM_UNDO:
        case EM_UNDO:
        case WM_CONTEXTMENU:
            if (EmCaptura()) {
                return 0;
            }
            break;
        case WM_IME_STARTCOMPOSITION:
            // No composition window while the box shows the invocation.
            if (EmCaptura()) {
                return 0;
            }
            break;
        case WM_IME_COMPOSITION:
            if ((lp & GCS_RESULTSTR) != 0) {
                ResultadoDaComposicao();
                lp &= ~Resultado;
            }
            // What is still being composed is drawn only outside a capture.
            if (EmCaptura() || lp == 0) {
                return 0;
            }
            break;
        default:
            break;
    }
    return Original(msg, wp, lp);
}

void CaixaPergunta::ResultadoDaComposicao() {
    HIMC contexto = ImmGetContext(caixa_);
    if (contexto == nullptr) {
        return;
    }
    const LONG bytes = ImmGetCompositionStringW(contexto, GCS_RESULTSTR, nullptr, 0);
    std::wstring texto(bytes > 0 ? static_cast<std::size_t>(bytes) / sizeof(wchar_t) : 0, L'\0');
    if (!texto.empty()) {
        ImmGetCompositionStringW(contexto, GCS_RESULTSTR, texto.data(), static_cast<DWORD>(bytes));
    }
    ImmReleaseContext(caixa_, contexto);
    for (const wchar_t unidade : texto) {
        Unidade(unidade);
    }
}

void CaixaPergunta::Unidade(wchar_t unidade) {
    if (IS_HIGH_SURROGATE(unidade)) {
        alta_ = unidade;  // a high half already waiting had no partner
        return;
    }
    if (IS_LOW_SURROGATE(unidade)) {
        const wchar_t alta = alta_;
        alta_ = 0;
        if (alta != 0) {
            Teclar(texto::DoPar(static_cast<char16_t>(alta), static_cast<char16_t>(unidade)));
        }
        return;
    }
    alta_ = 0;
    Teclar(unidade);
}

void CaixaPergunta::Teclar(char32_t caractere) {
    if (filtro_) {
        filtro_(caractere);
    }
    if (caractere == 0 || (caractere == CtrlV && EmCaptura())) {
        return;
    }
    Aplicar(caractere);
}

void CaixaPergunta::Aplicar(char32_t caractere) {
    DWORD inicio = 0;
    DWORD fim = 0;
    SendMessageW(caixa_, EM_GETSEL, reinterpret_cast<WPARAM>(&inicio), reinterpret_cast<LPARAM>(&fim));
    if (caractere == Backspace && inicio == fim && inicio >= 2) {
        // The EDIT erases one unit: take a whole pair before the caret.
        const std::wstring texto = TextoDe(caixa_);
        if (inicio <= texto.size() && IS_LOW_SURROGATE(texto[inicio - 1]) &&
            IS_HIGH_SURROGATE(texto[inicio - 2])) {
            SendMessageW(caixa_, EM_SETSEL, inicio - 2, inicio);
        }
    }
    if (caractere <= 0xFFFF) {
        Original(WM_CHAR, caractere, 1);
        return;
    }
    // Both halves of a pair, or neither: the box's limit must not cut it.
    const auto limite = static_cast<LRESULT>(SendMessageW(caixa_, EM_GETLIMITTEXT, 0, 0));
    const LRESULT depois = GetWindowTextLengthW(caixa_) - static_cast<LRESULT>(fim - inicio) + 2;
    if (depois > limite || (GetWindowLongPtrW(caixa_, GWL_STYLE) & ES_READONLY) != 0) {
        return;
    }
    std::u16string par;
    texto::Acrescentar(par, caractere);
    for (const char16_t unidade : par) {
        Original(WM_CHAR, unidade, 1);
    }
}

}  // namespace morvantis::win32
