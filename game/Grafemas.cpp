#include "Grafemas.h"

#include <algorithm>

namespace morvantis::grafemas {

// Continua, InicioDoUltimo and Fronteira rest on Inicios alone, so the
// realisation that brings its own segmenter brings only that.

namespace {

// Below U+0300 no character extends, joins or prefixes another (the
// combining marks begin there), so between two such characters there is
// always an edge, but between CR and LF. Most of what is typed is such
// pairs, and they need no segmenter.
bool Simples(char16_t a, char16_t b) {
    return a < 0x300 && b < 0x300 && !(a == u'\r' && b == u'\n');
}

}  // namespace

bool Continua(std::u16string_view antes, std::u16string_view depois) {
    if (antes.empty() || depois.empty() || Simples(antes.back(), depois.front())) {
        return false;
    }
    std::u16string junto(antes.substr(InicioDoUltimo(antes)));
    const std::size_t juncao = junto.size();
    junto.append(depois);
    const std::vector<std::size_t> inicios = Inicios(junto);
    return !std::binary_search(inicios.begin(), inicios.end(), juncao);
}

std::size_t InicioDoUltimo(std::u16string_view s) {
    const std::vector<std::size_t> inicios = Inicios(s);
    return inicios.empty() ? 0 : inicios.back();
}

std::size_t Fronteira(std::u16string_view s, std::size_t posicao, bool paraFrente) {
    // Both ends are always edges: the common caret, at the end, costs
    // nothing; nor does one between two Latin letters.
    if (posicao == 0 || posicao >= s.size() || Simples(s[posicao - 1], s[posicao])) {
        return std::min(posicao, s.size());
    }
    const std::vector<std::size_t> inicios = Inicios(s);
    const auto depois = std::upper_bound(inicios.begin(), inicios.end(), posicao);
    const std::size_t anterior = *(depois - 1);  // inicios[0] == 0 <= posicao
    if (anterior == posicao || !paraFrente) {
        return anterior;
    }
    return depois == inicios.end() ? s.size() : *depois;
}

}  // namespace morvantis::grafemas
