#include "FrmAjuda.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

namespace morvantis {

const QString FrmAjuda::TextoAjuda = QString::fromUtf16(
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
    u"Morvantis. Divirta-se com seus amigos.\"\r\n"                             // 21
);

FrmAjuda::FrmAjuda(toolkit::TextBox& txtPergunta, QWidget* pai)
    : JanelaFixa("FrmAjuda", QSize(416, 358), aparencia::cor::TextoBotao, pai),
      txtPergunta_(txtPergunta),
      CmdOK(aparencia::NovoBotao(Cliente(), "CmdOK", QStringLiteral("OK"), {328, 328, 81, 25})),
      Text1(new QPlainTextEdit(Cliente())) {
    setFont(aparencia::Verdana());
    setAccessibleName(QStringLiteral("Morvantis: ajuda"));
    Text1->setObjectName(QStringLiteral("Text1"));
    // The box shows the lines; CR LF becomes its own line break.
    QString linhas = TextoAjuda;
    linhas.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Text1->setPlainText(linhas);
    // A screen reader names the box by what it says.
    Text1->setAccessibleName(linhas);
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    Text1->setTabChangesFocus(true);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setGeometry(8, 24, 401, 297);
    aparencia::NovoRotulo(Cliente(), "Label1", QStringLiteral("Morvantis:"), aparencia::cor::Vermelho, {8, 8},
                          aparencia::Verdana());

    setTabOrder(Text1, CmdOK);
    Text1->setFocus(Qt::OtherFocusReason);
    Text1->moveCursor(QTextCursor::Start);
    connect(CmdOK, &QPushButton::clicked, this, &FrmAjuda::CmdOK_Click);
}

void FrmAjuda::CmdOK_Click() {
    txtPergunta_.SetText({});
    FecharEDestruir();
}

}  // namespace morvantis
