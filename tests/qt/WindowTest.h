#pragma once

// Helpers for driving the real windows as a person would.

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <functional>

#include "JanelaPrincipal.h"

namespace morvantis::testing {

template <typename T>
T* Find(const QWidget& window, const char* name) {
    T* child = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// What an input method (dead keys, compose) delivers: committed text, with no
// key event behind it.
inline void Commit(QWidget* widget, const QString& text, const QString& preedit = {}) {
    QInputMethodEvent event(preedit, {});
    event.setCommitString(text);
    QCoreApplication::sendEvent(widget, &event);
}

// Waits until `done` holds, processing events, for at most `ms`.
inline bool WaitFor(const std::function<bool()>& done, int ms = 5000) {
    return QTest::qWaitFor(done, ms);
}

// Runs `action` once a modal window of that name is open, inside its event
// loop: for a window the program opens from its event queue.
inline void WhenOpens(const char* name, std::function<void(QWidget*)> action) {
    auto* poll = new QTimer(qApp);
    poll->setInterval(0);
    QObject::connect(poll, &QTimer::timeout, qApp,
                     [poll, name = QString::fromLatin1(name), action = std::move(action)] {
                         QWidget* modal = QApplication::activeModalWidget();
                         if (modal == nullptr || modal->objectName() != name || !poll->isActive()) {
                             return;
                         }
                         poll->stop();
                         poll->deleteLater();
                         action(modal);
                     });
    poll->start();
}

// Runs `action` inside the next modal window's event loop.
inline void WhenModalOpens(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, qApp, [action = std::move(action)] {
        // No waiting here: QTest::qWait would also run deletions that the
        // program defers until its handlers have returned.
        action(QApplication::activeModalWidget());
    });
}

// A main window on a generator that always draws entry 1.
class MainWindowTest : public ::testing::Test, protected JanelaPrincipal {
protected:
    MainWindowTest() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        box->setFocus();
    }

    void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void Digitar(const QString& keys) { QTest::keyClicks(box, keys); }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(box, key, mods); }
    bool RevealFinished() {
        return WaitFor([this] { return nova->isEnabled(); });
    }

    QLineEdit* box = Find<QLineEdit>(window, "TxtPergunta");
    QTextEdit* answer = Find<QTextEdit>(window, "TxtResposta");
    QPushButton* perguntar = Find<QPushButton>(window, "CmdPergunta");
    QPushButton* nova = Find<QPushButton>(window, "CmdNova");
    QPushButton* sair = Find<QPushButton>(window, "CmdSair");
    QTimer* timer = window.findChild<QTimer*>(QStringLiteral("Timer"));
};

}  // namespace morvantis::testing
