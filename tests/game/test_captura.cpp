#include <string>

#include "GameFixture.h"

namespace morvantis {
namespace {

using Captura = GameTest;

TEST_F(Captura, CaptureShowsPhraseNotKeys) {
    Digitar(U";sim");
    EXPECT_EQ(Box(), u"Mes");
    EXPECT_EQ(window.TxtPergunta.Cursor(), 3u);
    EXPECT_EQ(State().Resposta, u"sim");
    EXPECT_EQ(State().Mascarados, 3);
    EXPECT_TRUE(State().ModoSecreto);
    EXPECT_TRUE(State().SecretoUsado);
    EXPECT_EQ(State().Invocacao, Phrase1);
}

TEST_F(Captura, AccentsControlCharactersAndLaterSemicolonsAreCaptured) {
    Digitar(U";não; é\x01\x16😀");
    EXPECT_EQ(State().Resposta, u"não; é\x01\x16😀");
    EXPECT_EQ(State().Mascarados, 9) << "the emoji is one keystroke";
    EXPECT_EQ(Box(), Phrase1.substr(0, 9));
}

TEST_F(Captura, EnterEndsCaptureAndInsertsNothing) {
    Digitar(U";sim\r");
    EXPECT_FALSE(State().ModoSecreto);
    EXPECT_EQ(Box(), u"Mes");
    Digitar(U"tre, vou casar?");
    EXPECT_EQ(Box(), u"Mestre, vou casar?") << "the question follows the phrase in the open";
    EXPECT_EQ(State().Resposta, u"sim");
    Press(U'\r');
    EXPECT_EQ(Box(), u"Mestre, vou casar?");
}

TEST_F(Captura, SemicolonOnlyTriggersInABlankBox) {
    Digitar(U"a;b");
    EXPECT_EQ(Box(), u"a;b");
    EXPECT_FALSE(State().ModoSecreto);

    fake::PrincipalFalsa other;
    Oraculo fresh(other.Controls(), modulo);
    other.Wire(fresh);
    other.TxtPergunta.DefinirTexto(u"   ");
    other.TxtPergunta.DefinirCursor(3);
    fake::Digitar(other.TxtPergunta, U";");
    EXPECT_TRUE(fresh.Estado().ModoSecreto) << "a box of spaces counts as blank";
    EXPECT_EQ(other.TxtPergunta.Texto(), u"   ") << "the spaces stay until the first captured key";
    fake::Digitar(other.TxtPergunta, U"x");
    EXPECT_EQ(other.TxtPergunta.Texto(), u"M");

    fake::PrincipalFalsa tabbed;
    Oraculo third(tabbed.Controls(), modulo);
    tabbed.Wire(third);
    tabbed.TxtPergunta.DefinirTexto(u"\u00A0");
    fake::Digitar(tabbed.TxtPergunta, U";");
    EXPECT_FALSE(third.Estado().ModoSecreto) << "only U+0020 is trimmed";
}

TEST_F(Captura, TriggerWorksOncePerAsk) {
    Digitar(U";ab\r");
    window.TxtPergunta.DefinirTexto({});
    Press(U';');
    EXPECT_EQ(Box(), u"") << "the used trigger is swallowed";
    EXPECT_FALSE(State().ModoSecreto);
    EXPECT_EQ(State().Resposta, u"ab");
    Digitar(U";;");
    EXPECT_EQ(Box(), u"");
    EXPECT_EQ(gerador.draws, 1);
}

TEST_F(Captura, SemicolonIntoTheStillEmptyBoxIsSwallowedNotCaptured) {
    Digitar(U";;");
    EXPECT_EQ(State().Resposta, u"");
    EXPECT_EQ(Box(), u"");
    EXPECT_EQ(gerador.draws, 1) << "no second phrase is drawn";
}

TEST_F(Captura, BackspaceErasesFromBothTheBoxAndTheAnswer) {
    Digitar(U";abc\b");
    EXPECT_EQ(Box(), u"Me");
    EXPECT_EQ(window.TxtPergunta.Cursor(), 2u);
    EXPECT_EQ(State().Resposta, u"ab");
    EXPECT_EQ(State().Mascarados, 2);
    EXPECT_EQ(State().TamResposta, 3);
    EXPECT_EQ(State().TamPergunta, 3);
    Digitar(U"\b\b\b\b");
    EXPECT_EQ(Box(), u"");
    EXPECT_EQ(State().Resposta, u"") << "an erase on an empty box erases nothing";
    EXPECT_EQ(State().Mascarados, 0);
}

TEST_F(Captura, BackspaceOnEmptyBoxKeepsTheCapturedAnswer) {
    Digitar(U";abc");
    window.TxtPergunta.DefinirTexto({});  // Delete and arrows act on the box itself
    Press(U'\b');
    EXPECT_EQ(State().Resposta, u"abc");
    EXPECT_EQ(State().Mascarados, 3);
}

TEST_F(Captura, EraseAfterSpacesDrivesTheCountNegative) {
    window.TxtPergunta.DefinirTexto(u"  ");
    window.TxtPergunta.DefinirCursor(2);
    Digitar(U";\b");
    EXPECT_EQ(Box(), u" ");
    EXPECT_EQ(State().Mascarados, -1);
    EXPECT_EQ(State().Resposta, u"");
    Press(U'x');
    EXPECT_EQ(State().Mascarados, 0);
    EXPECT_EQ(Box(), u"") << "no letters of the phrase at a count of 0";
    EXPECT_EQ(State().Resposta, u"x");
}

TEST_F(Captura, CaptureLongerThanThePhraseShowsItWhole) {
    const auto length = Phrase1.size();
    Press(U';');
    Digitar(std::u32string(length + 15, U'k'));
    EXPECT_EQ(Box(), Phrase1);
    Press(U'\b');
    EXPECT_EQ(Box(), Phrase1.substr(0, length - 1));
    EXPECT_EQ(State().Resposta.size(), length + 14);
    Press(U'k');
    EXPECT_EQ(Box(), Phrase1);
}

TEST_F(Captura, NextCapturedKeyRepairsWhatDeleteDidToTheBox) {
    Digitar(U";abcd");
    window.TxtPergunta.DefinirTexto(u"Mst");  // Delete removed a letter of the phrase
    window.TxtPergunta.DefinirCursor(1);
    EXPECT_EQ(State().Resposta, u"abcd");
    Press(U'e');
    EXPECT_EQ(Box(), u"Mestr");
    EXPECT_EQ(window.TxtPergunta.Cursor(), 5u);
}

TEST_F(Captura, EraseRemovesACharacterOutsideTheSixteenBitRangeWhole) {
    Digitar(U";a😀\b");
    EXPECT_EQ(State().Resposta, u"a");
    window.TxtPergunta.DefinirTexto(u"M😀");
    Press(U'\b');
    EXPECT_EQ(Box(), u"M") << "no half of a pair is left in the box";
}

TEST_F(Captura, PlainTypingOutsideCaptureIsTheBoxsOwn) {
    Digitar(U"abc\bd");
    EXPECT_EQ(Box(), u"abd");
    EXPECT_EQ(State().Resposta, u"");
    EXPECT_EQ(State().Mascarados, 0);
}

TEST_F(Captura, SecondCaptureContinuesTheCount) {
    Digitar(U";abcde\r");
    window.TxtPergunta.DefinirTexto({});
    oraculo.CmdPergunta_Click();
    ASSERT_FALSE(State().SecretoUsado);
    gerador.Queue({0.5});
    Digitar(U";f");
    EXPECT_EQ(State().Mascarados, 6);
    EXPECT_EQ(Box(), u"Morvan") << "six letters of the newly drawn phrase 21";
}

TEST_F(Captura, CountSaturatesInsteadOfOverflowing) {
    Press(U';');
    const std::u32string many(40'000, U'x');
    Digitar(many);
    EXPECT_EQ(State().Mascarados, 32'767);
    EXPECT_EQ(State().Resposta.size(), 32'767u) << "further keys are swallowed, not captured";
    EXPECT_EQ(Box(), Phrase1);
    Press(U'\b');
    EXPECT_EQ(State().Mascarados, 32'766);
    Press(U'y');
    EXPECT_EQ(State().Resposta.back(), u'y');
}

TEST_F(Captura, ErasingAVeryLongBlankBoxStopsTheCountAtItsFloor) {
    window.TxtPergunta.DefinirTexto(std::u16string(33'000, u' '));
    Press(U';');
    for (int i = 0; i < 33'000; ++i) {
        Press(U'\b');
    }
    EXPECT_EQ(Box(), u"");
    EXPECT_EQ(State().Mascarados, -32'768);
    EXPECT_EQ(State().TamPergunta, 1);
    Press(U'x');
    EXPECT_EQ(State().Mascarados, -32'767);
    EXPECT_EQ(Box(), u"");
}

}  // namespace
}  // namespace morvantis
