// The Qt kit realises any window description faithfully: for every control
// of every window, a widget of its kind sits at its place with its text,
// state and colours, in the described tab order.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "Aparencia.h"
#include "Controles.h"
#include "Geometria.h"
#include "QuatroJanelas.h"
#include "Realizacoes.h"

namespace morvantis::testing {
namespace {

using janelas::Tipo;

QString Texto(std::u16string_view texto) {
    return qt::ParaQString(texto).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QColor Cor(const janelas::Cor& cor) {
    return {cor.rgb.r, cor.rgb.g, cor.rgb.b};
}

class Realizacao : public ::testing::TestWithParam<std::string> {
protected:
    QuatroJanelas janelas;
};

TEST_P(Realizacao, EveryControlIsAWidgetOfItsKindAtItsPlaceWithItsText) {
    auto janela = janelas.Criar(GetParam());
    const janelas::Janela& d = *janela.descricao;
    EXPECT_EQ(janela->objectName().toStdString(), d.nome);
    EXPECT_EQ(janela->accessibleName(), qt::ParaQString(d.nomeAcessivel));
    EXPECT_EQ(janela->Cliente()->size(), QSize(d.cliente.largura, d.cliente.altura));
    EXPECT_EQ(janela->size(), janela->Cliente()->size() + QSize(6, 6)) << "inside the 3-pixel frame";
    EXPECT_EQ(janela->Cliente()->palette().color(QPalette::Window), Cor(d.fundo));

    QList<QWidget*> focaveis;
    for (const janelas::Controle& c : d.controles) {
        SCOPED_TRACE(std::string(c.nome));
        const QString nome = QString::fromLatin1(c.nome.data(), static_cast<qsizetype>(c.nome.size()));
        if (c.tipo == Tipo::Temporizador) {
            auto* timer = janela->findChild<QTimer*>(nome);
            ASSERT_NE(timer, nullptr);
            EXPECT_EQ(timer->interval(), c.intervaloMs);
            EXPECT_FALSE(timer->isActive());
            continue;
        }
        QWidget* w = janela->Cliente()->findChild<QWidget*>(nome, Qt::FindDirectChildrenOnly);
        ASSERT_NE(w, nullptr);
        if (c.ajustaAoTexto) {
            EXPECT_EQ(w->pos(), QPoint(c.area.x, c.area.y));
        } else {
            EXPECT_EQ(w->geometry(), QRect(c.area.x, c.area.y, c.area.largura, c.area.altura));
        }
        EXPECT_EQ(w->font().pixelSize(), d.FonteDe(c).Pixels());
        EXPECT_EQ(w->isEnabled(), c.habilitado);
        switch (c.tipo) {
            case Tipo::Botao: {
                auto* botao = qobject_cast<QPushButton*>(w);
                ASSERT_NE(botao, nullptr);
                EXPECT_EQ(botao->text(), Texto(c.texto));
                EXPECT_FALSE(botao->autoDefault() || botao->isDefault()) << "Enter presses no button";
                break;
            }
            case Tipo::Caixa:
                if (auto* linha = qobject_cast<QLineEdit*>(w)) {
                    EXPECT_FALSE(c.multiLinha);
                    EXPECT_EQ(linha->text(), Texto(c.texto));
                    EXPECT_EQ(linha->maxLength(), c.maximoCaracteres);
                    EXPECT_EQ(linha->isReadOnly(), c.travado);
                } else {
                    auto* area = qobject_cast<QAbstractScrollArea*>(w);
                    ASSERT_NE(area, nullptr);
                    EXPECT_TRUE(c.multiLinha);
                    const QString texto = qobject_cast<QTextEdit*>(w) != nullptr
                                              ? qobject_cast<QTextEdit*>(w)->toPlainText()
                                              : qobject_cast<QPlainTextEdit*>(w)->toPlainText();
                    EXPECT_EQ(texto, Texto(c.texto));
                    EXPECT_EQ(area->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn, c.barraVertical);
                }
                if (!c.corFundo.EhPadrao()) {
                    EXPECT_EQ(w->palette().color(QPalette::Base), Cor(c.corFundo));
                }
                if (!c.corTexto.EhPadrao()) {
                    EXPECT_EQ(w->palette().color(QPalette::Text), Cor(c.corTexto));
                }
                break;
            case Tipo::Rotulo: {
                auto* rotulo = qobject_cast<QLabel*>(w);
                ASSERT_NE(rotulo, nullptr);
                EXPECT_EQ(rotulo->text(), Texto(c.texto));
                EXPECT_EQ(rotulo->wordWrap(), c.quebraLinhas);
                EXPECT_EQ(rotulo->palette().color(QPalette::WindowText), Cor(c.corTexto));
                break;
            }
            case Tipo::Imagem: {
                auto* imagem = qobject_cast<QLabel*>(w);
                ASSERT_NE(imagem, nullptr);
                EXPECT_EQ(imagem->pixmap().size(), QSize(c.area.largura, c.area.altura)) << "shown unscaled";
                break;
            }
            case Tipo::Linha:
                EXPECT_EQ(w->palette().color(QPalette::Window), Cor(c.corTexto));
                break;
            case Tipo::Temporizador:
                break;
        }
        if (c.TomaFoco()) {
            EXPECT_EQ(w->accessibleName(), Texto(c.NomeAcessivel()));
            focaveis.append(w);
        } else {
            EXPECT_EQ(w->focusPolicy(), Qt::NoFocus);
        }
    }

    // Tab visits the controls in the described order, from the first.
    ASSERT_FALSE(focaveis.isEmpty());
    for (qsizetype i = 0; i + 1 < focaveis.size(); ++i) {
        QWidget* proximo = focaveis[i]->nextInFocusChain();
        while (!focaveis.contains(proximo) && proximo != focaveis[i]) {
            proximo = proximo->nextInFocusChain();
        }
        EXPECT_EQ(proximo, focaveis[i + 1]) << focaveis[i]->objectName().toStdString();
    }
}

// The classic raised frame, ring by ring from the outside in: light above
// and to the left, dark below and to the right, the dark lines owning the
// top-right and bottom-left corners; then the window's own ground. At any
// scale each ring is the same whole number of device pixels, and each
// picture's pixels are whole blocks of device pixels, none blended.
TEST_P(Realizacao, RaisedFrameRunsToTheLastPixelOfEveryEdgeAndCorner) {
    auto janela = janelas.Criar(GetParam());
    janela->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(janela.get()));
    const auto nome = [](const QColor& cor) { return cor.name().toStdString(); };
    for (const auto& [escala, anel] : {std::pair{1.0, 1}, {1.5, 2}, {2.0, 2}}) {
        SCOPED_TRACE(escala);
        // Drawn as a screen of that scale draws it.
        QImage foto(janela->size() * escala, QImage::Format_ARGB32);
        foto.setDevicePixelRatio(escala);
        janela->render(&foto);
        VerMoldura(
            anel, foto.width(), foto.height(), [&](janelas::CorSistema c) { return nome(qt::Classica(c)); },
            nome(Cor(janela.descricao->fundo)), [&](int x, int y) { return nome(foto.pixelColor(x, y)); });
        for (const QLabel* figura : janela->findChildren<QLabel*>()) {
            if (figura->pixmap().isNull()) {
                continue;
            }
            const QImage origem = figura->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
            const QPointF canto = QPointF(figura->mapTo(janela.get(), QPoint(0, 0))) * escala;
            const QSize tamanho(janelas::EmPixels(origem.width(), escala),
                                janelas::EmPixels(origem.height(), escala));
            const int erradas = PixelsBorrados(
                tamanho.width(), tamanho.height(), origem.width(), origem.height(),
                [&](int x, int y) { return foto.pixel(qRound(canto.x()) + x, qRound(canto.y()) + y); },
                [&](int x, int y) { return origem.pixel(x, y); });
            EXPECT_EQ(erradas, 0) << figura->objectName().toStdString() << " nearest neighbour";
        }
    }
}

MORVANTIS_PARA_AS_QUATRO_JANELAS(Realizacao);

}  // namespace
}  // namespace morvantis::testing
