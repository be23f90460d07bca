#pragma once

// The question box: an EDIT control subclassed so that every character a
// person types reaches the key filter before the box applies it, one
// keystroke at a time, however Windows delivers it:
//  - WM_CHAR, after TranslateMessage has composed dead keys ("~" then "a"
//    is one WM_CHAR 0x00E3); a character outside the basic plane comes as
//    two WM_CHAR, a surrogate pair, and is one keystroke for the filter;
//  - WM_IME_CHAR and the result of an input-method composition;
//  - WM_UNICHAR, a whole code point from another program.
// A character the filter lets through is applied by the EDIT itself. During
// a secret capture nothing else may change the box: no paste (WM_PASTE,
// Ctrl+V, Shift+Insert, the context menu), no composition string drawn in
// it, no dead accent left showing.

#include <windows.h>

#include "Kit.h"

namespace morvantis::win32 {

class CaixaPergunta {
public:
    CaixaPergunta(HWND caixa, janelas::FiltroTeclas filtro, janelas::EmCaptura emCaptura);
    ~CaixaPergunta();
    CaixaPergunta(const CaixaPergunta&) = delete;
    CaixaPergunta& operator=(const CaixaPergunta&) = delete;

private:
    static LRESULT CALLBACK Procedimento(HWND caixa, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Tratar(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Original(UINT msg, WPARAM wp, LPARAM lp);

    // One UTF-16 unit as WM_CHAR brings it; a lone surrogate is dropped.
    void Unidade(wchar_t unidade);
    // One keystroke: the filter, then the box, unless the filter swallowed it.
    void Teclar(char32_t caractere);
    void Aplicar(char32_t caractere);
    void ResultadoDaComposicao();
    [[nodiscard]] bool EmCaptura() const { return emCaptura_ && emCaptura_(); }

    HWND caixa_;
    WNDPROC original_;
    janelas::FiltroTeclas filtro_;
    janelas::EmCaptura emCaptura_;
    // The first half of a surrogate pair, waiting for the second.
    wchar_t alta_ = 0;
};

}  // namespace morvantis::win32
