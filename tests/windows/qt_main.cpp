// GoogleTest entry point for the widget tests: one QApplication with the
// program's own look, on Qt's offscreen platform unless a display is asked
// for explicitly.

#include <gtest/gtest.h>

#include <QApplication>

#include "Aparencia.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvantis"));
    morvantis::aparencia::AplicarAoPrograma(app);
    return RUN_ALL_TESTS();
}
