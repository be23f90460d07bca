#include <gtest/gtest.h>
#include <utf8proc.h>

#include "Grafemas.h"
#include "Palavras.h"

namespace morvantis::grafemas {
namespace {

// The shortcut that spares the segmenter: below U+0300 every pair of
// characters is two characters, but CR LF. A new Unicode could break it.
TEST(Grafemas, BelowTheCombiningMarksEveryPairIsTwoCharactersButCrLf) {
    int juntos = 0;
    for (utf8proc_int32_t a = 0; a < 0x300; ++a) {
        for (utf8proc_int32_t b = 0; b < 0x300; ++b) {
            utf8proc_int32_t estado = 0;
            if (!utf8proc_grapheme_break_stateful(a, b, &estado)) {
                ++juntos;
                EXPECT_TRUE(a == '\r' && b == '\n') << std::hex << a << " " << b;
            }
        }
    }
    EXPECT_EQ(juntos, 1);
}

TEST(Grafemas, WhereEachCharacterBegins) {
    struct Caso {
        std::u16string_view texto;
        std::vector<std::size_t> inicios;
    };
    for (const Caso& c : {
             Caso{u"", {}}, Caso{u"ação", {0, 1, 2, 3}}, Caso{u"e\u0301a", {0, 2}},
             Caso{u"a👨\u200D👩\u200D👧b", {0, 1, 9}}, Caso{u"🇧🇷🇧", {0, 4}}, Caso{u"\r\nx", {0, 2}},
             Caso{u"a\xD83D"
                  u"\u0301b",
                  {0, 1, 2, 3}},  // a lone surrogate stands alone
         }) {
        EXPECT_EQ(Inicios(c.texto), c.inicios);
    }
    EXPECT_TRUE(Continua(u"e", u"\u0301"));
    EXPECT_TRUE(Continua(u"👨\u200D", u"👩"));
    EXPECT_FALSE(Continua(u"ç", u"a"));
    EXPECT_EQ(Fronteira(u"xe\u0301y", 2, false), 1u);
    EXPECT_EQ(Fronteira(u"xe\u0301y", 2, true), 3u);
}

// Where Ctrl+Backspace from the end, and Ctrl+Delete from the start, stop:
// blanks with the word next to them, punctuation as a word of its own, and
// accents and emoji inside a word.
TEST(Palavras, WhereAWordDeletionStops) {
    struct Caso {
        std::u16string_view texto;
        std::size_t antesDoFim, depoisDoInicio;
    };
    for (const Caso& c : {
             Caso{u"", 0, 0},
             Caso{u"ola mundo", 4, 4},
             Caso{u"ola mundo  ", 4, 4},
             Caso{u"você, né?", 8, 4},
             Caso{u"e\u0301 👍🏽x", 3, 3},
             Caso{u"a_b\u00A0\u3000c", 5, 5},
             Caso{u"  ", 0, 2},
         }) {
        EXPECT_EQ(palavras::InicioAntes(c.texto, c.texto.size()), c.antesDoFim) << std::size(c.texto);
        EXPECT_EQ(palavras::FimDepois(c.texto, 0), c.depoisDoInicio) << std::size(c.texto);
    }
}

}  // namespace
}  // namespace morvantis::grafemas
