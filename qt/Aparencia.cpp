#include "Aparencia.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>
#include <QStyleFactory>

namespace morvantis::qt {

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

// Every role of every group is set, so nothing of the desktop's palette
// shows through, not even in a disabled button.
QPalette PaletaClassica() {
    using janelas::CorSistema;
    const auto sistema = [](CorSistema c) { return ParaQColor(janelas::Cor::DoSistema(c), {}); };
    // A colour set without a group holds for active, inactive and disabled
    // alike; the disabled look is set over it afterwards.
    QPalette p;
    p.setColor(QPalette::Window, classico::FaceBotao);
    p.setColor(QPalette::WindowText, sistema(CorSistema::TextoJanela));
    p.setColor(QPalette::Base, classico::Branco);
    p.setColor(QPalette::AlternateBase, classico::FaceBotao);
    p.setColor(QPalette::Text, sistema(CorSistema::TextoJanela));
    p.setColor(QPalette::Button, classico::FaceBotao);
    p.setColor(QPalette::ButtonText, sistema(CorSistema::TextoBotao));
    p.setColor(QPalette::BrightText, classico::Branco);
    p.setColor(QPalette::Light, classico::Branco);
    p.setColor(QPalette::Midlight, classico::FaceBotao);
    p.setColor(QPalette::Mid, classico::SombraBotao);
    p.setColor(QPalette::Dark, classico::SombraBotao);
    p.setColor(QPalette::Shadow, classico::SombraEscura);
    p.setColor(QPalette::Highlight, QColor(10, 36, 106));
    p.setColor(QPalette::HighlightedText, sistema(CorSistema::TextoRealce));
    p.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    p.setColor(QPalette::ToolTipText, classico::Preto);
    p.setColor(QPalette::PlaceholderText, classico::SombraBotao);
    p.setColor(QPalette::Link, QColor(0, 0, 255));
    p.setColor(QPalette::LinkVisited, QColor(128, 0, 128));
    p.setColor(QPalette::Disabled, QPalette::Base, classico::FaceBotao);
    p.setColor(QPalette::Disabled, QPalette::WindowText, classico::SombraBotao);
    p.setColor(QPalette::Disabled, QPalette::Text, classico::SombraBotao);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, classico::SombraBotao);
    return p;
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
    QApplication::setFont(ParaQFont({}));
    app.setWindowIcon(QIcon(QStringLiteral(":/assets/morvantis.ico")));
}

}  // namespace morvantis::qt
