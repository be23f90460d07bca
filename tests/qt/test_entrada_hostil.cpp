// Hostile input through the real window: huge pastes, endless captures,
// characters Latin-1 and 16 bits cannot hold, floods of queued keys, and
// "Sair" with work still queued.

#include <QClipboard>
#include <QKeyEvent>
#include <QMetaObject>

#include "Hardening.h"

namespace morvantis::testing {
namespace {

constexpr std::u16string_view Complaint = Oraculo::PerguntaVazia;

// A megabyte of text with the trigger, an accent and a character outside the
// 16-bit range in every run of six units.
QString Megabyte() {
    return QStringLiteral("😀ab;ç").repeated((1 << 20) / 6);
}

// --- a 1 MB paste in every state of the question box ---

enum class Estado { Idle, Capturing, Used, Locked };
enum class Via { CtrlV, ShiftInsert, InputMethod, KeyText };

struct Colagem {
    const char* name;
    Estado estado;
    Via via;
    friend void PrintTo(const Colagem& c, std::ostream* os) { *os << c.name; }
};

class HugePaste : public HardeningTest, public ::testing::WithParamInterface<Colagem> {
protected:
    void Enter(Estado estado) {
        switch (estado) {
            case Estado::Idle:
                break;
            case Estado::Capturing:
                Digitar(QStringLiteral(";ok"));
                break;
            case Estado::Used:
                Digitar(QStringLiteral(";ok"));
                Key(Qt::Key_Return);
                break;
            case Estado::Locked:
                Digitar(QStringLiteral("Vou?"));
                Click(perguntar);
                break;
        }
    }

