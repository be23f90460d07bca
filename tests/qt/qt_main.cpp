// GoogleTest entry point for the widget tests: one QApplication with the
// program's own look, on Qt's offscreen platform unless a display is asked
// for explicitly.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "Aparencia.h"

namespace {

// Ending the program asks every event loop to quit, and Qt keeps that request
// until the application's own loop next starts. Tests run no such loop, so
// after each test one is started and left at once, and windows destroyed
// later are deleted, so that every test begins like a fresh run.
class FreshEventLoop : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override {
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(MORVANTIS_PRODUTO));
    morvantis::qt::AplicarAoPrograma(app);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshEventLoop);
    return RUN_ALL_TESTS();
}
