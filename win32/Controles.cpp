#include "Controles.h"

#include <chrono>

#include "TextoLargo.h"

namespace morvantis::win32 {

namespace {

WNDPROC editOriginal = nullptr;

LRESULT CALLBACK AreaDeTexto(HWND caixa, UINT msg, WPARAM wp, LPARAM lp) {
    const LRESULT resultado = CallWindowProcW(editOriginal, caixa, msg, wp, lp);
    switch (msg) {
        case WM_GETDLGCODE:
            return resultado & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_WANTMESSAGE);
        case WM_SETFOCUS:
            if ((GetWindowLongPtrW(caixa, GWL_STYLE) & ES_READONLY) != 0) {
                HideCaret(caixa);
            }
            break;
        default:
            break;
    }
    return resultado;
}

}  // namespace

Caixa::Caixa(HWND caixa) : caixa_(caixa) {
    const auto anterior = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(caixa_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AreaDeTexto)));
    if (editOriginal == nullptr) {
        editOriginal = anterior;
    }
}

std::u16string Caixa::Texto() const {
    return ParaU16(TextoDe(caixa_));
}

void Caixa::DefinirTexto(const std::u16string& texto) {
    SetWindowTextW(caixa_, ParaWide(texto).c_str());
}

void Caixa::DefinirCursor(std::size_t posicao) {
    const auto tamanho = static_cast<std::size_t>(GetWindowTextLengthW(caixa_));
    const WPARAM ponto = posicao < tamanho ? posicao : tamanho;
    SendMessageW(caixa_, EM_SETSEL, ponto, static_cast<LPARAM>(ponto));
    SendMessageW(caixa_, EM_SCROLLCARET, 0, 0);
}

void Caixa::Travar(bool travada) {
    SendMessageW(caixa_, EM_SETREADONLY, travada ? TRUE : FALSE, 0);
}

void Caixa::Focar() {
    ::SetFocus(caixa_);
}

void Botao::Habilitar(bool habilitado) {
    const bool tinhaFoco = GetFocus() == botao_;
    EnableWindow(botao_, habilitado ? TRUE : FALSE);
    // A disabled button takes no keys: the focus moves on, as the dialog
    // manager moves it past disabled controls.
    if (!habilitado && tinhaFoco) {
        ::SetFocus(GetNextDlgTabItem(GetParent(botao_), botao_, FALSE));
    }
}

void Botao::Focar() {
    ::SetFocus(botao_);
}

namespace {

template <typename Funcao>
Funcao Exportada(HMODULE modulo, const char* nome) {
    // Through a plain function pointer, as GCC asks for a change of type.
    return reinterpret_cast<Funcao>(reinterpret_cast<void (*)()>(GetProcAddress(modulo, nome)));
}

double AgoraMs() {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

Temporizador::Temporizador(HWND janela, UINT_PTR id, int intervaloMs)
    : janela_(janela), id_(id), compasso_(intervaloMs), winmm_(LoadLibraryW(L"winmm.dll")) {
    if (winmm_ != nullptr) {
        pedirRelogio_ = Exportada<Periodo>(winmm_, "timeBeginPeriod");
        largarRelogio_ = Exportada<Periodo>(winmm_, "timeEndPeriod");
    }
}

Temporizador::~Temporizador() {
    Habilitar(false);
    if (winmm_ != nullptr) {
        FreeLibrary(winmm_);
    }
}

void Temporizador::Habilitar(bool ligado) {
    if (ligado == compasso_.Ligado()) {
        return;
    }
    if (ligado) {
        if (pedirRelogio_ != nullptr) {
            pedirRelogio_(1);
        }
        compasso_.Iniciar(AgoraMs());
        SetTimer(janela_, id_, static_cast<UINT>(compasso_.IntervaloMs()), nullptr);
    } else {
        compasso_.Parar();
        KillTimer(janela_, id_);
        if (largarRelogio_ != nullptr) {
            largarRelogio_(1);
        }
    }
}

void Temporizador::Pulsar() {
    compasso_.Pulsar(AgoraMs(), [this] {
        if (handler_) {
            handler_();
        }
    });
}

}  // namespace morvantis::win32
