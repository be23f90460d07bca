#pragma once

// The oracle's own window: the prompt, the question box, three buttons, the
// answer box and the reveal timer on a black ground. It only builds and
// shows the controls and wires their events to the game logic (Oraculo),
// which decides everything.

#include <QTimer>
#include <memory>

#include "Aparencia.h"
#include "Module1.h"
#include "Oraculo.h"
#include "QtToolkit.h"

class QLabel;
class QPushButton;
class QTextEdit;

namespace morvantis {

class CaixaPergunta;

class FrmMain final : public aparencia::JanelaFixa, private toolkit::Dialogs {
    Q_OBJECT

public:
    static constexpr QSize TamanhoCliente{635, 323};
    static constexpr int IntervaloMs = 10;
    static constexpr int MaximoCaracteres = 200;

    // The game's generator module and the program's end belong to the
    // program; the window borrows them.
    FrmMain(Module1& modulo, qt::Aplicacao& aplicacao);
    ~FrmMain() override;
    Q_DISABLE_COPY_MOVE(FrmMain)

    [[nodiscard]] const Oraculo& Jogo() const { return *oraculo_; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void ShowAjudaModal() override;
    void ShowSobreModal() override;
    // Runs a handler unless the program has already ended.
    template <typename Handler>
    void Despachar(Handler&& handler);

    qt::Aplicacao& aplicacao_;
    QTimer* Timer;
    QPushButton* CmdSair;
    QPushButton* CmdNova;
    QPushButton* CmdPergunta;
    CaixaPergunta* TxtPergunta;
    QTextEdit* TxtResposta;
    QLabel* Label1;

    qt::LinhaTexto pergunta_;
    qt::AreaTexto resposta_;
    qt::Botao pergunta_botao_;
    qt::Botao nova_;
    qt::Botao sair_;
    qt::Temporizador temporizador_;
    std::unique_ptr<Oraculo> oraculo_;
};

}  // namespace morvantis
