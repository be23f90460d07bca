// Makes its application as the program's main does, shows a window and
// prints the platform Qt chose and whether the window reached the screen.

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <cstdio>

#include "Plataforma.h"

int main(int argc, char* argv[]) {
    morvantis::qt::EscolherPlataforma();
    QApplication app(argc, argv);
    QWidget janela;
    janela.resize(200, 100);
    janela.show();
    const bool exposta = QTest::qWaitForWindowExposed(&janela, 10'000);
    std::printf("%s %s\n", qPrintable(QGuiApplication::platformName()), exposta ? "exposed" : "hidden");
    return 0;
}
