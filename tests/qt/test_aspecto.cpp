// The four windows look the same on any desktop: at a scale factor of 2
// (this suite runs with QT_SCALE_FACTOR=2) they are twice the pixels and
// their captions whole (the pictures' sharpness at every scale is checked
// with the frame, in test_realizacao.cpp); a dark desktop palette changes
// none of their colours.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>

#include "QuatroJanelas.h"

namespace morvantis::testing {
namespace {

class Aspecto : public ::testing::TestWithParam<std::string> {
protected:
    // The window's picture, shown on its own as the program shows it.
    QImage Foto() {
        auto janela = janelas.Criar(GetParam());
        janela->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(janela.get()));
        return janela->grab().toImage();
    }

    QuatroJanelas janelas;
};

TEST_P(Aspecto, AtScaleTwoTheWindowIsTwiceThePixels) {
    auto janela = janelas.Criar(GetParam());
    janela->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(janela.get()));
    ASSERT_EQ(janela->devicePixelRatio(), 2.0) << "the suite runs with QT_SCALE_FACTOR=2";

    const QPixmap foto = janela->grab();
    EXPECT_EQ(foto.size(), janela->size() * 2);
    EXPECT_EQ(foto.deviceIndependentSize().toSize(), janela->size());
}

TEST_P(Aspecto, AtScaleTwoNoCaptionIsClipped) {
    auto janela = janelas.Criar(GetParam());
    janela->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(janela.get()));
    const QRect cliente = janela->Cliente()->rect();

    for (const QLabel* rotulo : janela->findChildren<QLabel*>()) {
        if (rotulo->text().isEmpty()) {
            continue;
        }
        const std::string nome = rotulo->objectName().toStdString();
        const QRect area = rotulo->contentsRect();
        const int modo = static_cast<int>(rotulo->alignment()) | (rotulo->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect texto = rotulo->fontMetrics().boundingRect(area, modo, rotulo->text());
        EXPECT_TRUE(area.contains(texto)) << nome << ": needs " << texto.width() << " x " << texto.height();
        EXPECT_TRUE(cliente.contains(rotulo->geometry())) << nome << " sticks out of the window";
    }
    for (const QPushButton* botao : janela->findChildren<QPushButton*>()) {
        QStyleOptionButton opcao;
        opcao.initFrom(botao);
        opcao.text = botao->text();
        const QRect area = botao->style()->subElementRect(QStyle::SE_PushButtonContents, &opcao, botao);
        const QFontMetrics medida = botao->fontMetrics();
        EXPECT_LE(medida.horizontalAdvance(botao->text()), area.width()) << botao->objectName().toStdString();
        EXPECT_LE(medida.height(), area.height()) << botao->objectName().toStdString();
        EXPECT_TRUE(cliente.contains(botao->geometry())) << botao->objectName().toStdString();
    }
}

TEST_P(Aspecto, DarkDesktopPaletteChangesNoPixel) {
    // A blinking caret would make two pictures of the same window differ.
    const int piscar = QApplication::cursorFlashTime();
    QApplication::setCursorFlashTime(0);
    const QImage classica = Foto();

    QPalette escura;
    for (const auto grupo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (int papel = 0; papel < QPalette::NColorRoles; ++papel) {
            const auto p = static_cast<QPalette::ColorRole>(papel);
            const bool texto = p == QPalette::WindowText || p == QPalette::Text ||
                               p == QPalette::ButtonText || p == QPalette::BrightText ||
                               p == QPalette::HighlightedText || p == QPalette::ToolTipText ||
                               p == QPalette::PlaceholderText;
            escura.setColor(grupo, p, texto ? QColor(230, 230, 230) : QColor(40, 40, 48));
        }
    }
    const QPalette antes = QApplication::palette();
    QApplication::setPalette(escura);
    const QImage sobEscura = Foto();
    QApplication::setPalette(antes);
    QApplication::setCursorFlashTime(piscar);

    ASSERT_EQ(classica.size(), sobEscura.size());
    int diferentes = 0;
    QPoint primeiro;
    for (int y = 0; y < classica.height(); ++y) {
        for (int x = 0; x < classica.width(); ++x) {
            if (classica.pixel(x, y) != sobEscura.pixel(x, y) && diferentes++ == 0) {
                primeiro = QPoint(x, y);
            }
        }
    }
    EXPECT_EQ(diferentes, 0) << "first at " << primeiro.x() << "," << primeiro.y();
}

MORVANTIS_PARA_AS_QUATRO_JANELAS(Aspecto);

}  // namespace
}  // namespace morvantis::testing
