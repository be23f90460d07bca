// The toolkit's floor as a program of its own: the benchmark starts it
// beside the real one, in the same run, to see what Qt alone costs to start
// and to keep in memory on this machine.

#include <QApplication>

#include "JanelaBase.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    morvantis::bench::JanelaBase janela;
    janela.show();
    return QApplication::exec();
}
