// The flow between the windows, on a fake toolkit: start-up, "Entrar",
// "Sair", the help and about windows, and the end after which nothing runs.

#include <gtest/gtest.h>

#include <algorithm>

#include "Janelas.h"
#include "KitFalso.h"
#include "Programa.h"

namespace morvantis {
namespace {

using fake::JanelaFalsa;

class Fluxo : public ::testing::Test {
protected:
    Fluxo() { programa.Iniciar(); }

    JanelaFalsa& Entrada() { return *kit.Viva("FrmEntrada"); }
    // The position of an event in the story, or -1.
    long Quando(const std::string& evento) const {
        const auto it = std::find(kit.historia.begin(), kit.historia.end(), evento);
        return it == kit.historia.end() ? -1 : it - kit.historia.begin();
    }
    // Enters, then runs `dentro` inside the main window's modal loop.
    void EntrarE(std::function<void(JanelaFalsa&)> dentro) {
        kit.enquantoModal = [dentro = std::move(dentro)](JanelaFalsa& janela) {
            if (janela.Descricao().nome == "FrmMain") {
                dentro(janela);
            }
        };
        Entrada().Clicar("CmdEntrar");
        kit.RodarFila();
    }
    static void Digitar(JanelaFalsa& janela, std::u32string_view teclas) {
        for (const char32_t t : teclas) {
            janela.Teclar(t);
        }
    }
    static std::u16string Texto(JanelaFalsa& janela, const char* caixa) {
        return janela.Caixa(caixa).Texto();
    }

