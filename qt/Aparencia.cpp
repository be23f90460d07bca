#include "Aparencia.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include "Geometria.h"

namespace morvantis::qt {

namespace {

// Fusion, with the classic look's push buttons and focus marks. Fusion draws
// a button's rounded edge smoothed, which blends into a grey column beside
// the button at 1.5 and 1.75, and marks the focus with a dark blue line that
// barely shows on the black windows (and on a button only once Tab has been
// pressed). Here buttons and boxes have the classic edges in device pixels,
// and a button the classic dotted rectangle whenever it has the focus; the
// window rings the focused control (JanelaFixa).
class EstiloClassico final : public QProxyStyle {
public:
    explicit EstiloClassico(QStyle* base) : QProxyStyle(base) {}

    void drawPrimitive(PrimitiveElement elemento, const QStyleOption* opcao, QPainter* p,
                       const QWidget* widget) const override {
        switch (elemento) {
            case PE_PanelButtonCommand: {
                p->save();
                const int anel = janelas::AnelEmPixels(EscalaDe(*p));
                const QRect r = ParaDispositivo(*p, opcao->rect);
                const bool apertado = (opcao->state & (State_Sunken | State_On)) != 0;
                p->fillRect(PintarAneis(*p, r,
                                        apertado ? std::span(janelas::AneisBotaoApertado)
                                                 : std::span(janelas::AneisBotao),
                                        anel),
                            Classica(janelas::CorSistema::FaceBotao));
                if ((opcao->state & State_HasFocus) != 0) {
                    QPen pontilhado(opcao->palette.color(QPalette::ButtonText), 0);
                    pontilhado.setDashPattern({1.0, 1.0});
                    p->setPen(pontilhado);
                    p->drawRect(r.adjusted(4 * anel, 4 * anel, -4 * anel - 1, -4 * anel - 1));
                }
                p->restore();
                return;
            }
            case PE_FrameLineEdit:
            case PE_Frame:
            case PE_PanelLineEdit: {
                p->save();
                const int anel = janelas::AnelEmPixels(EscalaDe(*p));
                const QRect dentro =
                    PintarAneis(*p, ParaDispositivo(*p, opcao->rect), janelas::AneisCaixa, anel);
                if (elemento == PE_PanelLineEdit) {
                    p->fillRect(dentro, opcao->palette.color(QPalette::Base));
                }
                p->restore();
                return;
            }
            default:
                break;
        }
        QProxyStyle::drawPrimitive(elemento, opcao, p, widget);
    }
};

}  // namespace

// QPainter's device transform takes its coordinates all the way to the
// device's pixels: the world transform, the widget's place in the window and
// the device pixel ratio.
qreal EscalaDe(const QPainter& p) {
    return p.deviceTransform().m11();
}

QRect NoDispositivo(const QPainter& p, const QRect& logico) {
    const QRectF r = p.deviceTransform().mapRect(QRectF(logico));
    return {QPoint(qRound(r.left()), qRound(r.top())), QPoint(qRound(r.right()) - 1, qRound(r.bottom()) - 1)};
}

QRect ParaDispositivo(QPainter& p, const QRect& logico) {
    const QRect r = NoDispositivo(p, logico);
    p.setViewTransformEnabled(false);
    p.setWorldTransform(p.deviceTransform().inverted() * p.worldTransform());
    p.setRenderHint(QPainter::Antialiasing, false);
    return r;
}

QRect PintarAneis(QPainter& p, QRect r, std::span<const janelas::Anel> aneis, int largura) {
    for (const janelas::Anel& anel : aneis) {
        const QColor claro = Classica(anel.claro);
        const QColor escuro = Classica(anel.escuro);
        p.fillRect(QRect(r.left(), r.top(), r.width(), largura), claro);
        p.fillRect(QRect(r.left(), r.top(), largura, r.height()), claro);
        p.fillRect(QRect(r.left(), r.bottom() - largura + 1, r.width(), largura), escuro);
        p.fillRect(QRect(r.right() - largura + 1, r.top(), largura, r.height()), escuro);
        r.adjust(largura, largura, -largura, -largura);
    }
    return r;
}

QColor ParaQColor(const janelas::Cor& cor, const QColor& padrao) {
    if (cor.EhPadrao()) {
        return padrao;
    }
    return {cor.rgb.r, cor.rgb.g, cor.rgb.b};
}

QFont ParaQFont(const janelas::Fonte& fonte) {
    QFont qfonte(fonte.face == janelas::Fonte::Face::Verdana ? QStringLiteral("Verdana")
                                                             : QStringLiteral("MS Sans Serif"));
    qfonte.setPixelSize(fonte.Pixels());
    qfonte.setWeight(QFont::Normal);
    return qfonte;
}

QIcon Icone() {
    return QIcon(QStringLiteral(":/assets/morvantis.ico"));
}

// Every role of every group is set, so nothing of the desktop's palette
// shows through, not even in a disabled button.
QPalette PaletaClassica() {
    using janelas::CorSistema;
    const QColor face = Classica(CorSistema::FaceBotao);
    const QColor sombra = Classica(CorSistema::SombraBotao);
    const QColor branco = Classica(CorSistema::RealceBotao);
    // A colour set without a group holds for active, inactive and disabled
    // alike; the disabled look is set over it afterwards.
    QPalette p;
    p.setColor(QPalette::Window, face);
    p.setColor(QPalette::WindowText, Classica(CorSistema::TextoJanela));
    p.setColor(QPalette::Base, Classica(CorSistema::FundoJanela));
    p.setColor(QPalette::AlternateBase, face);
    p.setColor(QPalette::Text, Classica(CorSistema::TextoJanela));
    p.setColor(QPalette::Button, face);
    p.setColor(QPalette::ButtonText, Classica(CorSistema::TextoBotao));
    p.setColor(QPalette::BrightText, branco);
    p.setColor(QPalette::Light, branco);
    p.setColor(QPalette::Midlight, Classica(CorSistema::Luz3D));
    p.setColor(QPalette::Mid, sombra);
    p.setColor(QPalette::Dark, sombra);
    p.setColor(QPalette::Shadow, Classica(CorSistema::SombraEscura3D));
    p.setColor(QPalette::Highlight, Classica(CorSistema::Realce));
    p.setColor(QPalette::HighlightedText, Classica(CorSistema::TextoRealce));
    p.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    p.setColor(QPalette::ToolTipText, classico::Preto);
    p.setColor(QPalette::PlaceholderText, sombra);
    p.setColor(QPalette::Link, QColor(0, 0, 255));
    p.setColor(QPalette::LinkVisited, QColor(128, 0, 128));
    p.setColor(QPalette::Disabled, QPalette::Base, face);
    p.setColor(QPalette::Disabled, QPalette::WindowText, sombra);
    p.setColor(QPalette::Disabled, QPalette::Text, sombra);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, sombra);
    return p;
}

void AplicarAoPrograma(QApplication& app) {
    // Where the classic fonts are missing (they are on most Linux desktops),
    // free fonts of close metrics stand in for them.
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(new EstiloClassico(fusion));
    }
    QApplication::setPalette(PaletaClassica());
    QApplication::setFont(ParaQFont({}));
    app.setWindowIcon(Icone());
}

}  // namespace morvantis::qt
