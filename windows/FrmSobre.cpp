#include "FrmSobre.h"

#include <QLabel>
#include <QPushButton>

namespace morvantis {

// Two spaces after "integridade"; the credit line ends with a space.
const QString FrmSobre::NotaDistribuicao = QStringLiteral(
    "Este programa é de distribuição livre e pode ser copiado e repassado aos amigos, desde que "
    "mantida a sua integridade  e sem nenhuma cobrança.");
const QString FrmSobre::Creditos = QStringLiteral("Programação e arte: Tavro Brasil - versão 1.00 ");

namespace {

QLabel* RotuloQuebrado(QWidget* pai, const char* nome, const QString& texto, const QColor& cor, QRect area) {
    auto* rotulo = aparencia::NovoRotulo(pai, nome, texto, cor);
    rotulo->setFont(aparencia::Verdana());
    rotulo->setWordWrap(true);
    rotulo->setGeometry(area);
    return rotulo;
}

}  // namespace

FrmSobre::FrmSobre(toolkit::TextBox& txtPergunta, QWidget* pai)
    : JanelaFixa("FrmSobre", QSize(435, 330), aparencia::cor::TextoBotao, pai),
      txtPergunta_(txtPergunta),
      CmdOK(aparencia::NovoBotao(Cliente(), "CmdOK", QStringLiteral("OK"), {336, 256, 81, 25})) {
    setAccessibleName(QStringLiteral("Morvantis: sobre"));
    aparencia::NovaImagem(Cliente(), "Image2", QStringLiteral(":/assets/banner.gif"), {248, 168});
    aparencia::NovaLinha(Cliente(), "Line2", {232, 248}, 200, aparencia::cor::TextoTituloAtivo);
    aparencia::NovaLinha(Cliente(), "Line1", {232, 136}, 200, aparencia::cor::TextoTituloAtivo);
    RotuloQuebrado(Cliente(), "Label3", Creditos, aparencia::cor::AmareloClaro, {264, 288, 161, 33});
    RotuloQuebrado(Cliente(), "Label2", NotaDistribuicao, aparencia::cor::Branco, {240, 64, 184, 69});
    aparencia::NovoRotulo(Cliente(), "Label1", QStringLiteral("Morvantis"), aparencia::cor::Vermelho,
                          {272, 16}, aparencia::Verdana(15.75));
    aparencia::NovaImagem(Cliente(), "Image1", QStringLiteral(":/assets/painting.bmp"), {8, 8});

    CmdOK->setFocus(Qt::OtherFocusReason);
    connect(CmdOK, &QPushButton::clicked, this, &FrmSobre::CmdOK_Click);
}

void FrmSobre::CmdOK_Click() {
    FecharEDestruir();
    txtPergunta_.SetText({});
}

}  // namespace morvantis
