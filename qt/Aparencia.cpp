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
    if (QStyle* estilo = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(estilo);
    }
    QApplication::setPalette(PaletaClassica());
    QApplication::setFont(ParaQFont({}));
    app.setWindowIcon(QIcon(QStringLiteral(":/assets/morvantis.ico")));
}

}  // namespace morvantis::qt
