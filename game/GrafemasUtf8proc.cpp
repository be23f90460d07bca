// The cluster boundaries from utf8proc's implementation of Unicode's rules.

#include <utf8proc.h>

#include "Grafemas.h"
#include "Texto.h"

namespace morvantis::grafemas {

namespace {

// Two characters below U+0300 are always two (see Simples in Grafemas.cpp),
// but CR and LF; a cluster's state starts afresh after such a pair.
bool Simples(utf8proc_int32_t a, utf8proc_int32_t b) {
    return a < 0x300 && b < 0x300 && !(a == '\r' && b == '\n');
}

}  // namespace

std::vector<std::size_t> Inicios(std::u16string_view s) {
    std::vector<std::size_t> inicios;
    inicios.reserve(s.size());
    utf8proc_int32_t estado = 0;
    utf8proc_int32_t anterior = -1;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t inicio = i;
        utf8proc_int32_t cp = s[i++];
        bool solto = false;
        if (texto::EhAlto(static_cast<char16_t>(cp)) && i < s.size() && texto::EhBaixo(s[i])) {
            cp = static_cast<utf8proc_int32_t>(texto::DoPar(static_cast<char16_t>(cp), s[i++]));
        } else if (texto::EhAlto(static_cast<char16_t>(cp)) || texto::EhBaixo(static_cast<char16_t>(cp))) {
            solto = true;
        }
        if (solto) {
            // Stands alone on both sides, whatever surrounds it.
            inicios.push_back(inicio);
            anterior = -1;
            estado = 0;
            continue;
        }
        bool quebra = anterior < 0;
        if (!quebra && Simples(anterior, cp)) {
            quebra = true;
            estado = 0;
        } else if (!quebra) {
            quebra = utf8proc_grapheme_break_stateful(anterior, cp, &estado);
        }
        if (quebra) {
            inicios.push_back(inicio);
        }
        anterior = cp;
    }
    return inicios;
}

}  // namespace morvantis::grafemas
