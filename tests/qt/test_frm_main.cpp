#include <QClipboard>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>

#include "Controles.h"
#include "Janelas.h"
#include "WindowTest.h"

namespace morvantis::testing {
namespace {

const QString Phrase1 = QString::fromStdU16String(PrimeiraInvocacao());

using MainWindow = MainWindowTest;

TEST_F(MainWindow, OpensReadyForAQuestion) {
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_FALSE(box->isReadOnly());
    EXPECT_TRUE(perguntar->isEnabled());
    EXPECT_FALSE(nova->isEnabled());
    EXPECT_TRUE(sair->isEnabled());
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(timer->interval(), 10);
    EXPECT_EQ(timer->timerType(), Qt::PreciseTimer);
    EXPECT_EQ(gerador.seeds.size(), 1u) << "loading the window seeds the generator once";
}

// The colours drawn on screen, not only the palette asked for.
TEST_F(MainWindow, ColoursAreTheClassicSchemeWhateverTheDesktop) {
    const auto cor = [](const janelas::Cor& c) { return QColor(c.rgb.r, c.rgb.g, c.rgb.b); };
    const janelas::Area caixa = janelas::Principal.Achar("TxtPergunta")->area;
    const janelas::Area nova = janelas::Principal.Achar("CmdNova")->area;
    const janelas::Area respostaArea = janelas::Principal.Achar("TxtResposta")->area;
    const QPoint cliente = window.Cliente()->pos();

    const QImage picture = window.grab().toImage();
    const QPoint faixa = cliente + QPoint(nova.x, (nova.y + nova.altura + respostaArea.y) / 2);
    EXPECT_EQ(picture.pixelColor(faixa), cor(janelas::Principal.fundo))
        << "the empty band shows the black ground";
    const QPoint dentro = cliente + QPoint(caixa.x + caixa.largura / 2, caixa.y + caixa.altura / 2);
    EXPECT_EQ(picture.pixelColor(dentro), cor(janelas::Principal.Achar("TxtPergunta")->corFundo))
        << "inside the question box";
}

TEST_F(MainWindow, SecretAnswerWithDeadKeyAccentsIsRevealed) {
    Digitar(QStringLiteral(";n"));
    Commit(box, QStringLiteral("ã"));  // "~" then "a" on a Brazilian keyboard
    Digitar(QStringLiteral("o "));
    Commit(box, QStringLiteral("é"));
    EXPECT_EQ(box->text(), Phrase1.left(5)) << "no typed letter shows";
    Key(Qt::Key_Return);
    Digitar(QStringLiteral("e, vou casar?"));
    EXPECT_EQ(box->text(), QStringLiteral("Mestre, vou casar?"));

    Click(perguntar);
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_FALSE(perguntar->isEnabled());
    EXPECT_FALSE(sair->isEnabled());
    EXPECT_TRUE(answer->toPlainText().isEmpty()) << "the first character comes with the first tick";
    ASSERT_TRUE(RevealFinished());
    EXPECT_EQ(answer->toPlainText(), QStringLiteral("não é"));
    EXPECT_EQ(QApplication::focusWidget(), nova);
    EXPECT_TRUE(sair->isEnabled());
    EXPECT_FALSE(timer->isActive());

    Click(nova);
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_TRUE(answer->toPlainText().isEmpty());
    EXPECT_FALSE(box->isReadOnly());
    EXPECT_EQ(QApplication::focusWidget(), box);
}

TEST_F(MainWindow, InputMethodCommitOfSeveralCharactersIsOneKeystrokeEach) {
    Commit(box, QStringLiteral(";ação"));
    EXPECT_EQ(box->text(), Phrase1.left(4));
    EXPECT_EQ(principal.Jogo().Estado().Resposta, u"ação");
}

TEST_F(MainWindow, PendingDeadKeyIsDrawnOnlyOutsideACapture) {
    QApplication::setCursorFlashTime(0);  // a steady caret, so two grabs compare
    const auto drawnWith = [this](const QString& preedit) {
        const QImage before = box->grab().toImage();
        Commit(box, QString(), preedit);
        const bool changed = box->grab().toImage() != before;
        Commit(box, QString(), QString());
        return changed;
    };
    EXPECT_TRUE(drawnWith(QStringLiteral("´"))) << "an ordinary box shows the pending accent";
    Digitar(QStringLiteral(";a"));
    EXPECT_FALSE(drawnWith(QStringLiteral("´"))) << "a capture never shows it";
    EXPECT_EQ(box->text(), Phrase1.left(1));
}

TEST_F(MainWindow, OutsideACaptureCommitsAndKeysAreOrdinaryTyping) {
    Commit(box, QStringLiteral("Você"));
    Digitar(QStringLiteral(" sabe?"));
    EXPECT_EQ(box->text(), QStringLiteral("Você sabe?"));
    Key(Qt::Key_A, Qt::ControlModifier);
    Key(Qt::Key_Backspace);
    EXPECT_TRUE(box->text().isEmpty()) << "Ctrl+A and Backspace keep their meaning";
    Digitar(QStringLiteral("abc"));
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QStringLiteral("abc")) << "the box keeps no history to undo";
}

TEST_F(MainWindow, KeysWithoutACharacterNeverReachTheCapture) {
    Digitar(QStringLiteral(";abc"));
    Key(Qt::Key_Left);
    Key(Qt::Key_Delete);
    Key(Qt::Key_Home);
    Key(Qt::Key_F5);
    EXPECT_EQ(principal.Jogo().Estado().Resposta, u"abc");
    EXPECT_EQ(box->text(), QStringLiteral("Mes")) << "Delete took no letter out of step with the secret";
    Key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(principal.Jogo().Estado().Resposta, u"abc\x01") << "Ctrl+A is captured, not select-all";
    EXPECT_EQ(box->text(), Phrase1.left(4));
    EXPECT_EQ(box->cursorPosition(), 4);
    EXPECT_TRUE(box->selectedText().isEmpty());
    Key(Qt::Key_Escape);
    EXPECT_EQ(principal.Jogo().Estado().Resposta, u"abc\x01\x1b");
    EXPECT_TRUE(window.isVisible()) << "Escape never closes the window";
}

TEST_F(MainWindow, PasteDuringACaptureIsCapturedAndNeverShown) {
    QApplication::clipboard()->setText(QStringLiteral("colado"));
    Digitar(QStringLiteral(";a"));
    Key(Qt::Key_V, Qt::ControlModifier);
    Key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(box->text(), Phrase1.left(8));
    EXPECT_EQ(principal.Jogo().Estado().Resposta,
              u"a\x16"
              u"colado")
        << "Ctrl+V is a keystroke, Shift+Insert text";
    Key(Qt::Key_Return);
    Key(Qt::Key_A, Qt::ControlModifier);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QStringLiteral("colado")) << "outside a capture paste is the box's own";
}

