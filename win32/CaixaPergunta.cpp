#include "CaixaPergunta.h"

#include <imm.h>

#include <utility>

#include "Texto.h"
#include "TextoLargo.h"

namespace morvantis::win32 {

namespace {

constexpr LPARAM Resultado = GCS_RESULTSTR | GCS_RESULTREADSTR | GCS_RESULTCLAUSE | GCS_RESULTREADCLAUSE;

// After these the EDIT may have moved its caret or selection on its own.
bool MoveOCursor(UINT msg) {
    return (msg >= WM_KEYFIRST && msg <= WM_KEYLAST) || (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) ||
           msg == WM_TIMER || msg == EM_SETSEL;
}

std::u16string ResultadoDaComposicao(HWND caixa) {
    std::u16string texto;
    if (HIMC contexto = ImmGetContext(caixa)) {
        const LONG bytes = ImmGetCompositionStringW(contexto, GCS_RESULTSTR, nullptr, 0);
        texto.resize(bytes > 0 ? static_cast<std::size_t>(bytes) / sizeof(char16_t) : 0);
        ImmGetCompositionStringW(contexto, GCS_RESULTSTR, texto.data(), static_cast<DWORD>(texto.size() * 2));
        ImmReleaseContext(caixa, contexto);
    }
    return texto;
}

}  // namespace

CaixaPergunta::CaixaPergunta(HWND caixa, janelas::ModeloPergunta& modelo) : caixa_(caixa), modelo_(modelo) {
    SetWindowLongPtrW(caixa_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(caixa_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedimento)));
    modelo_.Ligar(this);
    modelo_.DefinirTexto(ParaU16(TextoDe(caixa_)));
}

CaixaPergunta::~CaixaPergunta() {
    modelo_.Ligar(nullptr);
    if (IsWindow(caixa_)) {
        SetWindowLongPtrW(caixa_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    }
}

LRESULT CALLBACK CaixaPergunta::Procedimento(HWND caixa, UINT msg, WPARAM wp, LPARAM lp) {
    return reinterpret_cast<CaixaPergunta*>(GetWindowLongPtrW(caixa, GWLP_USERDATA))->Tratar(msg, wp, lp);
}

LRESULT CaixaPergunta::Original(UINT msg, WPARAM wp, LPARAM lp) {
    return CallWindowProcW(original_, caixa_, msg, wp, lp);
}

LRESULT CaixaPergunta::Tratar(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_GETDLGCODE: {
            // Enter and Escape come as characters, not as the dialog keys
            // IDOK and IDCANCEL: Enter ends a capture and presses no button.
            const auto* m = reinterpret_cast<const MSG*>(lp);
            const bool quer = m != nullptr && m->message == WM_KEYDOWN &&
                              (m->wParam == VK_RETURN || m->wParam == VK_ESCAPE);
            return Original(msg, wp, lp) | (quer ? DLGC_WANTMESSAGE : 0);
        }
        case WM_CHAR:
        case WM_IME_CHAR:
            // One UTF-16 unit each: the box joins the halves of a pair.
            modelo_.Teclar(toolkit::Tecla(1, static_cast<char16_t>(wp)));
            return 0;
        case WM_UNICHAR:
            if (wp != UNICODE_NOCHAR && wp <= 0x10FFFF) {
                std::u16string tecla;
                texto::Acrescentar(tecla, static_cast<char32_t>(wp));
                modelo_.Teclar(tecla);
            }
            return wp == UNICODE_NOCHAR ? TRUE : FALSE;
        case WM_DEADCHAR:  // the next WM_CHAR brings the accent composed
        case WM_UNDO:
        case EM_UNDO:
        case EM_CANUNDO:  // the box keeps no history
            return 0;
        case WM_KEYDOWN: {
            // The EDIT would delete one UTF-16 unit, and would cut (Shift+
            // Delete) or paste (Shift+Insert) without a WM_CUT or WM_PASTE.
            // With Ctrl, Backspace and Delete take a word, as everywhere
            // else on Windows that edits text.
            const auto alcance =
                GetKeyState(VK_CONTROL) < 0 ? toolkit::Alcance::Palavra : toolkit::Alcance::Caractere;
            if (wp == VK_DELETE && GetKeyState(VK_SHIFT) >= 0) {
                modelo_.ApagarAFrente(alcance);
                return 0;
            }
            if (wp == VK_BACK && alcance == toolkit::Alcance::Palavra) {
                DescartarCaractere();  // Ctrl+Backspace also brings a WM_CHAR of DEL
                modelo_.ApagarAtras(alcance);
                return 0;
            }
            if ((wp == VK_DELETE || wp == VK_INSERT) && GetKeyState(VK_SHIFT) < 0) {
                return Tratar(wp == VK_DELETE ? WM_CUT : WM_PASTE, 0, 0);
            }
            break;
        }
        case WM_PASTE:
            modelo_.Colar();
            return 0;
        case WM_CUT:
            modelo_.Recortar();
            return 0;
        case WM_COPY:
            modelo_.Copiar();
            return 0;
        case WM_CLEAR:
            modelo_.ApagarIntervalo(modelo_.Inicio(), modelo_.Fim());
            return 0;
        case WM_SETTEXT:
        case EM_REPLACESEL: {
            // From another program: typed into the box over its whole text,
            // or at the selection.
            const std::u16string texto = lp != 0 ? ParaU16(reinterpret_cast<const wchar_t*>(lp)) : u"";
            if (msg == WM_SETTEXT) {
                modelo_.TextoDeFora(texto);
            } else {
                modelo_.Inserir(texto);
            }
            return TRUE;
        }
        case WM_CONTEXTMENU:
        case WM_IME_STARTCOMPOSITION:
            // No menu and no composition over the invocation.
            if (modelo_.Velada()) {
                return 0;
            }
            break;
        case WM_IME_COMPOSITION:
            if ((lp & GCS_RESULTSTR) != 0) {
                modelo_.Inserir(ResultadoDaComposicao(caixa_));
                lp &= ~Resultado;
            }
            // The EDIT draws what is still being composed, in the open only.
            if (modelo_.Velada() || lp == 0) {
                return 0;
            }
            break;
        case WM_IME_ENDCOMPOSITION: {
            // The EDIT drops the composition it drew: the box's text again.
            const LRESULT resultado = Original(msg, wp, lp);
            Mostrar(modelo_);
            return resultado;
        }
        default:
            break;
    }
    const LRESULT resultado = Original(msg, wp, lp);
    if (MoveOCursor(msg)) {
        Relatar();
    }
    return resultado;
}

