// The cluster boundaries from the browser's own segmenter (Intl.Segmenter),
// which keeps Unicode's rules up to date for free: a library of our own
// would weigh more than the rest of the page's code.

#include <emscripten/emscripten.h>

#include "Grafemas.h"

static_assert(sizeof(std::size_t) == 4, "the starts are written to the heap as 32-bit units");

// Reads `n` UTF-16 units at `s` from the heap (a NUL is a unit like any
// other) and writes where each cluster begins to `inicios`, returning how
// many.
// - The segmenter would join a lone surrogate to an accent after it, so
//   each one is a cluster of its own and the runs between them are
//   segmented apart.
// - Some engines' segmenters take quadratic time over one long string, so a
//   long run goes in blocks, never cut inside a surrogate pair. Whether a
//   cluster ends before a character depends on that character and those
//   before it only, so every start found in a block holds; its last
//   cluster may go on past it, and the next block starts there.
// - A browser without a segmenter (Firefox before 125, Safari before 14.1)
//   counts code points: the box still types, and only a character made of
//   several comes apart.
// - Short texts (a keystroke and the character before it, for every key of
//   a capture) come back again and again, and a segmentation costs
//   microseconds however short: they are remembered.
// clang-format off
EM_JS(std::size_t, morvantis_inicios, (const char16_t* s, std::size_t n, std::size_t* inicios), {
    const unidades = HEAPU16.subarray(s >> 1, (s >> 1) + n);
    const partes = [];
    for (let i = 0; i < n; i += 8192) {
        partes.push(String.fromCharCode.apply(null, unidades.subarray(i, i + 8192)));
    }
    const texto = partes.join("");
    const pontos = (t) => {
        const r = [];
        let i = 0;
        for (const c of t) {
            r.push({index: i});
            i += c.length;
        }
        return r;
    };
    const g = Module.morvantisGrafemas || (Module.morvantisGrafemas = {
        segmentador: typeof Intl.Segmenter === "function" ? new Intl.Segmenter(undefined, {granularity: "grapheme"})
                                                          : {segment: pontos},
        curtos: new Map()});
    let lista = n <= 16 ? g.curtos.get(texto) : undefined;
    if (!lista) {
        lista = [];
        const trecho = (de, ate) => {
            for (let bloco = 8192; de < ate;) {
                let fim = Math.min(ate, de + bloco);
                if (fim < ate && (unidades[fim - 1] & 0xFC00) === 0xD800) {
                    fim--;
                }
                let ultimo = de;
                for (const segmento of g.segmentador.segment(texto.slice(de, fim))) {
                    ultimo = de + segmento.index;
                    lista.push(ultimo);
                }
                if (fim === ate) {
                    return;
                }
                lista.pop();
                if (ultimo === de) {
                    bloco *= 2;
                }
                de = ultimo;
            }
        };
        let de = 0;
        for (let i = 0; i < n; i++) {
            const u = unidades[i];
            if (u >= 0xD800 && u <= 0xDBFF && i + 1 < n && unidades[i + 1] >= 0xDC00 && unidades[i + 1] <= 0xDFFF) {
                i++;
            } else if (u >= 0xD800 && u <= 0xDFFF) {
                trecho(de, i);
                lista.push(i);
                de = i + 1;
            }
        }
        trecho(de, n);
        if (n <= 16) {
            if (g.curtos.size >= 4096) {
                g.curtos.clear();
            }
            g.curtos.set(texto, lista);
        }
    }
    HEAPU32.set(lista, inicios >> 2);
    return lista.length;
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
