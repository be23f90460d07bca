#pragma once

// What a person sees as one character: an extended grapheme cluster ("é"
// written as "e" and a combining accent, a flag, a family of joined emoji).
// The question box counts, captures and erases these, never code units or
// code points, so a typed character is never half shown nor half erased.
//
// One plain function over Unicode's rules: the desktop builds take them from
// utf8proc, the page from the browser's own segmenter.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace morvantis::grafemas {

// Where each cluster of `s` begins, in order (0 first, when s is not empty).
// A lone surrogate is a cluster of its own.
[[nodiscard]] std::vector<std::size_t> Inicios(std::u16string_view s);

// Whether `depois` begins by extending the last cluster of `antes` (a
// combining accent after a letter, a joiner, the second half of a flag):
// then typing it adds no character.
[[nodiscard]] bool Continua(std::u16string_view antes, std::u16string_view depois);

// Where the last cluster of `s` begins (0 for an empty s).
[[nodiscard]] std::size_t InicioDoUltimo(std::u16string_view s);

// The cluster boundary nearest `posicao`, not past it (para a frente: not
// before it). Positions past the end are the end.
[[nodiscard]] std::size_t Fronteira(std::u16string_view s, std::size_t posicao, bool paraFrente);

}  // namespace morvantis::grafemas
