#pragma once

// The Qt look of the windows: the classic colour scheme as a fixed palette,
// the fonts that stand in for the dialog font and Verdana, and the colours
// and fonts of a window description as Qt's.
//
// The colours are fixed here rather than taken from the desktop, so a dark
// theme never turns the oracle's black windows grey or its boxes dark.

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QRect>
#include <span>

#include "Descricao.h"

class QApplication;
class QPainter;

namespace morvantis::qt {

// A named colour's value in the classic scheme (janelas::ValorClassico), as
// Qt's: the windows' own colours and the shades Qt's style draws with
// besides them (button faces, 3-D edges, a text box's white ground).
[[nodiscard]] inline QColor Classica(janelas::CorSistema cor) {
    const janelas::Rgb valor = janelas::ValorClassico(cor);
    return {valor.r, valor.g, valor.b};
}

namespace classico {
// The classic black, where Qt's default would follow the desktop: a
// window's ground its description leaves to the platform, a tooltip's text.
inline const QColor Preto = Classica(janelas::CorSistema::TextoJanela);
}  // namespace classico

// A described colour as Qt's; `padrao` where the description leaves it to
// the platform (a control's colours come settled by janelas::TextoDe and
// FundoDe).
[[nodiscard]] QColor ParaQColor(const janelas::Cor& cor, const QColor& padrao = {});
// The dialog font or Verdana, in pixels so the layout is the same whatever
// dots per inch the screen reports.
[[nodiscard]] QFont ParaQFont(const janelas::Fonte& fonte);

// At a fractional scale (1.25, 1.5...) a widget's logical pixels fall
// between device pixels, and whatever is drawn along them comes out blended
// or uneven. What must stay sharp (the frame, the buttons' edges, the focus
// mark, the pictures) is drawn in device pixels instead.
//
// The device pixels to one of `p`'s pixels.
[[nodiscard]] qreal EscalaDe(const QPainter& p);
// The rectangle `logico`, in `p`'s coordinates, in device pixels: each edge
// rounded to the nearest device pixel, as Qt rounds a widget's own place.
[[nodiscard]] QRect NoDispositivo(const QPainter& p, const QRect& logico);
// The same, and from here on `p` draws in whole device pixels.
[[nodiscard]] QRect ParaDispositivo(QPainter& p, const QRect& logico);
// Rings from the outside of `r` in, each `largura` device pixels: the light
// shade along the top and left, the dark one along the bottom and right and
// over the top-right and bottom-left corners. Returns what is left inside.
QRect PintarAneis(QPainter& p, QRect r, std::span<const janelas::Anel> aneis, int largura);

// The snowflake, the program's and every window's icon.
[[nodiscard]] QIcon Icone();

// The classic scheme for every role and state.
[[nodiscard]] QPalette PaletaClassica();

// Fixed palette, style, font and font substitutions for the whole program.
void AplicarAoPrograma(QApplication& app);

}  // namespace morvantis::qt
