#pragma once

// The main window driven at full speed: reveal ticks delivered at once
// instead of every 10 ms, and objects counted to catch growth.

#include <QKeyEvent>
#include <QTimerEvent>

#include "WindowTest.h"

namespace morvantis::testing {

class HardeningTest : public MainWindowTest {
protected:
    const std::u16string Phrase1 = PrimeiraInvocacao();

    // One reveal tick, now. The timer gets the very QTimerEvent its expiry
    // would bring, so QTimer::timeout and the window's handler run as in the
    // program; 10,000 reveals at 10 ms a character would take minutes, and
    // the window needs no test-only seam. Never sent to a stopped timer: a
    // QTimer takes an event of id -1 for its own when it has no timer.
    void Tick() {
        if (timer->isActive()) {
            QTimerEvent tick(timer->timerId());
            QCoreApplication::sendEvent(timer, &tick);
        }
    }
    // One tick queued behind whatever is already posted. Not a posted
    // QTimerEvent: Qt 6.8 merges identical pending timer events into one.
    void QueueTick() {
        QMetaObject::invokeMethod(
            timer, [this] { Tick(); }, Qt::QueuedConnection);
    }
    int RevealNow(int limit = 100'000) {
        int ticks = 0;
        while (timer->isActive() && ticks < limit) {
            Tick();
            ++ticks;
        }
        return ticks;
    }

    // Runs what the program queued for once its handlers have returned (the
    // closed windows' destruction), as returning to the event loop would.
    static void FlushDeletions() {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A key whose character QTest cannot type (it knows only Latin-1 keys):
    // a press that carries just its text, as a layout of that script sends.
    void Press(const QString& text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QCoreApplication::sendEvent(box, &press);
    }

    const EstadoJogo& State() const { return principal.Jogo().Estado(); }
    std::u16string Box() const { return box->text().toStdU16String(); }
    std::u16string Answer() const { return answer->toPlainText().toStdU16String(); }
};

}  // namespace morvantis::testing
