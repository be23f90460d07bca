#include "FrmMain.h"

#include "Janelas.h"

namespace morvantis {

namespace {

toolkit::ControlesPrincipal Controles(janelas::JanelaViva& janela, toolkit::Dialogos& dialogos,
                                      toolkit::Aplicacao& app) {
    return {janela.Caixa("TxtPergunta"),
            janela.Caixa("TxtResposta"),
            janela.Botao("CmdPergunta"),
            janela.Botao("CmdNova"),
            janela.Botao("CmdSair"),
            janela.Temporizador("Timer"),
            dialogos,
            app};
}

}  // namespace

FrmMain::FrmMain(janelas::Kit& kit, Module1& modulo, Encerramento& fim)
    : kit_(kit),
      fim_(fim),
      janela_(kit.Criar(janelas::Principal, nullptr)),
      oraculo_(Controles(*janela_, *this, fim), modulo) {
    // After the end, a key still queued is swallowed and a tick stops the
    // timer: nothing more happens on screen.
    janela_->AoTeclar("TxtPergunta", {[this](toolkit::Tecla& tecla) {
                                          if (fim_.Encerrado()) {
                                              tecla.clear();
                                              return;
                                          }
                                          oraculo_.TxtPergunta_KeyPress(tecla);
                                      },
                                      [this] { return oraculo_.Estado().ModoSecreto; },
                                      [this](toolkit::Alcance alcance, std::size_t caracteres) {
                                          if (!fim_.Encerrado()) {
                                              oraculo_.TxtPergunta_Apagar(alcance, caracteres);
                                          }
                                      }});
    const auto vivo = [this](void (Oraculo::*handler)()) {
        return [this, handler] {
            if (!fim_.Encerrado()) {
                (oraculo_.*handler)();
            }
        };
    };
    janela_->AoClicar("CmdPergunta", vivo(&Oraculo::CmdPergunta_Click));
    janela_->AoClicar("CmdNova", vivo(&Oraculo::CmdNova_Click));
    janela_->AoClicar("CmdSair", vivo(&Oraculo::CmdSair_Click));
    // Shift+Tab passes over the answer box: handing the focus back to the
    // question box would return it where Shift+Tab has just taken it from.
    janela_->AoReceberFoco("TxtResposta", [this](janelas::Sentido sentido) {
        if (fim_.Encerrado()) {
            return;
        }
        if (sentido == janelas::Sentido::Atras) {
            janela_->FocarVizinho("TxtResposta", sentido);
        } else {
            oraculo_.TxtResposta_GotFocus();
        }
    });
    janela_->AoPulsar("Timer", [this] {
        if (fim_.Encerrado()) {
            janela_->Temporizador("Timer").Habilitar(false);
            return;
        }
        oraculo_.Timer_Timer();
    });
    oraculo_.Form_Load();
}

FrmMain::~FrmMain() = default;

void FrmMain::MostrarAjudaModal() {
    AbrirDialogo(janelas::Ajuda, true);
}

void FrmMain::MostrarSobreModal() {
    AbrirDialogo(janelas::Sobre, false);
}

// The help window empties the question box before it closes, the about
// window after; either way the box is empty once "OK" has returned.
void FrmMain::AbrirDialogo(const janelas::Janela& descricao, bool limparAntesDeFechar) {
    dialogo_ = kit_.Criar(descricao, janela_.get());
    dialogo_->AoClicar("CmdOK", [this, limparAntesDeFechar] {
        if (fim_.Encerrado() || !dialogo_) {
            return;
        }
        toolkit::Caixa& pergunta = janela_->Caixa("TxtPergunta");
        if (limparAntesDeFechar) {
            pergunta.DefinirTexto({});
        }
        dialogo_->Fechar();
        if (!limparAntesDeFechar) {
            pergunta.DefinirTexto({});
        }
        fechados_.push_back(std::move(dialogo_));
        kit_.Depois(vida_.Enquanto([this] { fechados_.clear(); }));
    });
    dialogo_->MostrarModal();
}

}  // namespace morvantis
