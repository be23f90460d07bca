// What only a real X server shows: the window manager hints, the centring,
// and dead keys typed on a Brazilian keyboard layout reaching the secret
// capture whole. Run by run-under-xvfb.sh, which starts the server and sets
// the layout; the keys are typed through XTest by xdotool, as a person would.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include "Aparencia.h"
#include "Geometria.h"
#include "JanelaPrincipal.h"

namespace morvantis::testing {
namespace {

QString Xprop(const QWidget& window, const char* property) {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"),
                {QStringLiteral("-id"), QString::number(window.winId()), QString::fromLatin1(property)});
    xprop.waitForFinished(5000);
    return QString::fromLocal8Bit(xprop.readAllStandardOutput());
}

// Types while the event loop keeps running, as it does between a person's
// keystrokes. (Qt's compose support hands a composed character to the box at
// once but queues plain key presses, so a loop held up for the whole burst
// would see them out of order.)
void Xdotool(const QStringList& keys) {
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"),
                  QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("40")} + keys);
    ASSERT_TRUE(QTest::qWaitFor([&] { return xdotool.state() == QProcess::NotRunning; }, 10'000));
    ASSERT_EQ(xdotool.exitCode(), 0);
}

class RealX : public ::testing::Test, protected JanelaPrincipal {
protected:
    RealX() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

TEST_F(RealX, WindowHasNoDecorationsStaysOutOfTheTaskbarAndIsCentred) {
    EXPECT_TRUE(Xprop(window, "_NET_WM_STATE").contains(QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR")));
    // Motif hints: flags, functions, decorations...; decorations 0 is none.
    const QString motif = Xprop(window, "_MOTIF_WM_HINTS");
    const QStringList fields = motif.section(QLatin1Char('='), 1).split(QLatin1Char(','), Qt::SkipEmptyParts);
    ASSERT_GE(fields.size(), 3) << motif.toStdString();
    EXPECT_EQ(fields[2].trimmed().toUInt(nullptr, 0), 0u) << motif.toStdString();
    const QRect screen = window.screen()->geometry();
    const QRect frame = window.frameGeometry();
    EXPECT_EQ(frame.x() - screen.x(), janelas::Centrado(screen.width(), frame.width()));
    EXPECT_EQ(frame.y() - screen.y(), janelas::Centrado(screen.height(), frame.height()));
}

TEST_F(RealX, DeadKeyAccentsAreCapturedAndNeverShown) {
    auto* box = window.findChild<QLineEdit*>(QStringLiteral("TxtPergunta"));
    ASSERT_TRUE(box->hasFocus());
    Xdotool({"semicolon", "n", "dead_tilde", "a", "o", "space", "dead_acute", "e", "ccedilla"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return principal.Jogo().Estado().Resposta.size() == 6; }, 5000))
        << "captured so far: " << QString::fromStdU16String(principal.Jogo().Estado().Resposta).toStdString()
        << ", box: " << box->text().toStdString();
    EXPECT_EQ(principal.Jogo().Estado().Resposta, u"não éç");
    EXPECT_EQ(box->text(), QStringLiteral("Mestre"));
    Xdotool({"Return", "question"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return box->text().endsWith(QLatin1Char('?')); }, 5000));
    EXPECT_EQ(box->text(), QStringLiteral("Mestre?"));
}

}  // namespace
}  // namespace morvantis::testing

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    morvantis::qt::AplicarAoPrograma(app);
    return RUN_ALL_TESTS();
}
