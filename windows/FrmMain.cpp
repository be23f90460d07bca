#include "FrmMain.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>

#include "CaixaPergunta.h"
#include "FrmAjuda.h"
#include "FrmSobre.h"

namespace morvantis {

namespace {

using aparencia::cor::BordaAtiva;

QTimer* NovoTimer(QObject* dono) {
    auto* timer = new QTimer(dono);
    timer->setObjectName(QStringLiteral("Timer"));
    timer->setInterval(FrmMain::IntervaloMs);
    // A coarse timer may fire up to 5% late or early and would stretch a
    // 60-character reveal; the precise one keeps it near 0.6 s.
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
}

void PintarCaixa(QWidget& caixa, const QColor& fundo, const QColor* texto) {
    QPalette paleta = caixa.palette();
    paleta.setColor(QPalette::Base, fundo);
    if (texto != nullptr) {
        paleta.setColor(QPalette::Text, *texto);
    }
    caixa.setPalette(paleta);
}

CaixaPergunta* NovaCaixaPergunta(QWidget* pai) {
    auto* caixa = new CaixaPergunta(pai);
    caixa->setObjectName(QStringLiteral("TxtPergunta"));
    caixa->setAccessibleName(QStringLiteral("Pergunta"));
    caixa->setGeometry(16, 40, 601, 19);
    caixa->setMaxLength(FrmMain::MaximoCaracteres);
    caixa->setAlignment(Qt::AlignLeft);
    PintarCaixa(*caixa, BordaAtiva, &aparencia::cor::TextoMenu);
    return caixa;
}

QTextEdit* NovaCaixaResposta(QWidget* pai) {
    auto* caixa = new QTextEdit(pai);
    caixa->setObjectName(QStringLiteral("TxtResposta"));
    caixa->setAccessibleName(QStringLiteral("Resposta"));
    caixa->setGeometry(16, 288, 601, 25);
    caixa->setAcceptRichText(false);
    caixa->setTabChangesFocus(true);
    caixa->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    caixa->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    caixa->setLineWrapMode(QTextEdit::WidgetWidth);
    QTextOption opcao = caixa->document()->defaultTextOption();
    opcao.setAlignment(Qt::AlignHCenter);
    opcao.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    caixa->document()->setDefaultTextOption(opcao);
    caixa->document()->setDocumentMargin(1);
    PintarCaixa(*caixa, BordaAtiva, nullptr);
    return caixa;
}

}  // namespace

template <typename Handler>
void FrmMain::Despachar(Handler&& handler) {
    if (aplicacao_.Encerrada()) {
        Timer->stop();
        return;
    }
    handler();
}

FrmMain::FrmMain(Module1& modulo, qt::Aplicacao& aplicacao)
    : JanelaFixa("FrmMain", TamanhoCliente, aparencia::cor::TextoJanela),
      aplicacao_(aplicacao),
      Timer(NovoTimer(this)),
      CmdSair(aparencia::NovoBotao(Cliente(), "CmdSair", QStringLiteral("Sair"), {464, 88, 153, 25})),
      CmdNova(
          aparencia::NovoBotao(Cliente(), "CmdNova", QStringLiteral("Nova pergunta"), {240, 88, 153, 25})),
      CmdPergunta(
          aparencia::NovoBotao(Cliente(), "CmdPergunta", QStringLiteral("Perguntar"), {16, 88, 153, 25})),
      TxtPergunta(NovaCaixaPergunta(Cliente())),
      TxtResposta(NovaCaixaResposta(Cliente())),
      Label1(aparencia::NovoRotulo(Cliente(), "Label1", QStringLiteral("Digite sua pergunta:"),
                                   aparencia::cor::TextoRealce, {16, 24}, aparencia::FonteDialogo())),
      pergunta_(*TxtPergunta),
      resposta_(*TxtResposta),
      pergunta_botao_(*CmdPergunta),
      nova_(*CmdNova),
      sair_(*CmdSair),
      temporizador_(*Timer) {
    setAccessibleName(QStringLiteral("Morvantis"));
    CmdNova->setEnabled(false);

    setTabOrder(TxtPergunta, CmdPergunta);
    setTabOrder(CmdPergunta, CmdNova);
    setTabOrder(CmdNova, CmdSair);
    setTabOrder(CmdSair, TxtResposta);
    setTabOrder(TxtResposta, TxtPergunta);
    TxtPergunta->setFocus(Qt::OtherFocusReason);

    oraculo_ =
        std::make_unique<Oraculo>(toolkit::MainWindowControls{pergunta_, resposta_, pergunta_botao_, nova_,
                                                              sair_, temporizador_, *this, aplicacao_},
                                  modulo);

    TxtPergunta->DefinirFiltro(
        [this](char32_t& tecla) {
            if (aplicacao_.Encerrada()) {
                tecla = 0;
                return;
            }
            oraculo_->TxtPergunta_KeyPress(tecla);
        },
        [this] { return oraculo_->Estado().ModoSecreto; });
    connect(CmdPergunta, &QPushButton::clicked, this,
            [this] { Despachar([this] { oraculo_->CmdPergunta_Click(); }); });
    connect(CmdNova, &QPushButton::clicked, this,
            [this] { Despachar([this] { oraculo_->CmdNova_Click(); }); });
    connect(CmdSair, &QPushButton::clicked, this,
            [this] { Despachar([this] { oraculo_->CmdSair_Click(); }); });
    connect(Timer, &QTimer::timeout, this, [this] { Despachar([this] { oraculo_->Timer_Timer(); }); });
    TxtResposta->installEventFilter(this);

    oraculo_->Form_Load();
}

FrmMain::~FrmMain() = default;

bool FrmMain::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == TxtResposta && evento->type() == QEvent::FocusIn) {
        Despachar([this] { oraculo_->TxtResposta_GotFocus(); });
    }
    return JanelaFixa::eventFilter(objeto, evento);
}

void FrmMain::ShowAjudaModal() {
    auto* janela = new FrmAjuda(pergunta_, this);
    janela->exec();
}

void FrmMain::ShowSobreModal() {
    auto* janela = new FrmSobre(pergunta_, this);
    janela->exec();
}

}  // namespace morvantis