void CaixaPergunta::DescartarCaractere() {
    MSG proxima;
    if (PeekMessageW(&proxima, caixa_, WM_CHAR, WM_CHAR, PM_NOREMOVE) != FALSE &&
        (proxima.wParam == toolkit::teclas::Del || proxima.wParam == toolkit::teclas::Backspace)) {
        PeekMessageW(&proxima, caixa_, WM_CHAR, WM_CHAR, PM_REMOVE);
    }
}

std::pair<DWORD, DWORD> CaixaPergunta::Selecao() {
    DWORD inicio = 0;
    DWORD fim = 0;
    Original(EM_GETSEL, reinterpret_cast<WPARAM>(&inicio), reinterpret_cast<LPARAM>(&fim));
    return {inicio, fim};
}

void CaixaPergunta::Relatar() {
    const auto [inicio, fim] = Selecao();
    // Not while a composition drawn in place makes the EDIT's text differ.
    if ((inicio == modelo_.Inicio() && fim == modelo_.Fim()) ||
        static_cast<std::size_t>(Original(WM_GETTEXTLENGTH, 0, 0)) != modelo_.Texto().size()) {
        return;
    }
    // EM_GETSEL does not tell which end the caret is at.
    modelo_.SelecaoLida(inicio, fim, std::nullopt);
}

void CaixaPergunta::Mostrar(const janelas::ModeloPergunta& caixa) {
    const auto [inicio, fim] = Selecao();
    const auto diferencas = caixa.Comparar(ParaU16(TextoDe(caixa_)), inicio, fim, std::nullopt);
    if (diferencas.texto) {
        Original(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(ParaWide(caixa.Texto()).c_str()));
    }
    if (diferencas.selecao) {
        Original(EM_SETSEL, caixa.Ancora(), static_cast<LPARAM>(caixa.Cursor()));
        Original(EM_SCROLLCARET, 0, 0);
    }
    if (((GetWindowLongPtrW(caixa_, GWL_STYLE) & ES_READONLY) != 0) != caixa.Travada()) {
        Original(EM_SETREADONLY, caixa.Travada() ? TRUE : FALSE, 0);
    }
}

void CaixaPergunta::Focar() {
    ::SetFocus(caixa_);
}

std::u16string CaixaPergunta::AreaDeTransferencia() {
    std::u16string texto;
    if (OpenClipboard(caixa_) != FALSE) {
        HANDLE dados = GetClipboardData(CF_UNICODETEXT);
        if (const auto* unidades = static_cast<const char16_t*>(dados ? GlobalLock(dados) : nullptr)) {
            const std::u16string_view tudo(unidades, GlobalSize(dados) / sizeof(char16_t));
            texto = tudo.substr(0, tudo.find(u'\0'));
            GlobalUnlock(dados);
        }
        CloseClipboard();
    }
    return texto;
}

void CaixaPergunta::ParaAreaDeTransferencia(std::u16string_view texto) {
    if (OpenClipboard(caixa_) == FALSE) {
        return;
    }
    EmptyClipboard();
    if (HGLOBAL dados = GlobalAlloc(GMEM_MOVEABLE, (texto.size() + 1) * sizeof(char16_t))) {
        auto* unidades = static_cast<char16_t*>(GlobalLock(dados));
        texto.copy(unidades, texto.size());
        unidades[texto.size()] = u'\0';
        GlobalUnlock(dados);
        if (SetClipboardData(CF_UNICODETEXT, dados) == nullptr) {
            GlobalFree(dados);
        }
    }
    CloseClipboard();
}

}  // namespace morvantis::win32