    void Paste(Via via, const QString& text) {
        switch (via) {
            case Via::CtrlV:
                QApplication::clipboard()->setText(text);
                Key(Qt::Key_V, Qt::ControlModifier);
                break;
            case Via::ShiftInsert:
                QApplication::clipboard()->setText(text);
                Key(Qt::Key_Insert, Qt::ShiftModifier);
                break;
            case Via::InputMethod:
                Commit(box, text);
                break;
            case Via::KeyText: {
                // A remote keyboard or a macro key: all of it in one event.
                QKeyEvent event(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
                QCoreApplication::sendEvent(box, &event);
                break;
            }
        }
    }
};

TEST_P(HugePaste, NeverLeaksIntoACaptureNorOverflowsTheBox) {
    const Colagem c = GetParam();
    const QString text = Megabyte();
    Enter(c.estado);
    const QString before = box->text();
    const std::u16string answerBefore = State().Resposta;
    const bool keystrokes = c.via != Via::CtrlV;

    Paste(c.via, text);

    EXPECT_LE(box->text().size(), 200);
    switch (c.estado) {
        case Estado::Idle:
        case Estado::Used:
            // Pasted in the open, cut at the box's limit.
            EXPECT_TRUE(box->text().startsWith(before));
            EXPECT_TRUE(text.startsWith(box->text().mid(before.size())));
            EXPECT_GT(box->text().size(), before.size());
            EXPECT_EQ(State().Resposta, answerBefore);
            EXPECT_FALSE(State().ModoSecreto);
            break;
        case Estado::Capturing: {
            // Only phrase letters show; Ctrl+V is one captured key, pasted
            // or typed text is captured up to the 32,767-keystroke limit.
            const QString phrase = QString::fromStdU16String(std::u16string(Phrase1));
            EXPECT_TRUE(phrase.startsWith(box->text())) << box->text().left(80).toStdString();
            if (c.via == Via::CtrlV) {
                EXPECT_EQ(State().Resposta, u"ok\x16");
            } else {
                EXPECT_EQ(State().Mascarados, 32767);
                // Keystrokes are code points: an emoji is one.
                const QList<uint> keys = text.toUcs4().first(32765);
                const QString captured =
                    QString::fromUcs4(reinterpret_cast<const char32_t*>(keys.data()), keys.size());
                EXPECT_EQ(QString::fromStdU16String(State().Resposta), QStringLiteral("ok") + captured);
                EXPECT_EQ(box->text(), phrase);
            }
            break;
        }
        case Estado::Locked:
            EXPECT_EQ(box->text(), before) << "a locked box takes no paste";
            EXPECT_EQ(State().Resposta, answerBefore);
            break;
    }
    if (keystrokes && c.estado != Estado::Capturing) {
        EXPECT_FALSE(State().ModoSecreto) << "the box is no longer blank when a pasted ';' comes";
    }

    // The window plays on: an ask (or the reveal already running) types out
    // the answer from its start.
    if (perguntar->isEnabled()) {
        Click(perguntar);
    }
    for (int i = 0; i < 5; ++i) {
        Tick();
    }
    const QString shown = answer->toPlainText();
    EXPECT_FALSE(shown.isEmpty());
    EXPECT_TRUE(QString::fromStdU16String(State().Resposta).startsWith(shown));
}

INSTANTIATE_TEST_SUITE_P(
    EveryState, HugePaste,
    ::testing::Values(Colagem{"IdleCtrlV", Estado::Idle, Via::CtrlV},
                      Colagem{"IdleShiftInsert", Estado::Idle, Via::ShiftInsert},
                      Colagem{"IdleInputMethod", Estado::Idle, Via::InputMethod},
                      Colagem{"IdleKeyText", Estado::Idle, Via::KeyText},
                      Colagem{"CapturingCtrlV", Estado::Capturing, Via::CtrlV},
                      Colagem{"CapturingShiftInsert", Estado::Capturing, Via::ShiftInsert},
                      Colagem{"CapturingInputMethod", Estado::Capturing, Via::InputMethod},
                      Colagem{"CapturingKeyText", Estado::Capturing, Via::KeyText},
                      Colagem{"UsedCtrlV", Estado::Used, Via::CtrlV},
                      Colagem{"UsedShiftInsert", Estado::Used, Via::ShiftInsert},
                      Colagem{"UsedInputMethod", Estado::Used, Via::InputMethod},
                      Colagem{"UsedKeyText", Estado::Used, Via::KeyText},
                      Colagem{"LockedCtrlV", Estado::Locked, Via::CtrlV},
                      Colagem{"LockedShiftInsert", Estado::Locked, Via::ShiftInsert},
                      Colagem{"LockedInputMethod", Estado::Locked, Via::InputMethod},
                      Colagem{"LockedKeyText", Estado::Locked, Via::KeyText}),
    [](const ::testing::TestParamInfo<Colagem>& info) { return std::string(info.param.name); });

// --- long captures, wide characters, floods and the end ---

using Hostile = HardeningTest;

TEST_F(Hostile, FortyThousandCaptureKeystrokesKeepTheFirst32767AndShowOnlyThePhrase) {
    Digitar(QStringLiteral(";"));
    Digitar(QString(40'000, QLatin1Char('k')));  // no "k" in the phrase
    EXPECT_EQ(Box(), Phrase1);
    EXPECT_EQ(State().Mascarados, 32767);
    EXPECT_EQ(State().Resposta, std::u16string(32767, u'k'));

    Key(Qt::Key_Backspace);
    EXPECT_EQ(Box(), Phrase1.substr(0, Phrase1.size() - 1));
    EXPECT_EQ(State().Resposta.size(), 32766u);
    Digitar(QStringLiteral("k"));
    EXPECT_EQ(Box(), Phrase1) << "the next keystroke shows the whole phrase again";

    Key(Qt::Key_Return);
    Digitar(QStringLiteral("?"));
    Click(perguntar);
    for (int i = 1; i <= 50; ++i) {
        Tick();
        ASSERT_EQ(answer->toPlainText(), QString(i, QLatin1Char('k')));
    }
    EXPECT_TRUE(timer->isActive()) << "32,767 characters to go";
}

TEST_F(Hostile, CharactersOutsideLatin1AndTheSixteenBitRangeAreOneKeystrokeAndNeverSplit) {
    Digitar(QStringLiteral(";"));
    Press(QStringLiteral("😀"));
    Commit(box, QStringLiteral("中🐱€"));
    Press(QStringLiteral("ж"));
    EXPECT_EQ(State().Resposta, u"😀中🐱€ж");
    EXPECT_EQ(State().Mascarados, 5) << "one keystroke each";
    EXPECT_EQ(Box(), Phrase1.substr(0, 5));
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(State().Resposta, u"😀中") << "an erase takes a whole surrogate pair";
    Commit(box, QStringLiteral("🐱😀"));

    Key(Qt::Key_Return);
    Digitar(QStringLiteral("?"));
    Click(perguntar);
    const QString full = QStringLiteral("😀中🐱😀");
    QStringList seen;
    while (timer->isActive()) {
        Tick();
        const QString shown = answer->toPlainText();
        ASSERT_TRUE(full.startsWith(shown));
        ASSERT_FALSE(!shown.isEmpty() && shown.back().isHighSurrogate())
            << "split pair after " << seen.size();
        seen << shown;
    }
    EXPECT_EQ(seen, (QStringList{QStringLiteral("😀"), QStringLiteral("😀中"), QStringLiteral("😀中🐱"), full}));

    // Outside a capture they are plain typing, whole.
    Click(nova);
    Commit(box, QStringLiteral("🐱?"));
    Press(QStringLiteral("😀"));
    EXPECT_EQ(box->text(), QStringLiteral("🐱?😀"));
    EXPECT_TRUE(State().Resposta.empty());
}

// Ctrl+Backspace takes the word the master typed, not one letter; Ctrl+Delete
// after a caret move takes nothing of the secret.
TEST_F(Hostile, CtrlBackspaceTakesTheSecretsWordAndCtrlDeleteNothing) {
    Digitar(QStringLiteral(";ola mundo"));
    Key(Qt::Key_Backspace, Qt::ControlModifier);
    Key(Qt::Key_Home);
    Key(Qt::Key_Delete, Qt::ControlModifier);
    Digitar(QStringLiteral("X"));
    Key(Qt::Key_Return);
    Digitar(QStringLiteral(" vai chover?"));
    Click(perguntar);
    RevealNow();
    EXPECT_EQ(answer->toPlainText(), QStringLiteral("ola X"));
}

TEST_F(Hostile, AJoinedEmojiIsOneLetterAndOneBackspaceHoweverItArrives) {
    const QString familia = QStringLiteral("👨\u200D👩\u200D👧");
    Digitar(QStringLiteral(";Q"));
    for (const uint c : familia.toUcs4()) {  // a key press a code point, as an X keyboard map sends them
        const char32_t cp = c;
        Press(QString::fromUcs4(&cp, 1));
    }
    Commit(box, familia);  // an emoji picker's commit
    EXPECT_EQ(Box(), Phrase1.substr(0, 3)) << "one letter of the phrase each";
    Key(Qt::Key_Backspace);
    EXPECT_EQ(QString::fromStdU16String(State().Resposta), QStringLiteral("Q") + familia);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(State().Resposta, u"Q") << "each Backspace took the whole family";
    EXPECT_EQ(Box(), Phrase1.substr(0, 1));

    // In the open, a commit goes where the caret is, not at the end.
    Key(Qt::Key_Return);
    Digitar(QStringLiteral(" vai chover?"));
    Key(Qt::Key_Home);
    Key(Qt::Key_Right);
    Commit(box, QStringLiteral(" hoje"));
    EXPECT_EQ(Box(), Phrase1.substr(0, 1) + u" hoje vai chover?");
}

TEST_F(Hostile, TenThousandQueuedKeysAllReachTheCaptureBeforeTheNextTick) {
    // An empty question: its reply is being typed out, the box is blank and
    // locked, and ";" still starts a capture that lengthens the reply.
    Click(perguntar);
    ASSERT_TRUE(timer->isActive());
    std::u16string atFirstTick;
    QString shownAtFirstTick;
    QObject::connect(timer, &QTimer::timeout, &window, [&] {
        if (shownAtFirstTick.isEmpty()) {
            atFirstTick = State().Resposta;
            shownAtFirstTick = answer->toPlainText();
        }
    });
    QCoreApplication::postEvent(box, new QKeyEvent(QEvent::KeyPress, Qt::Key_Semicolon, Qt::NoModifier, ";"));
    for (int i = 1; i < 10'000; ++i) {
        QCoreApplication::postEvent(box, new QKeyEvent(QEvent::KeyPress, Qt::Key_K, Qt::NoModifier, "k"));
    }
    QCoreApplication::postEvent(timer, new QTimerEvent(timer->timerId()));
    QCoreApplication::sendPostedEvents();

    const std::u16string full = std::u16string(Complaint) + std::u16string(9'999, u'k');
    EXPECT_EQ(atFirstTick, full);
    EXPECT_FALSE(shownAtFirstTick.isEmpty());
    EXPECT_TRUE(QString::fromStdU16String(full).startsWith(shownAtFirstTick)) << "from its first character";
    EXPECT_EQ(Box(), Phrase1) << "no queued key shows";
    // The reveal runs on past the complaint into the captured keys.
    for (int i = 0; i < 60; ++i) {
        Tick();
    }
    EXPECT_GT(Answer().size(), Complaint.size());
    EXPECT_EQ(Answer(), full.substr(0, Answer().size()));
    EXPECT_TRUE(timer->isActive());
    EXPECT_FALSE(sair->isEnabled());
}

TEST_F(Hostile, SairWithTicksKeysAndClicksStillQueuedRunsNothingMore) {
    Digitar(QStringLiteral(";sim"));
    Key(Qt::Key_Return);
    Digitar(QStringLiteral("?"));
    Click(perguntar);
    // Queued in this order: the ticks that finish the reveal and more, the
    // click on "Sair" (enabled by then), then work that must never run.
    for (int i = 0; i < 10; ++i) {
        QueueTick();
    }
    QMetaObject::invokeMethod(sair, &QPushButton::click, Qt::QueuedConnection);
    // Were they to run, they would clear the boxes, capture "xy" and ask.
    QMetaObject::invokeMethod(nova, &QPushButton::click, Qt::QueuedConnection);
    for (const char* key : {";", "x", "y"}) {
        QCoreApplication::postEvent(box, new QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, key));
    }
    QMetaObject::invokeMethod(perguntar, &QPushButton::click, Qt::QueuedConnection);
    for (int i = 0; i < 10; ++i) {
        QueueTick();
    }
    QCoreApplication::sendPostedEvents();
    QTest::qWait(30);  // and any tick a restarted timer would bring

    EXPECT_TRUE(fim.Encerrado());
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(answer->toPlainText(), QStringLiteral("sim"))
        << "the reveal ended before Sair and nothing cleared it";
    EXPECT_EQ(box->text(), QStringLiteral("Mes?")) << "no queued key reached the box";
    EXPECT_EQ(State().Resposta, u"sim");
    EXPECT_TRUE(nova->isEnabled()) << "the queued Nova pergunta never ran";
}

}  // namespace
}  // namespace morvantis::testing
