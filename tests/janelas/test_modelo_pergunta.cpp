// The question box's rules, once for every toolkit: where edits land, what a
// character is, the limit, the lock, and what the filter sees.

#include <gtest/gtest.h>

#include "GameFixture.h"

namespace morvantis {
namespace {

constexpr std::u16string_view Familia = u"👨\u200D👩\u200D👧";  // five code points, one character
constexpr std::u16string_view EAgudo = u"e\u0301";           // e and a combining accent
constexpr std::u16string_view Bandeira = u"🇧🇷";
constexpr std::u16string_view Backspace = toolkit::teclas::Como(toolkit::teclas::Backspace);

class ModeloPergunta : public GameTest {
protected:
    janelas::ModeloPergunta& box = window.TxtPergunta;

    // Typed in the open: ";" with nothing captured, then Enter, then the text.
    void Open(std::u16string_view text) {
        Digitar(U";\r");
        box.Inserir(text);
    }
};

// Edits in the open, each from a box holding "abcdef" with the caret moved
// to `caret` (and the anchor to `anchor`).
struct Edicao {
    const char* name;
    std::size_t anchor, caret;
    std::function<void(janelas::ModeloPergunta&)> edit;
    std::u16string_view text;
    std::size_t caretAfter;
};

class EdicaoNaCaixa : public ModeloPergunta, public ::testing::WithParamInterface<Edicao> {};

TEST_P(EdicaoNaCaixa, LandsAtTheCaretOrReplacesItsRange) {
    const Edicao& e = GetParam();
    Open(u"abcdef");
    box.Selecionar(e.anchor, e.caret);
    e.edit(box);
    EXPECT_EQ(Box(), e.text);
    EXPECT_EQ(box.Cursor(), e.caretAfter);
    EXPECT_EQ(box.Inicio(), box.Fim());
}

INSTANTIATE_TEST_SUITE_P(
    Aberta, EdicaoNaCaixa,
    ::testing::Values(
        Edicao{"WordFromTheSuggestionStrip", 2, 2, [](auto& b) { b.Inserir(u"hoje "); }, u"abhoje cdef", 7},
        Edicao{"PasteOverASelection", 1, 4, [](auto& b) { b.Inserir(u"XY"); }, u"aXYef", 3},
        Edicao{"SelectionMadeBackwards", 4, 1, [](auto& b) { b.Inserir(u"XY"); }, u"aXYef", 3},
        Edicao{"Replacement", 0, 0, [](auto& b) { b.Substituir(2, 4, u"ZZZ"); }, u"abZZZef", 5},
        Edicao{"ReplacementByNothing", 6, 6, [](auto& b) { b.Substituir(4, 2, u""); }, u"abef", 2},
        Edicao{"KeystrokeAtTheCaret", 3, 3, [](auto& b) { b.Teclar(u"X"); }, u"abcXdef", 4},
        Edicao{"BackspaceAtTheCaret", 3, 3, [](auto& b) { b.Teclar(toolkit::Tecla(Backspace)); }, u"abdef",
               2},
        Edicao{"DeleteAtTheCaret", 3, 3, [](auto& b) { b.ApagarAFrente(); }, u"abcef", 3},
        Edicao{"Cut", 1, 3, [](auto& b) { b.ApagarIntervalo(b.Inicio(), b.Fim()); }, u"adef", 1},
        Edicao{"WordBackwards", 3, 3, [](auto& b) { b.ApagarAtras(toolkit::Alcance::Palavra); }, u"def", 0},
        Edicao{"WordForwards", 3, 3, [](auto& b) { b.ApagarAFrente(toolkit::Alcance::Palavra); }, u"abc", 3},
        Edicao{"LineBackwards", 4, 4, [](auto& b) { b.ApagarAtras(toolkit::Alcance::Linha); }, u"ef", 0},
        Edicao{"RangeAKeyboardFound", 6, 6,
               [](auto& b) {
                   b.ApagarAtras(toolkit::Alcance::Caractere, janelas::Faixa{2, 6});
               },
               u"ab", 2},
        Edicao{"LineBreaksAndControlsInAPasteAreNoText", 6, 6, [](auto& b) { b.Inserir(u"x\r\ny\u0007\tz"); },
               u"abcdefxyz", 9}),
    [](const auto& info) { return std::string(info.param.name); });

// Whole characters only: erased, stepped over and limited as one.
TEST_F(ModeloPergunta, ACharacterOfSeveralCodePointsIsErasedAndSteppedOverWhole) {
    for (const std::u16string_view c : {Familia, EAgudo, Bandeira}) {
        box.DefinirTexto({});
        Open(std::u16string(u"a") + std::u16string(c) + u"b");
        box.Selecionar(1, 1);
        box.Selecionar(1, 2);  // an arrow that moved one code unit on
        EXPECT_EQ(box.Cursor(), 1 + c.size()) << "a caret never stands inside a character";
        box.Selecionar(1 + c.size() - 1, 1 + c.size() - 1);  // and one back
        EXPECT_EQ(box.Cursor(), 1u);
        box.ApagarAFrente();
        EXPECT_EQ(Box(), u"ab");
        box.Selecionar(1, 1);
        box.Inserir(c);
        box.Teclar(toolkit::Tecla(Backspace));
        EXPECT_EQ(Box(), u"ab");
    }
}

TEST_F(ModeloPergunta, TheLimitNeverCutsACharacterNorLeavesHoles) {
    Open(std::u16string(197, u'x'));
    box.Inserir(std::u16string(u"y") + std::u16string(Familia) + u"z");
    EXPECT_EQ(Box(), std::u16string(197, u'x') + u"y") << "the family does not fit, nor what follows it";
    box.Teclar(std::u16string(Bandeira));
    EXPECT_EQ(Box().size(), 198u) << "a flag is four units: refused whole";
}

TEST_F(ModeloPergunta, LoneSurrogatesNeverEnter) {
    Open(u"a");
    box.Inserir(
        u"\xD83D"
        u"b\xDE00"
        u"c\xD83D\xDE00");
    box.Teclar(u"\xDC00");
    EXPECT_EQ(Box(), u"abc😀");
    box.Inserir(u"\xD83D");  // an emoji sent as two insertions of half a pair each
    box.Inserir(u"\xDC4D");
    box.Teclar(u"\xD83D");
    box.Teclar(u"x");
    box.Teclar(u"\xDC4D");
    EXPECT_EQ(Box(), u"abc😀👍x") << "halves joined, and a half left alone dropped";
}

TEST_F(ModeloPergunta, ALockedBoxTakesNoEditButItsFilterStillRuns) {
    Open(u"abc");
    box.Travar(true);
    box.Inserir(u"x");
    box.Teclar(toolkit::Tecla(Backspace));
    box.ApagarAFrente();
    box.ApagarIntervalo(0, 3);
    EXPECT_EQ(Box(), u"abc");
    oraculo.CmdPergunta_Click();  // locks it and asks
    box.DefinirTexto({});
    box.Teclar(u";");
    EXPECT_TRUE(State().ModoSecreto) << "the filter ran on the locked box";
}

// Every deletion during a capture, from "ola mundo" captured (the box showing
// nine letters of the phrase) and the box's anchor and caret moved: what is
// left of the secret. The box then shows one letter for each of its
// characters, and the reveal is the secret as the master left it.
struct Apagamento {
    const char* name;
    std::size_t anchor, caret;
    std::function<void(janelas::ModeloPergunta&)> edit;
    std::u16string_view secret;
};

class ApagamentoNaCaptura : public ModeloPergunta, public ::testing::WithParamInterface<Apagamento> {};

TEST_P(ApagamentoNaCaptura, KeepsTheBoxAndTheSecretInStep) {
    Digitar(U";ola mundo");
    box.Selecionar(GetParam().anchor, GetParam().caret);
    GetParam().edit(box);
    EXPECT_EQ(State().Resposta, GetParam().secret);
    EXPECT_EQ(Box(), Phrase1.substr(0, GetParam().secret.size()));
    Digitar(U"X\r vai chover?");
    oraculo.CmdPergunta_Click();
    RevealAll();
    EXPECT_EQ(window.TxtResposta.text, std::u16string(GetParam().secret) + u"X");
}

using janelas::Faixa;
using toolkit::Alcance;
INSTANTIATE_TEST_SUITE_P(
    Captura, ApagamentoNaCaptura,
    ::testing::Values(
        Apagamento{"Backspace", 9, 9, [](auto& b) { b.ApagarAtras(Alcance::Caractere); }, u"ola mund"},
        Apagamento{"WordIsTheSecrets", 9, 9, [](auto& b) { b.ApagarAtras(Alcance::Palavra); }, u"ola "},
        Apagamento{"WordThePageFound", 9, 9,
                   [](auto& b) {
                       b.ApagarAtras(Alcance::Palavra, Faixa{7, 9});
                   },
                   u"ola "},
        Apagamento{"LineIsTheCapture", 9, 9, [](auto& b) { b.ApagarAtras(Alcance::Linha); }, u""},
        Apagamento{"AndroidsWordAsARange", 9, 9,
                   [](auto& b) {
                       b.ApagarAtras(Alcance::Caractere, Faixa{4, 9});
                   },
                   u"ola "},
        Apagamento{"SelectionToTheEnd", 9, 6, [](auto& b) { b.ApagarAtras(Alcance::Caractere); }, u"ola mu"},
        Apagamento{"ReplacementAtTheEnd", 9, 9, [](auto& b) { b.Substituir(7, 9, u"ão"); }, u"ola munão"},
        Apagamento{"RangeShortOfTheEnd", 9, 9, [](auto& b) { b.ApagarIntervalo(2, 5); }, u"ola mundo"},
        Apagamento{"Forward", 3, 3, [](auto& b) { b.ApagarAFrente(Alcance::Palavra); }, u"ola mundo"},
        Apagamento{"ForwardOverASelection", 5, 9, [](auto& b) { b.ApagarAFrente(); }, u"ola mundo"},
        Apagamento{"Cut", 5, 9, [](auto& b) { b.Recortar(); }, u"ola mundo"}),
    [](const auto& info) { return std::string(info.param.name); });

// The trick itself, with characters of several code points.
TEST_F(ModeloPergunta, AnEmojiTypedPointByPointInACaptureIsOneLetterAndOneBackspace) {
    Digitar(U";QZ");
    Digitar(U"👨\u200D👩\u200D👧");  // as a keyboard sends it: one code point at a time
    EXPECT_EQ(Box(), Phrase1.substr(0, 3)) << "one character, one letter of the phrase";
    Digitar(U"e\u0301");
    EXPECT_EQ(Box(), Phrase1.substr(0, 4));
    EXPECT_EQ(State().Resposta, std::u16string(u"QZ") + std::u16string(Familia) + std::u16string(EAgudo));

    Press(toolkit::teclas::Backspace);
    Press(toolkit::teclas::Backspace);
    EXPECT_EQ(State().Resposta, u"QZ") << "each Backspace took a whole character";
    EXPECT_EQ(Box(), Phrase1.substr(0, 2));

    box.Inserir(std::u16string(Bandeira) + u"!");  // pasted or from the suggestion strip
    EXPECT_EQ(Box(), Phrase1.substr(0, 4));
    Press(toolkit::teclas::Enter);
    Digitar(U"?");
    oraculo.CmdPergunta_Click();
    std::vector<std::u16string> shown;
    while (window.Timer.enabled) {
        oraculo.Timer_Timer();
        shown.push_back(window.TxtResposta.text);
    }
    EXPECT_EQ(shown, (std::vector<std::u16string>{u"Q", u"QZ", u"QZ🇧🇷", u"QZ🇧🇷!"})) << "revealed whole";
}

TEST_F(ModeloPergunta, AHugePasteIsShownOnceAndPastTheCountIsStillSwallowed) {
    std::u16string megabyte;
    for (int i = 0; i < (1 << 20) / 6; ++i) {
        megabyte += u"ab;ç😀";
    }
    Digitar(U";");
    int before = window.pergunta.shown;
    box.Inserir(megabyte);
    EXPECT_EQ(window.pergunta.shown, before + 1) << "one edit, one redraw";
    EXPECT_EQ(State().Mascarados, 32767);
    EXPECT_EQ(Box(), Phrase1);
    EXPECT_EQ(State().Resposta, megabyte.substr(0, 32767 / 5 * 6 + 32767 % 5))
        << "the first 32,767 characters";

    Press(toolkit::teclas::Enter);
    box.DefinirTexto({});
    before = window.pergunta.shown;
    box.Inserir(megabyte);
    EXPECT_EQ(window.pergunta.shown, before + 1);
    EXPECT_EQ(Box(), megabyte.substr(0, 200)) << "in the open, up to the limit";
}

}  // namespace
}  // namespace morvantis
