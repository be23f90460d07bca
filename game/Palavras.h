#pragma once

// Words as a keyboard's word deletion finds them on plain text: Ctrl+
// Backspace takes the blanks before the caret and the word (or the run of
// punctuation) before them; Ctrl+Delete takes the word (or punctuation)
// after the caret and the blanks after it. The question box finds words this
// way in the open, and the game finds the secret's last word the same way,
// so both agree on every realisation.
//
// Positions are UTF-16 offsets on character edges (game/Grafemas.h); a
// character is classed by its first code point.

#include <cstddef>
#include <string_view>

namespace morvantis::palavras {

enum class Classe { Branco, Pontuacao, Palavra };

[[nodiscard]] Classe DoCaractere(char32_t c);

// Where a word deletion backwards from `fim` stops.
[[nodiscard]] std::size_t InicioAntes(std::u16string_view s, std::size_t fim);
// Where a word deletion forwards from `inicio` stops.
[[nodiscard]] std::size_t FimDepois(std::u16string_view s, std::size_t inicio);

}  // namespace morvantis::palavras
