#pragma once

// The toolkit's floor: a bare Qt 6 Widgets window of the main window's size
// with the same kinds of controls (a label, a line edit, three buttons, a
// text box) at the same places, and nothing of ours: no look, fonts,
// pictures or icon.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QWidget>

namespace morvantis::bench {

class JanelaBase final : public QWidget {
public:
    JanelaBase() {
        setFixedSize(635, 323);
        auto* rotulo = new QLabel(QStringLiteral("Digite sua pergunta:"), this);
        rotulo->move(16, 24);
        linha_->setGeometry(16, 40, 601, 19);
        auto* perguntar = new QPushButton(QStringLiteral("Perguntar"), this);
        perguntar->setGeometry(16, 88, 153, 25);
        auto* nova = new QPushButton(QStringLiteral("Nova pergunta"), this);
        nova->setGeometry(240, 88, 153, 25);
        auto* sair = new QPushButton(QStringLiteral("Sair"), this);
        sair->setGeometry(464, 88, 153, 25);
        auto* caixa = new QTextEdit(this);
        caixa->setGeometry(16, 288, 601, 25);
        linha_->setFocus();
    }

    [[nodiscard]] QLineEdit* Linha() const { return linha_; }

private:
    QLineEdit* linha_ = new QLineEdit(this);
};

}  // namespace morvantis::bench
