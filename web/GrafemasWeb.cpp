// The cluster boundaries from the browser's own segmenter (Intl.Segmenter),
// which keeps Unicode's rules up to date for free: a library of our own
// would weigh more than the rest of the page's code.

#include <emscripten/emscripten.h>

#include "Grafemas.h"

static_assert(sizeof(std::size_t) == 4, "the starts are written to the heap as 32-bit units");

// Reads `n` UTF-16 units at `s` from the heap (a NUL is a unit like any
// other) and writes where each cluster begins to `inicios`, returning how
// many. The segmenter would join a lone surrogate to an accent after it, so
// each one is a cluster of its own and the runs between them are segmented
// apart.
// clang-format off
EM_JS(std::size_t, morvantis_inicios, (const char16_t* s, std::size_t n, std::size_t* inicios), {
    const unidades = HEAPU16.subarray(s >> 1, (s >> 1) + n);
    const partes = [];
    for (let i = 0; i < n; i += 8192) {
        partes.push(String.fromCharCode.apply(null, unidades.subarray(i, i + 8192)));
    }
    const texto = partes.join("");
    if (!Module.morvantisSegmentador) {
        Module.morvantisSegmentador = new Intl.Segmenter(undefined, {granularity: "grapheme"});
    }
    const saida = inicios >> 2;
    let k = 0;
    let de = 0;
    const trecho = (ate) => {
        if (ate > de) {
            for (const segmento of Module.morvantisSegmentador.segment(texto.slice(de, ate))) {
                HEAPU32[saida + k++] = de + segmento.index;
            }
        }
    };
    for (let i = 0; i < n; i++) {
        const u = unidades[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < n && unidades[i + 1] >= 0xDC00 && unidades[i + 1] <= 0xDFFF) {
            i++;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            trecho(i);
            HEAPU32[saida + k++] = i;
            de = i + 1;
        }
    }
    trecho(n);
    return k;
});
// clang-format on

namespace morvantis::grafemas {

std::vector<std::size_t> Inicios(std::u16string_view s) {
    std::vector<std::size_t> inicios(s.size());
    if (!s.empty()) {
        inicios.resize(morvantis_inicios(s.data(), s.size(), inicios.data()));
    }
    return inicios;
}

}  // namespace morvantis::grafemas
