#include "Aparencia.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyleFactory>
#include <cmath>

#if defined(MORVANTIS_X11)
#include <xcb/xcb.h>
#endif

namespace morvantis::aparencia {

namespace {

// 8.25 points at 96 dots per inch is 11 pixels; 15.75 points is 21.
int Pixels(double pontos) {
    return static_cast<int>(pontos * 96.0 / 72.0 + 0.5);
}

// The classic scheme for every role the style draws with, in every state.
// Every role of every group is set, so nothing of the desktop's palette
// shows through, not even in a disabled button.
QPalette PaletaClassica() {
    // A colour set without a group holds for active, inactive and disabled
    // alike; the disabled look is set over it afterwards.
    QPalette p;
    p.setColor(QPalette::Window, cor::FaceBotao);
    p.setColor(QPalette::WindowText, cor::TextoJanela);
    p.setColor(QPalette::Base, cor::Janela);
    p.setColor(QPalette::AlternateBase, cor::FaceBotao);
    p.setColor(QPalette::Text, cor::TextoJanela);
    p.setColor(QPalette::Button, cor::FaceBotao);
    p.setColor(QPalette::ButtonText, cor::TextoBotao);
    p.setColor(QPalette::BrightText, cor::Branco);
    p.setColor(QPalette::Light, cor::Branco);
    p.setColor(QPalette::Midlight, cor::FaceBotao);
    p.setColor(QPalette::Mid, cor::SombraBotao);
    p.setColor(QPalette::Dark, cor::SombraBotao);
    p.setColor(QPalette::Shadow, cor::SombraEscura);
    p.setColor(QPalette::Highlight, QColor(10, 36, 106));
    p.setColor(QPalette::HighlightedText, cor::TextoRealce);
    p.setColor(QPalette::ToolTipBase, cor::AmareloClaro);
    p.setColor(QPalette::ToolTipText, cor::TextoJanela);
    p.setColor(QPalette::PlaceholderText, cor::SombraBotao);
    p.setColor(QPalette::Link, QColor(0, 0, 255));
    p.setColor(QPalette::LinkVisited, QColor(128, 0, 128));
    p.setColor(QPalette::Disabled, QPalette::Base, cor::FaceBotao);
    p.setColor(QPalette::Disabled, QPalette::WindowText, cor::SombraBotao);
    p.setColor(QPalette::Disabled, QPalette::Text, cor::SombraBotao);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, cor::SombraBotao);
    return p;
}

#if defined(MORVANTIS_X11)
// Qt::Tool does not keep a window out of the taskbar on X11. Qt merges the
// _NET_WM_STATE it finds on the native window before the first show into its
// own states, so setting the hint here, once, is enough.
void ForaDaBarraDeTarefas(QWidget& janela) {
    // Only the xcb platform has a window manager to tell; the offscreen one
    // answers to the X11 interface too, with no connection behind it.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || x11 == nullptr ||
        x11->connection() == nullptr) {
        return;
    }
    xcb_connection_t* conexao = x11->connection();
    const auto atomo = [conexao](const char* nome) {
        const auto cookie = xcb_intern_atom(conexao, 0, static_cast<std::uint16_t>(qstrlen(nome)), nome);
        xcb_intern_atom_reply_t* resposta = xcb_intern_atom_reply(conexao, cookie, nullptr);
        const xcb_atom_t valor = resposta != nullptr ? resposta->atom : xcb_atom_t{XCB_ATOM_NONE};
        free(resposta);
        return valor;
    };
    const xcb_atom_t estado = atomo("_NET_WM_STATE");
    const xcb_atom_t estados[] = {atomo("_NET_WM_STATE_SKIP_TASKBAR"), atomo("_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(conexao, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(janela.winId()), estado,
                        XCB_ATOM_ATOM, 32, 2, estados);
    xcb_flush(conexao);
}
#else
void ForaDaBarraDeTarefas(QWidget&) {}
#endif

}  // namespace

QFont FonteDialogo() {
    QFont fonte(QStringLiteral("MS Sans Serif"));
    fonte.setPixelSize(Pixels(8.0));
    fonte.setWeight(QFont::Normal);
    return fonte;
}

QFont Verdana(double pontos) {
    QFont fonte(QStringLiteral("Verdana"));
    fonte.setPixelSize(Pixels(pontos));
    fonte.setWeight(QFont::Normal);
    return fonte;
}

void AplicarAoPrograma(QApplication& app) {
    // Where the classic fonts are missing (they are on most Linux desktops),
    // free fonts of close metrics stand in for them.
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    if (QStyle* estilo = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(estilo);
    }
    QApplication::setPalette(PaletaClassica());
    QApplication::setFont(FonteDialogo());
    app.setWindowIcon(QIcon(QStringLiteral(":/assets/morvantis.ico")));
}

QLabel* NovoRotulo(QWidget* pai, const char* nome, const QString& texto, const QColor& cor) {
    auto* rotulo = new QLabel(texto, pai);
    rotulo->setObjectName(QString::fromLatin1(nome));
    rotulo->setAttribute(Qt::WA_TranslucentBackground);
    QPalette paleta = rotulo->palette();
    paleta.setColor(QPalette::WindowText, cor);
    rotulo->setPalette(paleta);
    rotulo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return rotulo;
}