TEST_F(MainWindow, EnterAndEscapePressNothing) {
    QSignalSpy clicks1(perguntar, &QPushButton::clicked);
    QSignalSpy clicks2(sair, &QPushButton::clicked);
    Digitar(QStringLiteral("pergunta"));
    Key(Qt::Key_Return);
    Key(Qt::Key_Enter);
    Key(Qt::Key_Escape);
    EXPECT_EQ(box->text(), QStringLiteral("pergunta"));
    EXPECT_EQ(clicks1.count(), 0);
    EXPECT_EQ(clicks2.count(), 0);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindow, TheBoxTakesAtMostTwoHundredCharacters) {
    Digitar(QString(201, QLatin1Char('x')));
    EXPECT_EQ(box->text().size(), 200);
    Commit(box, QStringLiteral("y"));
    EXPECT_EQ(box->text().size(), 200);
}

TEST_F(MainWindow, QuestionWithoutTheTriggerGetsAnInsultAndAnEmptyOneTheComplaint) {
    Digitar(QStringLiteral("Vou ficar rico?"));
    Click(perguntar);
    ASSERT_TRUE(RevealFinished());
    EXPECT_EQ(answer->toPlainText(), QString::fromStdU16String(PrimeiroDesaforo()));
    Click(nova);
    Click(perguntar);
    ASSERT_TRUE(RevealFinished());
    EXPECT_EQ(answer->toPlainText(), qt::ParaQString(Oraculo::PerguntaVazia));
}

TEST_F(MainWindow, LongReplyWrapsCentredAndScrolls) {
    Digitar(QStringLiteral(";") +
            QString(150, QLatin1Char('w')).replace(QStringLiteral("wwwww"), QStringLiteral("www w")));
    Key(Qt::Key_Return);
    Click(perguntar);
    ASSERT_TRUE(RevealFinished());
    EXPECT_EQ(answer->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    EXPECT_GT(answer->document()->size().height(), answer->viewport()->height()) << "wraps to several lines";
    EXPECT_GT(answer->verticalScrollBar()->maximum(), 0) << "the scroll bar reaches the later lines";
}

TEST_F(MainWindow, TabCyclesAndTheFocusNeverRestsOnTheAnswerBox) {
    const auto tab = [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); };
    tab();
    EXPECT_EQ(QApplication::focusWidget(), perguntar);
    tab();
    EXPECT_EQ(QApplication::focusWidget(), sair) << "the disabled button is skipped";
    tab();
    EXPECT_EQ(QApplication::focusWidget(), box) << "the answer box hands the focus back";
    QTest::mouseClick(answer->viewport(), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), box);
}

TEST_F(MainWindow, SairEndsAtOnceEvenWithTicksPending) {
    Digitar(QStringLiteral("Vou?"));
    Click(perguntar);
    ASSERT_TRUE(WaitFor([this] { return !answer->toPlainText().isEmpty(); }));
    fim.EncerrarJa();
    const QString shown = answer->toPlainText();
    QTest::qWait(50);
    EXPECT_EQ(answer->toPlainText(), shown) << "no tick runs after the end";
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(timer->isActive());
}

TEST_F(MainWindow, SairButtonEndsTheProgram) {
    Click(sair);
    EXPECT_TRUE(fim.Encerrado());
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace morvantis::testing
