#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>

#include "WindowTest.h"

namespace morvantis::testing {
namespace {

using HelpAndAbout = MainWindowTest;

// Asks `word` and runs `inside` in the window it opens, then presses its OK.
void AskAndLook(MainWindowTest& t, QLineEdit* box, QPushButton* perguntar, const QString& word,
                const std::function<void(QWidget*)>& inside) {
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, word);
    bool opened = false;
    WhenModalOpens([&](QWidget* modal) {
        ASSERT_NE(modal, nullptr);
        opened = true;
        inside(modal);
        QTest::mouseClick(Find<QPushButton>(*modal, "CmdOK"), Qt::LeftButton);
    });
    QTest::mouseClick(perguntar, Qt::LeftButton);
    EXPECT_TRUE(opened) << word.toStdString();
    (void)t;
}

TEST_F(HelpAndAbout, AjudaOpensTheHelpWithTheFocusInItsReadOnlyText) {
    AskAndLook(*this, box, perguntar, QStringLiteral("<ajuda>"), [](QWidget* modal) {
        EXPECT_EQ(modal->objectName(), QStringLiteral("FrmAjuda"));
        auto* text = Find<QPlainTextEdit>(*modal, "Text1");
        EXPECT_EQ(modal->focusWidget(), text);
        EXPECT_EQ(text->verticalScrollBar()->value(), 0) << "opens at the top";
        EXPECT_GT(text->verticalScrollBar()->maximum(), 0) << "scrolls to the later lines";
        const QString before = text->toPlainText();
        QTest::keyClicks(text, QStringLiteral("xyz"));
        QTest::keyClick(text, Qt::Key_Backspace);
        EXPECT_EQ(text->toPlainText(), before) << "read-only";
        text->verticalScrollBar()->setValue(text->verticalScrollBar()->maximum());
        const QRect line21 = text->cursorRect(QTextCursor(text->document()->findBlockByNumber(20)));
        EXPECT_GE(line21.top(), 0) << "the scroll bar reaches line 21";
        EXPECT_LE(line21.bottom(), text->viewport()->height());
    });
    EXPECT_TRUE(box->text().isEmpty()) << "OK empties the question box";
}

TEST_F(HelpAndAbout, SobreShowsTheCreditsWithTheFocusOnOk) {
    AskAndLook(*this, box, perguntar, QStringLiteral("<sobre>"), [](QWidget* modal) {
        EXPECT_EQ(modal->objectName(), QStringLiteral("FrmSobre"));
        EXPECT_EQ(modal->focusWidget(), Find<QPushButton>(*modal, "CmdOK"));
        auto* nota = Find<QLabel>(*modal, "Label2");
        auto* creditos = Find<QLabel>(*modal, "Label3");
        for (auto* label : {nota, creditos}) {
            const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 10'000),
                                                                   Qt::TextWordWrap, label->text());
            EXPECT_LE(needed.height(), label->height()) << label->objectName().toStdString();
        }
    });
    EXPECT_TRUE(box->text().isEmpty());
}

TEST_F(HelpAndAbout, OkLeavesTheGameAsItWas) {
    Digitar(QStringLiteral(";abc\r"));
    const auto before = principal.Jogo().Estado();
    for (const auto* word : {"<ajuda>", "<sobre>"}) {
        AskAndLook(*this, box, perguntar, QString::fromLatin1(word), [](QWidget*) {});
        const auto& after = principal.Jogo().Estado();
        EXPECT_EQ(after.Resposta, before.Resposta);
        EXPECT_EQ(after.Mascarados, before.Mascarados);
        EXPECT_EQ(after.SecretoUsado, before.SecretoUsado);
        EXPECT_TRUE(perguntar->isEnabled());
        EXPECT_FALSE(nova->isEnabled());
        EXPECT_FALSE(box->isReadOnly());
        EXPECT_FALSE(timer->isActive());
        EXPECT_TRUE(answer->toPlainText().isEmpty());
        EXPECT_TRUE(box->text().isEmpty());
    }
}

TEST_F(HelpAndAbout, MainWindowTakesNoInputWhileOneIsOpen) {
    QSignalSpy sairClicks(sair, &QPushButton::clicked);
    AskAndLook(*this, box, perguntar, QStringLiteral("<sobre>"), [&](QWidget*) {
        QWindow* main = window.windowHandle();
        const QPoint onSair = sair->mapTo(&window, sair->rect().center());
        QTest::mouseClick(main, Qt::LeftButton, {}, onSair);
        QTest::keyClick(main, Qt::Key_X);
    });
    EXPECT_EQ(sairClicks.count(), 0);
    EXPECT_FALSE(fim.Encerrado());
    EXPECT_TRUE(box->text().isEmpty());
}

TEST_F(HelpAndAbout, EachAskCreatesTheWindowAfresh) {
    QPointer<QWidget> first;
    AskAndLook(*this, box, perguntar, QStringLiteral("<sobre>"), [&](QWidget* modal) { first = modal; });
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(first.isNull()) << "OK destroyed the first one";
    bool secondIsNew = false;
    AskAndLook(*this, box, perguntar, QStringLiteral("<sobre>"),
               [&](QWidget* modal) { secondIsNew = first.isNull() && modal != nullptr; });
    EXPECT_TRUE(secondIsNew);
}

TEST_F(HelpAndAbout, NearMissIsAPlainQuestion) {
    Digitar(QStringLiteral(" <sobre>"));
    Click(perguntar);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(timer->isActive()) << "an ordinary ask started the reveal";
}

}  // namespace
}  // namespace morvantis::testing