QLabel* NovoRotulo(QWidget* pai, const char* nome, const QString& texto, const QColor& cor, QPoint posicao,
                   const QFont& fonte) {
    auto* rotulo = NovoRotulo(pai, nome, texto, cor);
    rotulo->setFont(fonte);
    rotulo->move(posicao);
    rotulo->adjustSize();
    return rotulo;
}

QPushButton* NovoBotao(QWidget* pai, const char* nome, const QString& texto, QRect geometria) {
    auto* botao = new QPushButton(texto, pai);
    botao->setObjectName(QString::fromLatin1(nome));
    botao->setAccessibleName(texto);
    botao->setAutoDefault(false);
    botao->setDefault(false);
    botao->setGeometry(geometria);
    return botao;
}

JanelaFixa::JanelaFixa(const char* nome, QSize cliente, const QColor& fundo, QWidget* pai)
    : QDialog(pai), cliente_(new QWidget(this)) {
    setObjectName(QString::fromLatin1(nome));
    Qt::WindowFlags tipo = Qt::Dialog | Qt::FramelessWindowHint;
#if defined(Q_OS_WIN)
    tipo |= Qt::Tool;  // keeps the window out of the Windows taskbar
#endif
    setWindowFlags(tipo);
    setWindowTitle(QString());
    setWindowIcon(QIcon(QStringLiteral(":/assets/morvantis.ico")));
    setFixedSize(cliente + QSize(2 * Moldura, 2 * Moldura));
    setSizeGripEnabled(false);
    // The window carries the classic palette itself: one set on the whole
    // application later (a desktop's dark theme, a theme change while the
    // program runs) then reaches none of its controls.
    setPalette(PaletaClassica());

    cliente_->setObjectName(QStringLiteral("cliente"));
    cliente_->setGeometry(Moldura, Moldura, cliente.width(), cliente.height());
    cliente_->setAutoFillBackground(true);
    QPalette paleta = cliente_->palette();
    paleta.setColor(QPalette::Window, fundo);
    cliente_->setPalette(paleta);
}

void JanelaFixa::FecharEDestruir() {
    hide();
    deleteLater();
}

void JanelaFixa::paintEvent(QPaintEvent*) {
    // The classic raised dialog frame: light and white above and to the left,
    // grey and dark below and to the right, the button face inside.
    QPainter p(this);
    const QRect r = rect();
    const auto borda = [&](int recuo, const QColor& claro, const QColor& escuro) {
        const QRect b = r.adjusted(recuo, recuo, -recuo - 1, -recuo - 1);
        p.setPen(claro);
        p.drawLine(b.topLeft(), b.topRight());
        p.drawLine(b.topLeft(), b.bottomLeft());
        p.setPen(escuro);
        p.drawLine(b.bottomLeft(), b.bottomRight());
        p.drawLine(b.topRight(), b.bottomRight());
    };
    borda(0, cor::FaceBotao, cor::SombraEscura);
    borda(1, cor::Branco, cor::SombraBotao);
    borda(2, cor::FaceBotao, cor::FaceBotao);
}

void JanelaFixa::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        // Before the native window is mapped, so the window manager never
        // lists it.
        ForaDaBarraDeTarefas(*this);
        if (const QScreen* tela = screen()) {
            move(tela->geometry().center() - QPoint(width() / 2, height() / 2));
        }
    }
    QDialog::showEvent(event);
}

QLabel* NovaImagem(QWidget* pai, const char* nome, const QString& recurso, QPoint posicao) {
    auto* imagem = new QLabel(pai);
    imagem->setObjectName(QString::fromLatin1(nome));
    imagem->setAttribute(Qt::WA_TranslucentBackground);
    imagem->setFrameShape(QFrame::NoFrame);
    // On a screen of 2, 3... device pixels to the pixel, Qt would smooth
    // the picture when it scales it up; each of its pixels becomes a sharp
    // square instead. Fractional ratios keep Qt's smoothing.
    QPixmap figura(recurso);
    const qreal razao = imagem->devicePixelRatio();
    if (razao > 1.0 && razao == std::floor(razao)) {
        figura = figura.scaled(figura.size() * razao, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        figura.setDevicePixelRatio(razao);
    }
    imagem->setPixmap(figura);
    imagem->move(posicao);
    imagem->adjustSize();
    return imagem;
}

QWidget* NovaLinha(QWidget* pai, const char* nome, QPoint de, int comprimento, const QColor& cor) {
    auto* linha = new QWidget(pai);
    linha->setObjectName(QString::fromLatin1(nome));
    linha->setAutoFillBackground(true);
    QPalette paleta = linha->palette();
    paleta.setColor(QPalette::Window, cor);
    linha->setPalette(paleta);
    linha->setGeometry(de.x(), de.y(), comprimento, 1);
    return linha;
}

}  // namespace morvantis::aparencia
