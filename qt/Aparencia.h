#pragma once

// The Qt look of the windows: the classic colour scheme as a fixed palette,
// the fonts that stand in for the dialog font and Verdana, and the colours
// and fonts of a window description as Qt's.
//
// The colours are fixed here rather than taken from the desktop, so a dark
// theme never turns the oracle's black windows grey or its boxes dark.

#include <QColor>
#include <QFont>
#include <QPalette>

#include "Descricao.h"

class QApplication;

namespace morvantis::qt {

// The classic scheme's shades that Qt's style draws with besides the
// windows' own colours: button faces, shadows, a text box's white ground.
namespace classico {
inline const QColor FaceBotao{212, 208, 200};
inline const QColor SombraBotao{128, 128, 128};
inline const QColor SombraEscura{64, 64, 64};
inline const QColor Branco{255, 255, 255};
inline const QColor Preto{0, 0, 0};
}  // namespace classico

// A described colour as Qt's; `padrao` where the description leaves it to
// the platform.
[[nodiscard]] QColor ParaQColor(const janelas::Cor& cor, const QColor& padrao);
// The dialog font or Verdana, in pixels so the layout is the same whatever
// dots per inch the screen reports.
[[nodiscard]] QFont ParaQFont(const janelas::Fonte& fonte);

// The classic scheme for every role and state.
[[nodiscard]] QPalette PaletaClassica();

// Fixed palette, style, font and font substitutions for the whole program.
void AplicarAoPrograma(QApplication& app);

}  // namespace morvantis::qt
