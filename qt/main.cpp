#include <QApplication>

#include "Aparencia.h"
#include "Janela.h"
#include "Plataforma.h"
#include "Programa.h"

int main(int argc, char* argv[]) {
    morvantis::qt::EscolherPlataforma();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(MORVANTIS_PRODUTO));
    QApplication::setApplicationVersion(QStringLiteral(MORVANTIS_VERSAO));
    // Ties the windows to the installed desktop entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("io.github.morvantis.Morvantis"));
    morvantis::qt::AplicarAoPrograma(app);

    morvantis::GeradorPadrao gerador;
    morvantis::qt::Kit kit;
    morvantis::Programa programa(kit, gerador);
    programa.Iniciar();
    return QApplication::exec();
}
