#include <QApplication>

#include "Aparencia.h"
#include "Plataforma.h"
#include "Programa.h"

int main(int argc, char* argv[]) {
    morvantis::EscolherPlataforma();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvantis"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    // Ties the windows to the installed desktop entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("io.github.morvantis.Morvantis"));
    morvantis::aparencia::AplicarAoPrograma(app);

    morvantis::GeradorPadrao gerador;
    morvantis::Programa programa(gerador);
    programa.Iniciar();
    return QApplication::exec();
}
