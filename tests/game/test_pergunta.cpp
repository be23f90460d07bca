#include <string>

#include "GameFixture.h"

namespace morvantis {
namespace {

using Pergunta = GameTest;

// The controls as a row of the cycle: buttons, lock, timer, focus.
struct Controls {
    bool pergunta, nova, sair, locked, timer;
    std::string focus;
    bool operator==(const Controls&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Controls& c) {
    return os << "{pergunta " << c.pergunta << ", nova " << c.nova << ", sair " << c.sair << ", locked "
              << c.locked << ", timer " << c.timer << ", focus " << c.focus << "}";
}

Controls Read(const fake::PrincipalFalsa& w) {
    return {w.CmdPergunta.enabled,   w.CmdNova.enabled, w.CmdSair.enabled,
            w.TxtPergunta.Travada(), w.Timer.enabled,   w.focus.owner};
}

TEST_F(Pergunta, WholeCycleWithACapturedAnswer) {
    EXPECT_EQ(Read(window), (Controls{true, false, true, false, false, "TxtPergunta"}));
    Digitar(U";Sim, em maio.\rtre, vou casar?");
    oraculo.CmdPergunta_Click();
    EXPECT_EQ(Read(window), (Controls{false, false, false, true, true, "TxtPergunta"}));
    EXPECT_FALSE(State().ModoSecreto);
    EXPECT_FALSE(State().SecretoUsado);

    oraculo.Timer_Timer();
    EXPECT_EQ(window.TxtResposta.text, u"S") << "one character per tick";
    oraculo.Timer_Timer();
    EXPECT_EQ(window.TxtResposta.text, u"Si");
    EXPECT_EQ(RevealAll() + 2, 13);
    EXPECT_EQ(window.TxtResposta.text, u"Sim, em maio.");
    EXPECT_EQ(Read(window), (Controls{false, true, true, true, false, "CmdNova"}));

    oraculo.CmdNova_Click();
    EXPECT_EQ(Read(window), (Controls{true, false, true, false, false, "TxtPergunta"}));
    EXPECT_EQ(Box(), u"");
    EXPECT_EQ(window.TxtResposta.text, u"");
    EXPECT_EQ(State().Resposta, u"");
    EXPECT_EQ(State().Mascarados, 0);
    EXPECT_EQ(State().Contador, 0);
    EXPECT_EQ(State().Invocacao, Phrase1) << "the new question keeps the last phrase";
}

TEST_F(Pergunta, QuestionWithoutCaptureGetsAnInsult) {
    gerador.Queue({0.0, 0.99});
    Digitar(U"Vou ficar rico?");
    oraculo.CmdPergunta_Click();
    EXPECT_EQ(State().Desaforo, Insult1);
    EXPECT_EQ(RevealAll(), static_cast<int>(Insult1.size()));
    EXPECT_EQ(window.TxtResposta.text, Insult1);

    oraculo.CmdNova_Click();
    Digitar(U"E agora?");
    oraculo.CmdPergunta_Click();
    EXPECT_EQ(State().Resposta, u"Você ta\u00A0me achando com cara de profeta...") << "a fresh draw";
}

TEST_F(Pergunta, EmptyBoxGetsTheComplaintEvenAfterACapture) {
    Digitar(U";segredo\r");
    window.TxtPergunta.DefinirTexto({});
    oraculo.CmdPergunta_Click();
    EXPECT_EQ(State().Resposta, u"Você não quer que eu adivinhe a sua pergunta!");
    EXPECT_EQ(RevealAll(), 45);
    EXPECT_EQ(gerador.draws, 1) << "only the phrase was drawn, no insult";
}

TEST_F(Pergunta, QuestionOfSpacesIsStillAQuestion) {
    Digitar(U"   ");
    oraculo.CmdPergunta_Click();
    EXPECT_EQ(State().Resposta, Insult1);
}

TEST_F(Pergunta, CommandWordsOpenTheirWindowsAndChangeNothing) {
    for (const auto& [word, window_name] :
         {std::pair{U"<ajuda>", "FrmAjuda"}, std::pair{U"<sobre>", "FrmSobre"}}) {
        window.Janelas.shown.clear();
        window.TxtPergunta.DefinirTexto({});
        Digitar(word);
        const auto before = Read(window);
        oraculo.CmdPergunta_Click();
        ASSERT_EQ(window.Janelas.shown.size(), 1u);
        EXPECT_EQ(window.Janelas.shown[0], window_name);
        EXPECT_EQ(Read(window), before);
        EXPECT_EQ(State().Resposta, u"");
    }
    EXPECT_EQ(gerador.draws, 0);
}

TEST_F(Pergunta, NearMissesOfTheCommandWordsArePlainQuestions) {
    for (const std::u32string_view word : {U"<Ajuda>", U" <sobre>", U"<sobre> ", U"<AJUDA>", U"ajuda"}) {
        fake::PrincipalFalsa w;
        Oraculo o(w.Controls(), modulo);
        w.Wire(o);
        fake::Digitar(w.TxtPergunta, word);
        o.CmdPergunta_Click();
        EXPECT_TRUE(w.Janelas.shown.empty());
        EXPECT_TRUE(w.Timer.enabled);
        EXPECT_EQ(o.Estado().Resposta, Insult1);
    }
}

TEST_F(Pergunta, CapturedWordThatSpellsACommandIsOnlyAnAnswer) {
    Digitar(U";<ajuda>\r");
    window.TxtPergunta.DefinirTexto(u"<sobre>");
    oraculo.CmdPergunta_Click();
    EXPECT_EQ(window.Janelas.shown, std::vector<std::string>{"FrmSobre"});
    EXPECT_EQ(State().Resposta, u"<ajuda>") << "the captured answer waits for a real ask";
}

TEST_F(Pergunta, CaptureDuringTheRevealExtendsIt) {
    Digitar(U";ab\r");
    window.TxtPergunta.DefinirTexto({});
    window.TxtPergunta.DefinirTexto(u"?");
    oraculo.CmdPergunta_Click();
    oraculo.Timer_Timer();
    window.TxtPergunta.DefinirTexto({});  // the locked box still runs its filter
    Digitar(U";cd");
    EXPECT_TRUE(window.TxtPergunta.Travada());
    EXPECT_EQ(State().Resposta, u"abcd");
    EXPECT_EQ(RevealAll(), 3);
    EXPECT_EQ(window.TxtResposta.text, u"abcd");
}

TEST_F(Pergunta, RevealNeverShowsHalfOfASurrogatePair) {
    Digitar(U";a😀b🎉\r?");
    oraculo.CmdPergunta_Click();
    std::vector<std::u16string> seen;
    while (window.Timer.enabled) {
        oraculo.Timer_Timer();
        seen.push_back(window.TxtResposta.text);
    }
    EXPECT_EQ(seen, (std::vector<std::u16string>{u"a", u"a😀", u"a😀b", u"a😀b🎉"}));
}

TEST_F(Pergunta, FocusNeverRestsOnTheAnswerBox) {
    window.TxtResposta.Focar();
    EXPECT_EQ(window.focus.owner, "TxtPergunta");
}

TEST_F(Pergunta, SairEndsTheProgram) {
    oraculo.CmdSair_Click();
    EXPECT_TRUE(window.Programa.ended);
}

TEST_F(Pergunta, LoadSeedsTheGeneratorOnce) {
    oraculo.Form_Load();
    EXPECT_EQ(gerador.seeds.size(), 1u);
    EXPECT_EQ(gerador.draws, 0);
}

}  // namespace
}  // namespace morvantis
