#include "Controles.h"

#include <timeapi.h>

#include "TextoLargo.h"

namespace morvantis::win32 {

std::u16string Caixa::Text() const {
    return ParaU16(TextoDe(caixa_));
}

void Caixa::SetText(const std::u16string& texto) {
    SetWindowTextW(caixa_, ParaWide(texto).c_str());
}

void Caixa::SetCaret(std::size_t posicao) {
    const auto tamanho = static_cast<std::size_t>(GetWindowTextLengthW(caixa_));
    const WPARAM ponto = posicao < tamanho ? posicao : tamanho;
    SendMessageW(caixa_, EM_SETSEL, ponto, static_cast<LPARAM>(ponto));
    SendMessageW(caixa_, EM_SCROLLCARET, 0, 0);
}

void Caixa::SetLocked(bool travada) {
    SendMessageW(caixa_, EM_SETREADONLY, travada ? TRUE : FALSE, 0);
}

void Caixa::SetFocus() {
    ::SetFocus(caixa_);
}

void Botao::SetEnabled(bool habilitado) {
    const bool tinhaFoco = GetFocus() == botao_;
    EnableWindow(botao_, habilitado ? TRUE : FALSE);
    // A disabled button takes no keys: the focus moves on, as the dialog
    // manager moves it past disabled controls.
    if (!habilitado && tinhaFoco) {
        ::SetFocus(GetNextDlgTabItem(GetParent(botao_), botao_, FALSE));
    }
}

void Botao::SetFocus() {
    ::SetFocus(botao_);
}

Temporizador::~Temporizador() {
    SetEnabled(false);
}

void Temporizador::SetEnabled(bool ligado) {
    if (ligado == ligado_) {
        return;
    }
    ligado_ = ligado;
    if (ligado) {
        timeBeginPeriod(1);
        inicio_ = std::chrono::steady_clock::now();
        pulsos_ = 0;
        SetTimer(janela_, id_, static_cast<UINT>(intervaloMs_), nullptr);
    } else {
        KillTimer(janela_, id_);
        timeEndPeriod(1);
    }
}

void Temporizador::Pulsar() {
    if (!ligado_) {
        return;  // a WM_TIMER already queued when it stopped
    }
    const auto passados =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - inicio_)
            .count();
    const long long devidos = passados / intervaloMs_;
    for (int vez = 0; vez < 2 && ligado_; ++vez) {
        if (vez == 1 && pulsos_ >= devidos) {
            break;
        }
        ++pulsos_;
        if (handler_) {
            handler_();
        }
    }
}

}  // namespace morvantis::win32
