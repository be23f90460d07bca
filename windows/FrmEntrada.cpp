#include "FrmEntrada.h"

#include <QLabel>
#include <QPushButton>

namespace morvantis {

const QString FrmEntrada::Aviso = QStringLiteral(
    "Morvantis foi criado para provar a influencia dos demônios na computação e antes de entrar e bom "
    "saber que sua vida nunca mais será a mesma daqui para frente, portanto essa decisão é só sua. "
    "Caso você queira seguir em frente clique em 'Entrar' mas não se esqueça, livre sua cabeça de "
    "pensamentos que possam lhe trazer o mal e nunca divide das palavras de Morvantis.");

FrmEntrada::FrmEntrada(std::function<void()> entrar, std::function<void()> sair)
    : JanelaFixa("FrmEntrada", QSize(431, 332), aparencia::cor::TextoMenu),
      entrar_(std::move(entrar)),
      sair_(std::move(sair)),
      CmdSair(aparencia::NovoBotao(Cliente(), "CmdSair", QStringLiteral("Sair"), {336, 296, 81, 25})),
      CmdEntrar(aparencia::NovoBotao(Cliente(), "CmdEntrar", QStringLiteral("Entrar"), {240, 296, 81, 25})) {
    setFont(aparencia::Verdana());
    setAccessibleName(QStringLiteral("Morvantis: entrada"));
    auto* aviso = aparencia::NovoRotulo(Cliente(), "Label2", Aviso, aparencia::cor::TextoRealce);
    aviso->setWordWrap(true);
    aviso->setGeometry(240, 24, 185, 185);
    aparencia::NovoRotulo(Cliente(), "Label1", QStringLiteral("Morvantis:"), aparencia::cor::Vermelho,
                          {240, 8}, aparencia::Verdana());
    aparencia::NovaImagem(Cliente(), "Image1", QStringLiteral(":/assets/painting.bmp"), {8, 8});

    setTabOrder(CmdEntrar, CmdSair);
    CmdEntrar->setFocus(Qt::OtherFocusReason);
    connect(CmdEntrar, &QPushButton::clicked, this, &FrmEntrada::CmdEntrar_Click);
    connect(CmdSair, &QPushButton::clicked, this, &FrmEntrada::CmdSair_Click);
}

void FrmEntrada::CmdEntrar_Click() {
    // Gone from the screen at once; the object itself lives until this
    // handler returns, which is when the main window has closed.
    FecharEDestruir();
    entrar_();
}

void FrmEntrada::CmdSair_Click() {
    sair_();
}

}  // namespace morvantis
