#pragma once

// The look the four windows share: the classic colour scheme, the two
// fonts, and a fixed dialog window with a 3-pixel raised frame, no title
// bar, centred on the screen and kept out of the taskbar.
//
// The colours are fixed here rather than taken from the desktop, so a dark
// theme never turns the oracle's black windows grey or its boxes dark.

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QSize>

class QApplication;
class QLabel;
class QPushButton;

namespace morvantis::aparencia {

// The named system colours, with the standard scheme's values.
namespace cor {
inline const QColor TextoMenu{0, 0, 0};               // menu text (7)
inline const QColor TextoJanela{0, 0, 0};             // window text (8)
inline const QColor TextoTituloAtivo{255, 255, 255};  // active title-bar text (9)
inline const QColor BordaAtiva{212, 208, 200};        // active border (10)
inline const QColor TextoRealce{255, 255, 255};       // highlight text (14)
inline const QColor TextoBotao{0, 0, 0};              // button text (18)
inline const QColor FaceBotao{212, 208, 200};
inline const QColor SombraBotao{128, 128, 128};
inline const QColor SombraEscura{64, 64, 64};
inline const QColor Janela{255, 255, 255};  // a text box's default ground
inline const QColor Vermelho{255, 0, 0};
inline const QColor AmareloClaro{255, 255, 192};
inline const QColor Branco{255, 255, 255};
}  // namespace cor

// The platform's 8-point dialog font, and Verdana at the sizes the windows
// use. Pixel sizes keep the layout the same whatever DPI the screen reports.
QFont FonteDialogo();
QFont Verdana(double pontos = 8.25);

// Fixed palette, style and font substitutions for the whole program.
void AplicarAoPrograma(QApplication& app);

// A label in a given colour on a transparent ground.
QLabel* NovoRotulo(QWidget* pai, const char* nome, const QString& texto, const QColor& cor);
// The same on one line at a point, in a given font, sized to its text.
QLabel* NovoRotulo(QWidget* pai, const char* nome, const QString& texto, const QColor& cor, QPoint posicao,
                   const QFont& fonte);
// A push button that Enter never presses behind the user's back.
QPushButton* NovoBotao(QWidget* pai, const char* nome, const QString& texto, QRect geometria);

// A fixed dialog window: frameless on the window manager's side, it draws
// its own classic 3-pixel raised frame around a client area of a fixed size,
// and its controls are placed in pixels on that client area.
class JanelaFixa : public QDialog {
    Q_OBJECT

public:
    static constexpr int Moldura = 3;

    JanelaFixa(const char* nome, QSize cliente, const QColor& fundo, QWidget* pai = nullptr);
    Q_DISABLE_COPY_MOVE(JanelaFixa)

    [[nodiscard]] QWidget* Cliente() const { return cliente_; }

    // Hides the window at once and destroys it once the running handler has
    // returned.
    void FecharEDestruir();

public slots:
    // No cancel button: Escape and the window manager's close leave the
    // window where it is.
    void reject() override {}

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* cliente_;
};

// A picture shown unscaled, the control sized to it, with no border.
QLabel* NovaImagem(QWidget* pai, const char* nome, const QString& recurso, QPoint posicao);
// A straight horizontal rule one pixel wide.
QWidget* NovaLinha(QWidget* pai, const char* nome, QPoint de, int comprimento, const QColor& cor);

}  // namespace morvantis::aparencia
