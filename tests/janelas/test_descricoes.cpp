// The four window descriptions against the layout the windows were drawn
// with: every place in pixels, every kind, tab place, colour and text.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "Janelas.h"

namespace morvantis::janelas {
namespace {

using enum Tipo;

struct Esperado {
    const Janela* janela;
    const char* nome;
    Tipo tipo;
    Area area;  // pixels
    int ordemTab;
    std::u16string_view texto;
};

// Pixels as the layout gives them beside its twips.
const Esperado Controles[] = {
    {&Entrada, "CmdSair", Botao, {336, 296, 81, 25}, 3, u"Sair"},
    {&Entrada, "CmdEntrar", Botao, {240, 296, 81, 25}, 2, u"Entrar"},
    {&Entrada, "Label2", Rotulo, {240, 24, 185, 185}, 1, {}},
    {&Entrada, "Label1", Rotulo, {240, 8, 72, 13}, 0, u"Morvantis:"},
    {&Entrada, "Image1", Imagem, {8, 8, 219, 315}, -1, {}},
    {&Principal, "CmdSair", Botao, {464, 88, 153, 25}, 4, u"Sair"},
    {&Principal, "CmdNova", Botao, {240, 88, 153, 25}, 3, u"Nova pergunta"},
    {&Principal, "CmdPergunta", Botao, {16, 88, 153, 25}, 2, u"Perguntar"},
    {&Principal, "TxtPergunta", Caixa, {16, 40, 601, 19}, 0, u""},
    {&Principal, "TxtResposta", Caixa, {16, 288, 601, 25}, 5, u""},
    {&Principal, "Label1", Rotulo, {16, 24, 95, 13}, 1, u"Digite sua pergunta:"},
    {&Ajuda, "CmdOK", Botao, {328, 328, 81, 25}, 2, u"OK"},
    {&Ajuda, "Text1", Caixa, {8, 24, 401, 297}, 1, {}},
    {&Ajuda, "Label1", Rotulo, {8, 8, 72, 13}, 0, u"Morvantis:"},
    {&Sobre, "CmdOK", Botao, {336, 256, 81, 25}, 3, u"OK"},
    {&Sobre, "Image2", Imagem, {248, 168, 175, 50}, -1, {}},
    {&Sobre, "Line2", Linha, {232, 248, 200, 1}, -1, {}},
    {&Sobre, "Line1", Linha, {232, 136, 200, 1}, -1, {}},
    {&Sobre, "Label3", Rotulo, {264, 288, 161, 33}, 2, {}},
    {&Sobre, "Label2", Rotulo, {240, 64, 184, 69}, 1, {}},
    {&Sobre, "Label1", Rotulo, {272, 16, 122, 25}, 0, u"Morvantis"},
    {&Sobre, "Image1", Imagem, {8, 8, 219, 315}, -1, {}},
};

TEST(Descricoes, EveryControlSitsWhereTheLayoutPutsIt) {
    std::size_t contados = 0;
    for (const Esperado& l : Controles) {
        SCOPED_TRACE(std::string(l.janela->nome) + "." + l.nome);
        const Controle* c = l.janela->Achar(l.nome);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->tipo, l.tipo);
        EXPECT_EQ(c->area, l.area);
        EXPECT_EQ(c->ordemTab, l.ordemTab);
        if (l.texto.data() != nullptr) {
            EXPECT_TRUE(c->texto == l.texto);
        }
        ++contados;
    }
    std::size_t descritos = 0;
    for (const Janela* j : Todas) {
        for (const Controle& c : j->controles) {
            descritos += c.tipo == Temporizador ? 0 : 1;
        }
    }
    EXPECT_EQ(contados, descritos) << "a control the layout does not have";
}

TEST(Descricoes, WindowsHaveTheirSizeGroundAndFont) {
    struct {
        const Janela* janela;
        Tamanho cliente;
        CorSistema fundo;
        Fonte::Face face;
    } const linhas[] = {
        {&Entrada, {431, 332}, CorSistema::TextoMenu, Fonte::Face::Verdana},
        {&Principal, {635, 323}, CorSistema::TextoJanela, Fonte::Face::Dialogo},
        {&Ajuda, {416, 358}, CorSistema::TextoBotao, Fonte::Face::Verdana},
        {&Sobre, {435, 330}, CorSistema::TextoBotao, Fonte::Face::Dialogo},
    };
    for (const auto& l : linhas) {
        SCOPED_TRACE(std::string(l.janela->nome));
        EXPECT_EQ(l.janela->cliente, l.cliente);
        EXPECT_EQ(l.janela->fundo, Cor::DoSistema(l.fundo));
        EXPECT_EQ(ValorClassico(l.fundo), (Rgb{0, 0, 0})) << "every window is black";
        EXPECT_EQ(l.janela->fonte.face, l.face);
        EXPECT_EQ(l.janela->fonte.Pixels(), 11);
    }
    EXPECT_EQ(Sobre.FonteDe(*Sobre.Achar("Label1")).Pixels(), 21) << "15.75 points";
}

// What a toolkit relies on: names to find controls by, a tab order that
// counts up, nothing outside the client area or on top of another control.
TEST(Descricoes, ControlsAreInTabOrderInsideTheWindowAndApart) {
    for (const Janela* j : Todas) {
        SCOPED_TRACE(std::string(j->nome));
        std::set<std::string_view> nomes;
        int proximaTab = 0;
        bool semTab = false;
        for (std::size_t i = 0; i < j->controles.size(); ++i) {
            const Controle& c = j->controles[i];
            EXPECT_TRUE(nomes.insert(c.nome).second) << c.nome;
            if (c.ordemTab < 0) {
                semTab = true;
            } else {
                EXPECT_FALSE(semTab) << c.nome << " follows a control with no tab place";
                EXPECT_EQ(c.ordemTab, proximaTab++) << c.nome;
            }
            if (c.tipo == Temporizador) {
                continue;
            }
            EXPECT_GE(c.area.x, 0);
            EXPECT_GE(c.area.y, 0);
            EXPECT_LE(c.area.x + c.area.largura, j->cliente.largura) << c.nome;
            EXPECT_LE(c.area.y + c.area.altura, j->cliente.altura) << c.nome;
            for (std::size_t k = i + 1; k < j->controles.size(); ++k) {
                const Area& a = c.area;
                const Area& b = j->controles[k].area;
                const bool apart = a.x + a.largura <= b.x || b.x + b.largura <= a.x ||
                                   a.y + a.altura <= b.y || b.y + b.altura <= a.y;
                EXPECT_TRUE(apart || j->controles[k].tipo == Temporizador)
                    << c.nome << " overlaps " << j->controles[k].nome;
            }
        }
    }
}

TEST(Descricoes, MainWindowStartsAsTheGameExpects) {
    EXPECT_FALSE(Principal.Achar("CmdNova")->habilitado);
    EXPECT_TRUE(Principal.Achar("CmdPergunta")->habilitado);
    EXPECT_TRUE(Principal.Achar("CmdSair")->habilitado);
    const Controle& timer = *Principal.Achar("Timer");
    EXPECT_EQ(timer.intervaloMs, 10);
    EXPECT_FALSE(timer.habilitado);
    const Controle& pergunta = *Principal.Achar("TxtPergunta");
    EXPECT_EQ(pergunta.maximoCaracteres, 200);
    EXPECT_FALSE(pergunta.multiLinha);
    EXPECT_EQ(pergunta.corFundo, Cor::DoSistema(CorSistema::BordaAtiva));
    EXPECT_EQ(pergunta.corTexto, Cor::DoSistema(CorSistema::TextoMenu));
    const Controle& resposta = *Principal.Achar("TxtResposta");
    EXPECT_TRUE(resposta.multiLinha && resposta.barraVertical && resposta.quebraLinhas);
    EXPECT_EQ(resposta.alinhamento, Alinhamento::Centro);
    EXPECT_TRUE(resposta.corTexto.EhPadrao());
    EXPECT_TRUE(pergunta.NomeAcessivel() == u"Pergunta");
    EXPECT_TRUE(resposta.NomeAcessivel() == u"Resposta");
    EXPECT_TRUE(Principal.Achar("CmdSair")->NomeAcessivel() == u"Sair");
}

TEST(Descricoes, LabelColours) {
    const Cor vermelho = Cor::Explicita(255, 0, 0);
    EXPECT_EQ(Entrada.Achar("Label1")->corTexto, vermelho);
    EXPECT_EQ(Ajuda.Achar("Label1")->corTexto, vermelho);
    EXPECT_EQ(Sobre.Achar("Label1")->corTexto, vermelho);
    EXPECT_EQ(Entrada.Achar("Label2")->corTexto, Cor::DoSistema(CorSistema::TextoRealce));
    EXPECT_EQ(Principal.Achar("Label1")->corTexto, Cor::DoSistema(CorSistema::TextoRealce));
    EXPECT_EQ(Sobre.Achar("Label2")->corTexto, Cor::Explicita(255, 255, 255));
    EXPECT_EQ(Sobre.Achar("Label3")->corTexto, Cor::Explicita(255, 255, 192));
    EXPECT_EQ(Sobre.Achar("Line1")->corTexto, Cor::DoSistema(CorSistema::TextoTituloAtivo));
    EXPECT_EQ(ValorClassico(CorSistema::TextoTituloAtivo), (Rgb{255, 255, 255}));
    EXPECT_EQ(ValorClassico(CorSistema::BordaAtiva), (Rgb{212, 208, 200}));
}

TEST(Descricoes, LongTextsKeepEverySpace) {
    const std::u16string_view aviso = Entrada.Achar("Label2")->texto;
    EXPECT_EQ(aviso.size(), 365u);
    EXPECT_TRUE(aviso.starts_with(u"Morvantis foi criado para provar"));
    EXPECT_TRUE(aviso.ends_with(u"palavras de Morvantis."));

    const std::u16string_view nota = Sobre.Achar("Label2")->texto;
    EXPECT_EQ(nota.size(), 141u);
    EXPECT_NE(nota.find(u"integridade  e sem"), std::u16string_view::npos);

    const std::u16string_view creditos = Sobre.Achar("Label3")->texto;
    EXPECT_EQ(creditos.size(), 47u);
    EXPECT_TRUE(creditos.ends_with(u"versão " MORVANTIS_VERSAO u" "));
}

TEST(Descricoes, HelpTextHasItsTwentyOneLines) {
    const Controle& texto = *Ajuda.Achar("Text1");
    EXPECT_TRUE(texto.travado && texto.multiLinha && texto.barraVertical && texto.quebraLinhas);
    const std::u16string_view ajuda = texto.texto;
    EXPECT_EQ(ajuda.size(), 1278u);
    std::size_t inicio = 0;
    int linha = 0;
    while (inicio < ajuda.size()) {
        const std::size_t fim = ajuda.find(u"\r\n", inicio);
        ASSERT_NE(fim, std::u16string_view::npos) << "line " << linha + 1 << " ends with CR LF";
        ++linha;
        const bool espacoNoFim = ajuda[fim - 1] == u' ';
        EXPECT_EQ(espacoNoFim, linha != 17 && linha != 21) << "line " << linha;
        inicio = fim + 2;
    }
    EXPECT_EQ(linha, 21);
    EXPECT_TRUE(ajuda.starts_with(u"Bem, se você acha que este é um programa que realmente \r\n"));
    EXPECT_NE(ajuda.find(u"\r\ntecla \";\" e ai começa a digitar as resposta, quando você acabar \r\n"),
              std::u16string_view::npos);
    EXPECT_TRUE(ajuda.ends_with(u"\r\nMorvantis. Divirta-se com seus amigos.\"\r\n"));
}

}  // namespace
}  // namespace morvantis::janelas
