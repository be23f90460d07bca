#include "JanelaFixa.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QScreen>

#include "Aparencia.h"
#include "Descricao.h"
#include "Geometria.h"

#if defined(MORVANTIS_X11)
#include <xcb/randr.h>
#include <xcb/xcb.h>
#endif

namespace morvantis::qt {

namespace {

constexpr int Moldura = janelas::MolduraPixels;

#if defined(MORVANTIS_X11)
// The X server's connection, or none. Only the xcb platform has a window
// manager to tell; the offscreen one answers to the X11 interface too, with
// no connection behind it.
xcb_connection_t* ConexaoX11() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || x11 == nullptr) {
        return nullptr;
    }
    return x11->connection();
}

// Qt::Tool does not keep a window out of the taskbar on X11. Qt merges the
// _NET_WM_STATE it finds on the native window before the first show into its
// own states, so setting the hint here, once, is enough.
void ForaDaBarraDeTarefas(QWidget& janela) {
    xcb_connection_t* conexao = ConexaoX11();
    if (conexao == nullptr) {
        return;
    }
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

// Qt places a window at whole logical pixels, and at a scale of 1.5 or 2
// that can be a device pixel off the centre. Moves the native window, not
// yet mapped, to the centre in device pixels of the monitor it is on.
void CentrarNoDispositivo(QWidget& janela) {
    xcb_connection_t* conexao = ConexaoX11();
    if (conexao == nullptr) {
        return;
    }
    const auto id = static_cast<xcb_window_t>(janela.winId());
    xcb_get_geometry_reply_t* lugar = xcb_get_geometry_reply(conexao, xcb_get_geometry(conexao, id), nullptr);
    if (lugar == nullptr) {
        return;
    }
    const int largura = lugar->width + 2 * lugar->border_width;
    const int altura = lugar->height + 2 * lugar->border_width;
    const QPoint meio(lugar->x + largura / 2, lugar->y + altura / 2);
    QRect tela;
    xcb_randr_get_monitors_reply_t* monitores =
        xcb_randr_get_monitors_reply(conexao, xcb_randr_get_monitors(conexao, lugar->root, 1), nullptr);
    if (monitores != nullptr) {
        for (auto it = xcb_randr_get_monitors_monitors_iterator(monitores); it.rem > 0;
             xcb_randr_monitor_info_next(&it)) {
            const QRect monitor(it.data->x, it.data->y, it.data->width, it.data->height);
            if (tela.isNull() || monitor.contains(meio)) {
                tela = monitor;
            }
        }
        free(monitores);
    }
    if (!tela.isNull()) {
        const std::uint32_t onde[] = {
            static_cast<std::uint32_t>(tela.x() + janelas::Centrado(tela.width(), largura)),
            static_cast<std::uint32_t>(tela.y() + janelas::Centrado(tela.height(), altura))};
        if (static_cast<int>(onde[0]) != lugar->x || static_cast<int>(onde[1]) != lugar->y) {
            xcb_configure_window(conexao, id, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, onde);
            xcb_flush(conexao);
        }
    }
    free(lugar);
}
#else
void ForaDaBarraDeTarefas(QWidget&) {}
void CentrarNoDispositivo(QWidget&) {}
#endif

}  // namespace

JanelaFixa::JanelaFixa(const QString& nome, QSize cliente, const QColor& fundo, QWidget* pai)
    : QDialog(pai), cliente_(new QWidget(this)) {
    setObjectName(nome);
    // The window manager's own rules must agree that no window is listed in
    // the taskbar. mutter lists a dialog window unless it is transient for a
    // real window, whatever its skip-taskbar hint; a window of its own (the
    // entry and main windows, which no window owns) is an ordinary window,
    // whose hint every window manager keeps. A window opened over another
    // is a dialog transient for it.
    Qt::WindowFlags tipo = (pai != nullptr ? Qt::Dialog : Qt::Window) | Qt::FramelessWindowHint;
#if defined(Q_OS_WIN)
    tipo |= Qt::Tool;  // keeps the window out of the Windows taskbar
#endif
    setWindowFlags(tipo);
    setWindowTitle(QString());
    setWindowIcon(Icone());
    setFixedSize(cliente + QSize(2 * Moldura, 2 * Moldura));
    setSizeGripEnabled(false);
    // The window carries the classic palette itself: one set on the whole
    // application later (a desktop's dark theme, a theme change while the
    // program runs) then reaches none of its controls.
    setPalette(PaletaClassica());

    // The window paints the client area's ground itself, in device pixels
    // up to the frame's inner edge; the client area only holds the controls.
    cliente_->setObjectName(QStringLiteral("cliente"));
    cliente_->setGeometry(Moldura, Moldura, cliente.width(), cliente.height());
    QPalette paleta = cliente_->palette();
    paleta.setColor(QPalette::Window, fundo);
    cliente_->setPalette(paleta);

    // The focus mark follows the focus, and leaves with the window's
    // activation.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* antes, QWidget* depois) {
        if ((antes != nullptr && isAncestorOf(antes)) || (depois != nullptr && isAncestorOf(depois))) {
            update();
        }
    });
}

