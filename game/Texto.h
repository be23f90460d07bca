#pragma once

// Small helpers over 16-bit character strings that never split a character
// outside the 16-bit range (a surrogate pair) in two. What a person sees as
// one character is a grapheme cluster: Grafemas.h.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace morvantis::texto {

[[nodiscard]] constexpr bool EhAlto(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
[[nodiscard]] constexpr bool EhBaixo(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// The character a surrogate pair stands for.
[[nodiscard]] constexpr char32_t DoPar(char16_t alto, char16_t baixo) {
    return 0x10000 + ((static_cast<char32_t>(alto) - 0xD800) << 10) + (static_cast<char32_t>(baixo) - 0xDC00);
}

// The first n characters: all of s when n reaches its length, nothing when n
// is 0 or less.
[[nodiscard]] std::u16string Primeiros(std::u16string_view s, std::int64_t n);

// Appends one code point; anything that is not a valid code point becomes
// U+FFFD, a lone surrogate stays one unit.
void Acrescentar(std::u16string& s, char32_t c);

// s with leading and trailing U+0020 removed (other blanks stay).
[[nodiscard]] std::u16string_view SemEspacosNasPontas(std::u16string_view s);

// Saturates a length into a 16-bit signed count.
[[nodiscard]] std::int16_t Contagem16(std::size_t n);

}  // namespace morvantis::texto
