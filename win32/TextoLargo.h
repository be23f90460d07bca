#pragma once

// The Windows API's wide strings are 16-bit units, like the game's texts:
// a text crosses the boundary unit for unit, with nothing to convert.

#include <windows.h>

#include <string>
#include <string_view>

namespace morvantis::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

[[nodiscard]] inline std::wstring ParaWide(std::u16string_view texto) {
    return {texto.begin(), texto.end()};
}

[[nodiscard]] inline std::u16string ParaU16(std::wstring_view texto) {
    return {texto.begin(), texto.end()};
}

// The whole text of a window or control.
[[nodiscard]] inline std::wstring TextoDe(HWND janela) {
    std::wstring texto(static_cast<std::size_t>(GetWindowTextLengthW(janela)) + 1, L'\0');
    texto.resize(
        static_cast<std::size_t>(GetWindowTextW(janela, texto.data(), static_cast<int>(texto.size()))));
    return texto;
}

}  // namespace morvantis::win32
