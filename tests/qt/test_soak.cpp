// Endless use in one process: nothing the trick creates may outlive its
// question, and no help or about window may outlive its OK. Run under the
// sanitize preset, LeakSanitizer checks the rest at exit.

#include <cstdio>

#include "Hardening.h"

namespace morvantis::testing {
namespace {

struct Contagem {
    qsizetype widgets;
    qsizetype objects;
    bool operator==(const Contagem&) const = default;
};

class Soak : public HardeningTest {
protected:
    Contagem Agora() const {
        return {QApplication::allWidgets().size(), window.findChildren<QObject*>().size()};
    }

    // The master's trick, start to finish; whether it went as it should.
    bool Cycle() {
        Digitar(QStringLiteral(";sim"));
        Key(Qt::Key_Return);
        Digitar(QStringLiteral("?"));
        const bool masked = box->text() == QStringLiteral("Mes?");
        Click(perguntar);
        RevealNow();
        const bool revealed = answer->toPlainText() == QStringLiteral("sim") && nova->isEnabled();
        Click(nova);
        return masked && revealed && box->text().isEmpty() && answer->toPlainText().isEmpty() &&
               State().Resposta.empty();
    }

    // Asks the command word and presses the window's OK from inside its
    // modal loop.
    void OpenAndClose(const QString& word) {
        Digitar(word);
        WhenModalOpens([](QWidget* modal) {
            ASSERT_NE(modal, nullptr);
            QTest::mouseClick(Find<QPushButton>(*modal, "CmdOK"), Qt::LeftButton);
        });
        Click(perguntar);
        FlushDeletions();
    }
};

TEST_F(Soak, TenThousandQuestionsAndAThousandOfEachWindowLeaveNothingBehind) {
    constexpr int Questions = 10'000;
    constexpr int Windows = 1'000;

    ASSERT_TRUE(Cycle());
    OpenAndClose(QStringLiteral("<ajuda>"));
    OpenAndClose(QStringLiteral("<sobre>"));
    const Contagem first = Agora();

    int wrong = 0;
    for (int i = 1; i < Questions; ++i) {
        // Counted rather than asserted, so one fault does not flood the log.
        wrong += Cycle() ? 0 : 1;
    }
    for (int i = 1; i < Windows; ++i) {
        OpenAndClose(QStringLiteral("<ajuda>"));
        OpenAndClose(QStringLiteral("<sobre>"));
    }
    const Contagem last = Agora();

    std::printf(
        "live after the first cycle: %lld widgets, %lld objects in the main window; after %d questions "
        "and %d of each window: %lld, %lld\n",
        static_cast<long long>(first.widgets), static_cast<long long>(first.objects), Questions, Windows,
        static_cast<long long>(last.widgets), static_cast<long long>(last.objects));
    EXPECT_EQ(wrong, 0) << "cycles that did not mask, reveal \"sim\" and clear";
    EXPECT_EQ(last, first);
    EXPECT_TRUE(window.findChildren<QWidget*>(QStringLiteral("FrmAjuda")).isEmpty());
    EXPECT_TRUE(window.findChildren<QWidget*>(QStringLiteral("FrmSobre")).isEmpty());
    EXPECT_EQ(State().Mascarados, 0);

    // Still plays the trick after all that.
    Digitar(QStringLiteral(";nao"));
    Key(Qt::Key_Return);
    Digitar(QStringLiteral("?"));
    Click(perguntar);
    RevealNow();
    EXPECT_EQ(answer->toPlainText(), QStringLiteral("nao"));
}

}  // namespace
}  // namespace morvantis::testing