    fake::KitFalso kit;
    fake::GeradorFalso gerador{{0.0}};
    Programa programa{kit, gerador};
};

TEST_F(Fluxo, StartsOnTheEntryWindowAloneWithNothingSeeded) {
    EXPECT_EQ(kit.historia, std::vector<std::string>{"create FrmEntrada"});
    EXPECT_TRUE(Entrada().visivel);
    EXPECT_FALSE(Entrada().modal);
    EXPECT_EQ(programa.Principal(), nullptr);
    EXPECT_TRUE(gerador.seeds.empty());
}

TEST_F(Fluxo, SairOnTheEntryWindowEndsWithoutTheMainWindow) {
    Entrada().Clicar("CmdSair");
    kit.RodarFila();
    EXPECT_TRUE(kit.encerrado);
    EXPECT_EQ(Quando("create FrmMain"), -1);
    EXPECT_TRUE(gerador.seeds.empty());
}

TEST_F(Fluxo, EntrarDestroysTheEntryWindowBeforeTheMainWindowExists) {
    Entrada().Clicar("CmdEntrar");
    EXPECT_FALSE(Entrada().visivel) << "gone from the screen at once";
    EXPECT_EQ(Quando("create FrmMain"), -1) << "not inside the entry window's handler";

    std::size_t sementesAoMostrar = 0;
    kit.enquantoModal = [&](JanelaFalsa&) { sementesAoMostrar = gerador.seeds.size(); };
    kit.RodarFila();
    EXPECT_LT(Quando("destroy FrmEntrada"), Quando("create FrmMain"));
    EXPECT_LT(Quando("create FrmMain"), Quando("modal FrmMain"));
    EXPECT_EQ(kit.Viva("FrmEntrada"), nullptr);
    EXPECT_EQ(sementesAoMostrar, 1u) << "Form_Load ran once, before the window showed";
}

TEST_F(Fluxo, EntrarClickedTwiceOpensOneMainWindow) {
    JanelaFalsa& entrada = Entrada();
    entrada.Clicar("CmdEntrar");
    entrada.Clicar("CmdEntrar");
    kit.RodarFila();
    EXPECT_EQ(std::count(kit.historia.begin(), kit.historia.end(), "create FrmMain"), 1);
}

TEST_F(Fluxo, MainWindowClosedAnyOtherWayEndsTheProgram) {
    EntrarE([](JanelaFalsa&) {});
    EXPECT_TRUE(kit.encerrado);
}

TEST_F(Fluxo, TheTrickPlaysThroughTheMainWindowsControls) {
    EntrarE([&](JanelaFalsa& principal) {
        Digitar(principal, U";não\r?");
        EXPECT_EQ(Texto(principal, "TxtPergunta"), u"Mes?");
        principal.Clicar("CmdPergunta");
        while (principal.temporizadores.at("Timer")->enabled) {
            principal.pulso();
        }
        EXPECT_EQ(Texto(principal, "TxtResposta"), u"não");
        EXPECT_EQ(principal.foco.owner, "CmdNova");
        principal.Caixa("TxtResposta").Focar();
        EXPECT_EQ(principal.foco.owner, "TxtPergunta") << "the answer box hands the focus back";
        principal.ShiftTabPara("TxtResposta");
        EXPECT_EQ(principal.foco.owner, "CmdSair") << "Shift+Tab passes over the answer box";
    });
}

// "OK" empties the question box, closes its window and leaves the rest; the
// window is destroyed only once its handler has returned.
TEST_F(Fluxo, HelpAndAboutOpenOverTheMainWindowAndOKEmptiesTheQuestion) {
    for (const auto& [palavra, nome] :
         {std::pair{U"<ajuda>", "FrmAjuda"}, std::pair{U"<sobre>", "FrmSobre"}}) {
        SCOPED_TRACE(nome);
        fake::KitFalso k;
        fake::GeradorFalso g{{0.0}};
        Programa p{k, g};
        p.Iniciar();
        bool viuDialogo = false;
        k.enquantoModal = [&, palavra = palavra, nome = nome](JanelaFalsa& janela) {
            if (janela.Descricao().nome == "FrmMain") {
                Digitar(janela, palavra);
                janela.Clicar("CmdPergunta");
                EXPECT_EQ(Texto(janela, "TxtPergunta"), u"") << "emptied by OK";
                EXPECT_TRUE(janela.botoes.at("CmdPergunta")->enabled) << "the ask changed nothing";
                EXPECT_FALSE(janela.temporizadores.at("Timer")->enabled);
                EXPECT_EQ(k.Viva(nome), nullptr) << "destroyed once OK returned";
                return;
            }
            EXPECT_EQ(janela.Descricao().nome, nome);
            EXPECT_EQ(janela.dono, k.Viva("FrmMain")) << "modal over the main window";
            viuDialogo = true;
            janela.Clicar("CmdOK");
            EXPECT_TRUE(janela.fechada);
            EXPECT_EQ(k.Viva(nome), &janela) << "still valid inside its own handler";
            k.RodarFila();
        };
        k.Viva("FrmEntrada")->Clicar("CmdEntrar");
        k.RodarFila();
        EXPECT_TRUE(viuDialogo);
    }
}

TEST_F(Fluxo, NothingRunsAfterSairNotEvenWhatWasAlreadyQueued) {
    EntrarE([&](JanelaFalsa& principal) {
        Digitar(principal, U";sim\r?");
        principal.Clicar("CmdPergunta");
        principal.pulso();
        principal.botoes.at("CmdSair")->enabled = true;  // as if a click was queued earlier
        principal.Clicar("CmdSair");
        ASSERT_TRUE(kit.encerrado);

        principal.pulso();
        EXPECT_FALSE(principal.temporizadores.at("Timer")->enabled);
        EXPECT_EQ(Texto(principal, "TxtResposta"), u"s") << "no tick after the end";
        principal.botoes.at("CmdNova")->enabled = true;
        principal.Clicar("CmdNova");
        principal.Teclar(U'x');
        EXPECT_EQ(Texto(principal, "TxtPergunta"), u"Mes?");
        EXPECT_EQ(programa.Principal()->Jogo().Estado().Resposta, u"sim");
    });
}

// The main window opens from the event queue; a program gone by then (its
// toolkit closing down) opens nothing and touches nothing of itself.
TEST(FluxoVida, WorkQueuedByAProgramThatIsGoneNeverRuns) {
    fake::KitFalso kit;
    fake::GeradorFalso gerador{{0.0}};
    {
        Programa programa{kit, gerador};
        programa.Iniciar();
        kit.Viva("FrmEntrada")->Clicar("CmdEntrar");
    }
    ASSERT_EQ(kit.fila.size(), 1u);
    kit.RodarFila();
    EXPECT_EQ(std::count(kit.historia.begin(), kit.historia.end(), "create FrmMain"), 0);
}

}  // namespace
}  // namespace morvantis
