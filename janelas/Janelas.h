#pragma once

// The four windows of the program, as data: the entry window with its
// warning and painting, the oracle's main window, and the help and about
// windows it opens. Every caption, text, place, size and colour of a window
// lives here and nowhere else; each toolkit builds its controls from these
// descriptions.

#include <array>

#include "Descricao.h"

#ifndef MORVANTIS_VERSAO
#error "MORVANTIS_VERSAO (the version as the program shows it, e.g. \"1.00\") comes from the build"
#endif

namespace morvantis::janelas {

namespace detalhe {

inline constexpr Cor Vermelho = Cor::Explicita(255, 0, 0);
inline constexpr Cor Branco = Cor::Explicita(255, 255, 255);
inline constexpr Cor AmareloClaro = Cor::Explicita(255, 255, 192);
inline constexpr Fonte Dialogo{Fonte::Face::Dialogo, 8.0};
inline constexpr Fonte Verdana{Fonte::Face::Verdana, 8.25};
inline constexpr Fonte VerdanaGrande{Fonte::Face::Verdana, 15.75};

// One paragraph, wrapped by the label.
inline constexpr std::u16string_view Aviso =
    u"Morvantis foi criado para provar a influencia dos demônios na computação e antes de entrar e bom "
    u"saber que sua vida nunca mais será a mesma daqui para frente, portanto essa decisão é só sua. "
    u"Caso você queira seguir em frente clique em 'Entrar' mas não se esqueça, livre sua cabeça de "
    u"pensamentos que possam lhe trazer o mal e nunca divide das palavras de Morvantis.";

// Every line ends with CR LF, the last one too.
inline constexpr std::u16string_view TextoAjuda =
    u"Bem, se você acha que este é um programa que realmente \r\n"              // 1
    u"responde as coisas por que ele sabe, esta realmente errado, pois \r\n"    // 2
    u"nesse programa você é quem digita a resposta, no caso o \r\n"             // 3
    u"mestre, e enquanto, o mestre digita as resposta ela não aparece \r\n"     // 4
    u"no campo da pergunta, por que quando você(Mestre) esta \r\n"              // 5
    u"digitando, aparece aquelas frases \"Mestre maravilhoso, \r\n"             // 6
    u"idolatrado...\" e essas coisas. Ai você engana quem esta vendo \r\n"      // 7
    u"que acha que você esta digitando as frases \"Mestre maravilhoso, \r\n"    // 8
    u"idolatrado...\". Entendeu? acho que sim. Mas como fazer para \r\n"        // 9
    u"acontecer isso? é muito simples, você no caso o mestre aperta a \r\n"     // 10
    u"tecla \";\" e ai começa a digitar as resposta, quando você acabar \r\n"   // 11
    u"de colocar as resposta aperte \"Enter\" que ele voltará a escrever \r\n"  // 12
    u"normalmente. Caso a pessoa que esta escrevendo não seja o \r\n"           // 13
    u"mestre, o programa irá dar as resposta tipo \"Sai daqui babaca, \r\n"     // 14
    u"aqui você não tem vez...\" e essas coisas.. ai a pessoa acha que \r\n"    // 15
    u"você é o mestre pois ele só responde pra você. Mas como o \r\n"           // 16
    u"programa sabe que não é o mestre? Simple, a pessoa\r\n"                   // 17
    u"não apertou \";\". Agora se você já foi enganado por algum amigo \r\n"    // 18
    u"seu, não deixe queto pois ele te fez realmente de bobo. E ai \r\n"        // 19
    u"agora você mostra pra ele que também é o mestre de \r\n"                  // 20
    u"Morvantis. Divirta-se com seus amigos.\"\r\n";                            // 21

// Two spaces after "integridade".
inline constexpr std::u16string_view NotaDistribuicao =
    u"Este programa é de distribuição livre e pode ser copiado e repassado aos amigos, desde que "
    u"mantida a sua integridade  e sem nenhuma cobrança.";
// Ends with a space.
inline constexpr std::u16string_view Creditos =
    u"Programação e arte: Tavro Brasil - versão " MORVANTIS_VERSAO u" ";

inline constexpr std::array ControlesEntrada{
    Controle{.tipo = Tipo::Rotulo,
             .nome = "Label1",
             .texto = u"Morvantis:",
             .area = Twips(3600, 120, 1080, 195),
             .ordemTab = 0,
             .corTexto = Vermelho,
             .ajustaAoTexto = true},
    Controle{.tipo = Tipo::Rotulo,
             .nome = "Label2",
             .texto = Aviso,
             .area = Twips(3600, 360, 2775, 2775),
             .ordemTab = 1,
             .corTexto = Cor::DoSistema(CorSistema::TextoRealce),
             .quebraLinhas = true},
    Controle{.tipo = Tipo::Botao,
             .nome = "CmdEntrar",
             .texto = u"Entrar",
             .area = Twips(3600, 4440, 1215, 375),
             .ordemTab = 2},
    Controle{.tipo = Tipo::Botao,
             .nome = "CmdSair",
             .texto = u"Sair",
             .area = Twips(5040, 4440, 1215, 375),
             .ordemTab = 3},
    Controle{.tipo = Tipo::Imagem,
             .nome = "Image1",
             .area = Twips(120, 120, 3285, 4725),
             .figura = Figura::Pintura},
};

inline constexpr std::array ControlesPrincipal{
    Controle{.tipo = Tipo::Caixa,
             .nome = "TxtPergunta",
             .area = Twips(240, 600, 9015, 285),
             .ordemTab = 0,
             .corTexto = Cor::DoSistema(CorSistema::TextoMenu),
             .corFundo = Cor::DoSistema(CorSistema::BordaAtiva),
             .maximoCaracteres = 200,
             .nomeAcessivel = u"Pergunta"},
    Controle{.tipo = Tipo::Rotulo,
             .nome = "Label1",
             .texto = u"Digite sua pergunta:",
             .area = Twips(240, 360, 1425, 195),
             .ordemTab = 1,
             .corTexto = Cor::DoSistema(CorSistema::TextoRealce),
             .ajustaAoTexto = true},
    Controle{.tipo = Tipo::Botao,
             .nome = "CmdPergunta",
             .texto = u"Perguntar",
             .area = Twips(240, 1320, 2295, 375),
             .ordemTab = 2},
    Controle{.tipo = Tipo::Botao,
             .nome = "CmdNova",
             .texto = u"Nova pergunta",
             .area = Twips(3600, 1320, 2295, 375),
             .ordemTab = 3,
             .habilitado = false},
    Controle{.tipo = Tipo::Botao,
             .nome = "CmdSair",
             .texto = u"Sair",
             .area = Twips(6960, 1320, 2295, 375),
             .ordemTab = 4},
    Controle{.tipo = Tipo::Caixa,
             .nome = "TxtResposta",
             .area = Twips(240, 4320, 9015, 375),
             .ordemTab = 5,
             .corFundo = Cor::DoSistema(CorSistema::BordaAtiva),
             .multiLinha = true,
             .barraVertical = true,
             .quebraLinhas = true,
             .alinhamento = Alinhamento::Centro,
             .nomeAcessivel = u"Resposta"},
    Controle{.tipo = Tipo::Temporizador, .nome = "Timer", .habilitado = false, .intervaloMs = 10},
};

inline constexpr std::array ControlesAjuda{
    Controle{.tipo = Tipo::Rotulo,
             .nome = "Label1",
             .texto = u"Morvantis:",
             .area = Twips(120, 120, 1080, 195),
             .ordemTab = 0,
             .corTexto = Vermelho,
             .ajustaAoTexto = true},
    Controle{.tipo = Tipo::Caixa,
             .nome = "Text1",
             .texto = TextoAjuda,
             .area = Twips(120, 360, 6015, 4455),
             .ordemTab = 1,
             .travado = true,
             .multiLinha = true,
             .barraVertical = true,
             .quebraLinhas = true},
    Controle{.tipo = Tipo::Botao,
             .nome = "CmdOK",
             .texto = u"OK",
             .area = Twips(4920, 4920, 1215, 375),
             .ordemTab = 2},
};

inline constexpr std::array ControlesSobre{
    Controle{.tipo = Tipo::Rotulo,
             .nome = "Label1",
             .texto = u"Morvantis",
             .area = Twips(4080, 240, 1830, 375),
             .ordemTab = 0,
             .corTexto = Vermelho,
             .fonte = VerdanaGrande,
             .ajustaAoTexto = true},
    Controle{.tipo = Tipo::Rotulo,
             .nome = "Label2",
             .texto = NotaDistribuicao,
             .area = Twips(3600, 960, 2760, 1035),
             .ordemTab = 1,
             .corTexto = Branco,
             .fonte = Verdana,
             .quebraLinhas = true},
    Controle{.tipo = Tipo::Rotulo,
             .nome = "Label3",
             .texto = Creditos,
             .area = Twips(3960, 4320, 2415, 495),
             .ordemTab = 2,
             .corTexto = AmareloClaro,
             .fonte = Verdana,
             .quebraLinhas = true},
    Controle{.tipo = Tipo::Botao,
             .nome = "CmdOK",
             .texto = u"OK",
             .area = Twips(5040, 3840, 1215, 375),
             .ordemTab = 3},
    Controle{.tipo = Tipo::Imagem,
             .nome = "Image2",
             .area = Twips(3720, 2520, 2625, 750),
             .figura = Figura::Faixa},
    // Horizontal rules one pixel high.
    Controle{.tipo = Tipo::Linha,
             .nome = "Line2",
             .area = Twips(3480, 3720, 3000, 15),
             .corTexto = Cor::DoSistema(CorSistema::TextoTituloAtivo)},
    Controle{.tipo = Tipo::Linha,
             .nome = "Line1",
             .area = Twips(3480, 2040, 3000, 15),
             .corTexto = Cor::DoSistema(CorSistema::TextoTituloAtivo)},
    Controle{.tipo = Tipo::Imagem,
             .nome = "Image1",
             .area = Twips(120, 120, 3285, 4725),
             .figura = Figura::Pintura},
};

}  // namespace detalhe

// The start-up window: a warning beside the painting, "Entrar" and "Sair".
inline constexpr Janela Entrada{.nome = "FrmEntrada",
                                .nomeAcessivel = u"Morvantis: entrada",
                                .cliente = TwipsCliente(6465, 4980),
                                .fundo = Cor::DoSistema(CorSistema::TextoMenu),
                                .fonte = detalhe::Verdana,
                                .controles = detalhe::ControlesEntrada};

// The oracle: the question box, three buttons, the answer box, the timer.
inline constexpr Janela Principal{.nome = "FrmMain",
                                  .nomeAcessivel = u"Morvantis",
                                  .cliente = TwipsCliente(9525, 4845),
                                  .fundo = Cor::DoSistema(CorSistema::TextoJanela),
                                  .fonte = detalhe::Dialogo,
                                  .controles = detalhe::ControlesPrincipal};

// Opened by the question "<ajuda>": the trick explained.
inline constexpr Janela Ajuda{.nome = "FrmAjuda",
                              .nomeAcessivel = u"Morvantis: ajuda",
                              .cliente = TwipsCliente(6240, 5370),
                              .fundo = Cor::DoSistema(CorSistema::TextoBotao),
                              .fonte = detalhe::Verdana,
                              .controles = detalhe::ControlesAjuda};

// Opened by the question "<sobre>": the name, the distribution note, the
// credits.
inline constexpr Janela Sobre{.nome = "FrmSobre",
                              .nomeAcessivel = u"Morvantis: sobre",
                              .cliente = TwipsCliente(6525, 4950),
                              .fundo = Cor::DoSistema(CorSistema::TextoBotao),
                              .fonte = detalhe::Dialogo,
                              .controles = detalhe::ControlesSobre};

inline constexpr std::array<const Janela*, 4> Todas{&Entrada, &Principal, &Ajuda, &Sobre};

// The question box's own menu, where the toolkit draws one for it (the page
// leaves the browser's): each entry's caption, "&" before its access key.
namespace menu {
inline constexpr std::u16string_view Recortar = u"Recor&tar";
inline constexpr std::u16string_view Copiar = u"&Copiar";
inline constexpr std::u16string_view Colar = u"C&olar";
inline constexpr std::u16string_view Excluir = u"&Excluir";
inline constexpr std::u16string_view SelecionarTudo = u"Selecionar &tudo";
}  // namespace menu

}  // namespace morvantis::janelas
