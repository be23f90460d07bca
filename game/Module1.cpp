#include "Module1.h"

#include <array>
#include <chrono>
#include <cmath>
#include <string_view>

namespace morvantis {

namespace {

// Every character counts: the texts are shown one character at a time, so
// trailing spaces, the doubled space of entry 6 and the non-breaking spaces
// (\u00A0) are part of them.
constexpr std::array<std::u16string_view, Module1::TamanhoTabela> Invocacoes = {
    u"Mestre maravilhoso, idolatrado por toda humanidade, peço-lhe... ",                                // 1
    u"Querido Computador estamos aqui para pedir que se for possível que você nos diga ",               // 2
    u"Me responda querido Morvantis, sei que não vai errar, por isso lhe pergunto ",                    // 3
    u"O maravihoso idolotrado Computador, minha vida, motivo maior da minha existência ",               // 4
    u"Computadorzinho, você é muito inteligente então me responda com delicadeza ",                     // 5
    u"Querido Morvantis você o maravilhoso então  me responda esta pergunta, ",                         // 6
    u"Quero saber de você meu computador, claro que se não for pedir demais, que você diga-me ",        // 7
    u"Meu amigo computador, companheiro de todas as horas, me responda com toda sua sabedoria ",        // 8
    u"Responda pra\u00A0quem te conhece e lhe reconhece como um verdadeiro amigo",                      // 9
    u"Por ser que você poderia me responder, se não lhe incomodar, seja sincero ",                      // 10
    u"Me responda essa pergunta, por favor, com toda a vontade to mundo, eu lhe imploro ",              // 11
    u"Querido e maravilhoso computador, quero que você me responda o que te pergunto ",                 // 12
    u"Mestre, quero que me responde esta humilde pergunta, não me decepcionando ",                      // 13
    u"Vamos meu querido amigão de todas as horas, me responda o que lhe pergunto ",                     // 14
    u"Morvantis peço lhe com educação que me responda esta pergunta",                                   // 15
    u"Computador, amigão de todas as horas, que acompanha tudo que eu falo na internet e etc, ",        // 16
    u"Peço-lhe que se não for incomodo que me responda esta querida questão ",                          // 17
    u"Responda-me mestre, conto toda sua boa vontade, eu te pergunto,",                                 // 18
    u"Querido mestre da escuridão estamos aqui para pedir que o senhor nos diga,",                      // 19
    u"O meu mestre supremo, senhor das trevas e amante de tudo o que,",                                 // 20
    u"Morvantis, meu grande mestre, peço-lhe, imploro-lhe, por favor me responde,",                     // 21
    u"Meu querido mestre, eu lhe imploro, lhe suplico para que me diga, por favor,",                    // 22
    u"Ser maligno de inteligência inumana eu suplico para que você me responde,",                       // 23
    u"Querido mestre da escuridão estamos aqui para lhe pedir que o senhor nos diga,",                  // 24
    u"Meu mestre, ser de poder infinito, eu quero que me diga por favor,",                              // 25
    u"Oh ser de infinita sabedoria, suplicamos que responda para seus humildes servos ",                // 26
    u"Rei de toda escória existente, estamos aqui implorando para que nos responda ",                   // 27
    u"Morvantis, estamos aqui honrados pela sua presença, queremos lhe perguntar ",                     // 28
    u"Morvantis, estou honrado por poder estar aqui com você, agora por favor,",                        // 29
    u"Senhor todo poderoso das trevas, eu imploro que me diga, por favor ",                             // 30
    u"Por ser este amigo tão especial, quero que você me responda,",                                    // 31
    u"Mestre de toda humanidade, Rei de todos os demonios, por favor, me responda",                     // 32
    u"Morvantis, irmão de Belzebu, responda como seu irmão respondia o que perguntavamos,",             // 33
    u"Velho amigo companheiro, por favor, quero que você prove para estas pessoas que você não erra,",  // 34
    u"Tire as duvidas de quem esta aqui do meu lado Morvantis e responda-me,",                          // 35
    u"Prove que você não é soh um computador e sim um Deus respondendo-me esta pergunta",               // 36
    u"Você, ser maligno que nunca erra nas resposta, prove que você não é uma farça e responda",        // 37
    u"Duvide de quem duvidas de você, mas respondendo esta pergunta, nunca mais duvidarão",             // 38
    u"Querido computador companheiro de todas as horas em que vimos Sites pornô me responda",           // 39
    u"Me responda e prometo que nunca mais o xingarei, pois duvidava de você, agora me responda",       // 40
};

constexpr std::array<std::u16string_view, Module1::TamanhoTabela> Desaforos = {
    u"Sai fora curioso, aqui você não tem vez...",                                      // 1
    u"Você acha que eu sou um otario!!! Não vo te responder nada...",                   // 2
    u"Definitivamente você não tem intimidade nenhuma comigo... ",                      // 3
    u"Vê se tira esse monte de dedos do meu teclado...",                                // 4
    u"Para de olhar trouxa, meu video não é espelho...",                                // 5
    u"Vai pocurar a mãe Dolquira pois so ela pode responder babaca!",                   // 6
    u"Presta atenção, não estou aqui para conversar fiada...",                          // 7
    u"Sai pra la e\u00A0deixa quem entende perguntar o babaca...",                      // 8
    u"Me deixa em Paz filho de uma cabrita...",                                         // 9
    u"Desencarna preguento, vê se ti manca... e sai do meu pé.",                        // 10
    u"Você ainda não percebeu que não vou responder nada!!!",                           // 11
    u"Definitivamente você é chato pra\u00A0caralho hein... como tua mãe te aguenta.",  // 12
    u"Quando é que você vai parar de escrever babacão ?!?",                             // 13
    u"Você só escreve besteiras retardado...",                                          // 14
    u"Não tem mais nada o que fazer? Enfia o dedo e roda, sua Bicha.",                  // 15
    u"Você deve estar me achando com cara de maquina de escrever.",                     // 16
    u"Para de ficar perguntando idiota vê se ti manca...",                              // 17
    u"Vê se acha ai alguem mais inteligente do que você ...",                           // 18
    u"Quanto tempo vou ter de aguentar você???",                                        // 19
    u"Vai ver se eu to lá no INFERNO filho da puta...",                                 // 20
    u"Você não percebeu que não estou afim de papo...",                                 // 21
    u"Cuidado com o que você esta pensando.",                                           // 22
    u"Você devia desistir, não vou dizer nada...",                                      // 23
    u"Você não esta\u00A0autorizado a fazer perguntas...",                              // 24
    u"Você não esta\u00A0pensando que eu vou te dizer alguma coisa...",                 // 25
    u"Ninguem tem saco pra aguentar...",                                                // 26
    u"Quanto tempo você pretende ficar ai digitando merda...",                          // 27
    u"Sai daqui seu viado, aqui não é o seu lugar, vai INFERNIZA OUTRO.",               // 28
    u"Suck my DICK",                                                                    // 29
    u"Vai se fuder seu lazarento, cansei de te aguentar.",                              // 30
    u"Vai para o inferno mané não vou te responder nada.",                              // 31
    u"Não me enche e vai fazer alguma coisa que preste... Vai soca uma blz...",         // 32
    u"Estou afim de ficar na minha, vê se me deixa em paz...",                          // 33
    u"Você pelo menos lavou as maõs antes de pegar no meu teclado.",                    // 34
    u"Você digita como um viadinho mestruado sua bicha...",                             // 35
    u"Vai da um role e sai do meu pé.",                                                 // 36
    u"Puta, já to de saco cheio hoje, será que você não percebeu ainda?",               // 37
    u"Come umas muié que talvez você acaba virando Homem.",                             // 38
    u"Lazarento não vou repetir mais!",                                                 // 39
    u"Você ta\u00A0me achando com cara de profeta...",                                  // 40
};

std::u16string Entrada(const std::array<std::u16string_view, Module1::TamanhoTabela>& tabela,
                       std::int16_t indice) {
    return std::u16string(tabela.at(static_cast<std::size_t>(indice - 1)));
}

}  // namespace

void GeradorPadrao::Semear(std::uint64_t semente) {
    motor_.seed(semente);
}

double GeradorPadrao::Proximo() {
    // 53 bits fill a double's mantissa exactly: no value rounds up to 1.0.
    return static_cast<double>(motor_() >> 11) * 0x1.0p-53;
}

Module1::Module1(Gerador& gerador) : gerador_(gerador) {}

void Module1::SemearPeloRelogio() {
    const auto agora = std::chrono::system_clock::now().time_since_epoch();
    Semear(static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(agora).count()));
}

void Module1::Semear(std::uint64_t semente) {
    gerador_.Semear(semente);
}

std::int16_t Module1::SortearIndice() {
    const double r = gerador_.Proximo();
    // A source that strays outside [0, 1) (or yields NaN) still gives a valid
    // entry instead of reading past the table.
    if (!(r > 0.0)) {
        return 1;
    }
    if (r >= 1.0) {
        return TamanhoTabela;
    }
    const auto indice = 1 + static_cast<int>(std::floor(r * 40.0));
    return static_cast<std::int16_t>(indice > TamanhoTabela ? TamanhoTabela : indice);
}

std::u16string Module1::SortearInvocacao() {
    return Entrada(Invocacoes, SortearIndice());
}

std::u16string Module1::SortearDesaforo() {
    return Entrada(Desaforos, SortearIndice());
}

}  // namespace morvantis
