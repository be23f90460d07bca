#pragma once

// The toolkit's floor: a bare Qt 6 Widgets window of the main window's size
// with the same kinds of controls at the same places, read from the main
// window's description, and nothing of ours: no look, fonts, pictures, icon
// or key path.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QTextEdit>
#include <QWidget>

#include "Janelas.h"

namespace morvantis::bench {

class JanelaBase final : public QWidget {
public:
    JanelaBase() {
        const janelas::Janela& principal = janelas::Principal;
        setFixedSize(principal.cliente.largura, principal.cliente.altura);
        for (const janelas::Controle& c : principal.controles) {
            const QString texto = QString::fromUtf16(c.texto.data(), static_cast<qsizetype>(c.texto.size()));
            const QRect area(c.area.x, c.area.y, c.area.largura, c.area.altura);
            switch (c.tipo) {
                case janelas::Tipo::Rotulo:
                    (new QLabel(texto, this))->move(area.topLeft());
                    break;
                case janelas::Tipo::Botao:
                    (new QPushButton(texto, this))->setGeometry(area);
                    break;
                case janelas::Tipo::Caixa:
                    if (c.multiLinha) {
                        (new QTextEdit(this))->setGeometry(area);
                    } else if (linha_ == nullptr) {
                        linha_ = new QLineEdit(this);
                        linha_->setGeometry(area);
                    }
                    break;
                default:
                    break;
            }
        }
        linha_->setFocus();
    }

    [[nodiscard]] QLineEdit* Linha() const { return linha_; }

private:
    QLineEdit* linha_ = nullptr;
};

}  // namespace morvantis::bench
