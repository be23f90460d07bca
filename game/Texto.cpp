#include "Texto.h"

#include <limits>

namespace morvantis::texto {

std::u16string Primeiros(std::u16string_view s, std::int64_t n) {
    if (n <= 0) {
        return {};
    }
    if (static_cast<std::uint64_t>(n) >= s.size()) {
        return std::u16string(s);
    }
    return std::u16string(s.substr(0, static_cast<std::size_t>(n)));
}

void Acrescentar(std::u16string& s, char32_t c) {
    if (c > 0x10FFFF) {
        c = 0xFFFD;
    }
    if (c < 0x10000) {
        s.push_back(static_cast<char16_t>(c));
        return;
    }
    c -= 0x10000;
    s.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
    s.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
}

std::u16string_view SemEspacosNasPontas(std::u16string_view s) {
    const auto inicio = s.find_first_not_of(u' ');
    if (inicio == std::u16string_view::npos) {
        return {};
    }
    return s.substr(inicio, s.find_last_not_of(u' ') - inicio + 1);
}

std::int16_t Contagem16(std::size_t n) {
    constexpr auto maximo = static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max());
    return static_cast<std::int16_t>(n < maximo ? n : maximo);
}

}  // namespace morvantis::texto
