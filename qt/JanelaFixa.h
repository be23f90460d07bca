#pragma once

// A fixed dialog window as the windows share it: frameless on the window
// manager's side, it draws its own classic raised frame of three rings
// around a client area of a fixed size and a ring around the control with
// the focus, has no title bar, is centred on the screen when shown and is
// kept out of the taskbar.

#include <QDialog>
#include <QImage>
#include <QPointer>
#include <QSize>
#include <vector>

namespace morvantis::qt {

class JanelaFixa final : public QDialog {
    Q_OBJECT

public:
    JanelaFixa(const QString& nome, QSize cliente, const QColor& fundo, QWidget* pai = nullptr);
    Q_DISABLE_COPY_MOVE(JanelaFixa)

    // The area the controls are placed on, in pixels.
    [[nodiscard]] QWidget* Cliente() const { return cliente_; }
    // Draws `figura` where `lugar` stands, in device pixels: at a scale of
    // 1.25, 1.5 or 1.75 Qt would smooth it, and clip it a device pixel short
    // where its place falls between two.
    void Figura(const QWidget& lugar, QImage figura);

public slots:
    // No cancel button: Escape and the window manager's close leave the
    // window where it is.
    void reject() override {}

    // Centres the window and keeps it out of the taskbar each time it shows.
    void setVisible(bool visivel) override;

protected:
    bool event(QEvent* evento) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Quadro {
        QPointer<const QWidget> lugar;
        QImage original;
        // The picture at the scale last drawn.
        QImage ampliada;
    };

    QWidget* cliente_;
    std::vector<Quadro> figuras_;
};

}  // namespace morvantis::qt