bool JanelaFixa::event(QEvent* evento) {
    if (evento->type() == QEvent::ActivationChange) {
        update();
    }
    return QDialog::event(evento);
}

void JanelaFixa::Figura(const QWidget& lugar, QImage figura) {
    figuras_.push_back({&lugar, figura.convertToFormat(QImage::Format_ARGB32), {}});
}

namespace {

// Nearest neighbour, by the rule every realisation keeps
// (janelas::PixelDeOrigem).
QImage Ampliar(const QImage& origem, QSize tamanho) {
    QImage ampliada(tamanho, QImage::Format_ARGB32);
    for (int y = 0; y < tamanho.height(); ++y) {
        const auto* linha = reinterpret_cast<const QRgb*>(
            origem.constScanLine(janelas::PixelDeOrigem(y, tamanho.height(), origem.height())));
        auto* destino = reinterpret_cast<QRgb*>(ampliada.scanLine(y));
        for (int x = 0; x < tamanho.width(); ++x) {
            destino[x] = linha[janelas::PixelDeOrigem(x, tamanho.width(), origem.width())];
        }
    }
    return ampliada;
}

}  // namespace

// In device pixels: the frame's three rings, each janelas::AnelEmPixels
// wide, the ground inside them, the pictures, and the focus mark around the
// focused control.
void JanelaFixa::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const qreal escala = EscalaDe(p);
    const int anel = janelas::AnelEmPixels(escala);
    const auto noDispositivo = [&p, this](const QWidget& w) {
        return NoDispositivo(p, QRect(w.mapTo(this, QPoint(0, 0)), w.size()));
    };
    QWidget* foco = focusWidget();
    const bool marcar = foco != nullptr && foco != this && foco->hasFocus();
    const QRect controle = marcar ? noDispositivo(*foco) : QRect();
    std::vector<QPoint> cantos;
    for (Quadro& f : figuras_) {
        cantos.push_back(f.lugar != nullptr ? noDispositivo(*f.lugar).topLeft() : QPoint());
        const QSize tamanho(janelas::EmPixels(f.original.width(), escala),
                            janelas::EmPixels(f.original.height(), escala));
        if (f.ampliada.size() != tamanho) {
            f.ampliada = Ampliar(f.original, tamanho);
        }
    }
    const QRect janela = ParaDispositivo(p, rect());
    p.fillRect(PintarAneis(p, janela, janelas::AneisMoldura, anel),
               cliente_->palette().color(QPalette::Window));
    for (std::size_t i = 0; i < figuras_.size(); ++i) {
        if (figuras_[i].lugar != nullptr && figuras_[i].lugar->isVisible()) {
            p.drawImage(cantos[i], figuras_[i].ampliada);
        }
    }
    if (marcar) {
        const QRect marca = controle.adjusted(-2 * anel, -2 * anel, 2 * anel, 2 * anel);
        const QColor cor = Classica(janelas::CorMarcaFoco);
        p.fillRect(marca.left(), marca.top(), marca.width(), anel, cor);
        p.fillRect(marca.left(), marca.bottom() - anel + 1, marca.width(), anel, cor);
        p.fillRect(marca.left(), marca.top(), anel, marca.height(), cor);
        p.fillRect(marca.right() - anel + 1, marca.top(), anel, marca.height(), cor);
    }
}

void JanelaFixa::setVisible(bool visivel) {
    if (visivel && !isVisible()) {
        // Placed before the native window exists, so it is created where it
        // belongs: a move once it exists would reach the program as an X
        // configure event that Qt reads after the window manager has
        // reparented the window but before it has placed its frame (openbox),
        // and Qt would then take the window to stand at (0, 0).
        if (const QScreen* tela = screen()) {
            const QRect area = tela->geometry();
            move(area.x() + janelas::Centrado(area.width(), width()),
                 area.y() + janelas::Centrado(area.height(), height()));
        }
        // Before the native window is mapped, so the window manager never
        // lists it.
        ForaDaBarraDeTarefas(*this);
        CentrarNoDispositivo(*this);
    }
    QDialog::setVisible(visivel);
}

}  // namespace morvantis::qt
