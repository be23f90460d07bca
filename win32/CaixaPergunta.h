#pragma once

// The question box on Windows: an EDIT control that only translates. What
// Windows delivers to it becomes the box model's edits (ModeloPergunta):
//  - WM_CHAR and WM_IME_CHAR, one UTF-16 unit each, and WM_UNICHAR:
//    keystrokes;
//  - pastes (WM_PASTE, Ctrl+V, Shift+Insert) and an input method's result:
//    insertions at the selection;
//  - Delete, Ctrl+Backspace and Ctrl+Delete, cuts and clears: deletions;
//  - arrows, Home, End, the mouse, select all: the EDIT moves its caret, and
//    the box is told where it went.
// The EDIT changes its text only to draw a composition in place, in the
// open; after every edit it is sent what the box holds: text, selection and
// lock. During a secret capture no composition is drawn in it, no menu
// opens on it and nothing is cut from it.

#include <windows.h>

#include <string>
#include <utility>

#include "ModeloPergunta.h"

namespace morvantis::win32 {

class CaixaPergunta final : private janelas::ModeloPergunta::Vista {
public:
    // Shows `modelo`, which outlives it; the box starts with the EDIT's text.
    CaixaPergunta(HWND caixa, janelas::ModeloPergunta& modelo);
    ~CaixaPergunta() override;
    CaixaPergunta(const CaixaPergunta&) = delete;
    CaixaPergunta& operator=(const CaixaPergunta&) = delete;

private:
    static LRESULT CALLBACK Procedimento(HWND caixa, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Tratar(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Original(UINT msg, WPARAM wp, LPARAM lp);

    void Mostrar(const janelas::ModeloPergunta& caixa) override;
    void Focar() override;
    std::u16string AreaDeTransferencia() override;
    void ParaAreaDeTransferencia(std::u16string_view texto) override;

    // Drops the WM_CHAR that TranslateMessage queued for a key already
    // handled as a whole.
    void DescartarCaractere();
    // The EDIT's selection, its ends in order.
    [[nodiscard]] std::pair<DWORD, DWORD> Selecao();
    // Where the EDIT has moved its caret or selection, to the box.
    void Relatar();

    HWND caixa_;
    WNDPROC original_ = nullptr;
    janelas::ModeloPergunta& modelo_;
};

}  // namespace morvantis::win32
