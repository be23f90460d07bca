#include "Janela.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <stdexcept>

#include "Aparencia.h"
#include "CaixaPergunta.h"
#include "Controles.h"
#include "Figuras.h"

namespace morvantis::qt {

namespace {

using janelas::Controle;

QString Nome(std::string_view nome) {
    return QString::fromLatin1(nome.data(), static_cast<qsizetype>(nome.size()));
}

QRect Retangulo(const janelas::Area& a) {
    return {a.x, a.y, a.largura, a.altura};
}

// CR LF ends a line of a stored text; Qt's boxes break lines at LF alone.
QString Linhas(std::u16string_view texto) {
    QString linhas = ParaQString(texto);
    linhas.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return linhas;
}

void Nomear(QWidget& w, const janelas::Janela& janela, const Controle& c) {
    w.setObjectName(Nome(c.nome));
    if (c.fonte) {
        w.setFont(ParaQFont(janela.FonteDe(c)));
    }
}

void PintarCaixa(QWidget& caixa, const Controle& c) {
    QPalette paleta = caixa.palette();
    paleta.setColor(QPalette::Base, ParaQColor(janelas::FundoDe(c)));
    paleta.setColor(QPalette::Text, ParaQColor(janelas::TextoDe(c)));
    caixa.setPalette(paleta);
}

// Enter presses the button that has the focus, as Space does. No button is
// the window's default: Enter in a box presses none.
class EnterAperta final : public QObject {
public:
    explicit EnterAperta(QPushButton& botao) : QObject(&botao) { botao.installEventFilter(this); }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        const bool enter = tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter;
        if (!enter || (tecla->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
            return false;
        }
        if (!tecla->isAutoRepeat()) {
            static_cast<QPushButton*>(objeto)->click();
        }
        return true;
    }
};

QPushButton* NovoBotao(QWidget* pai, const janelas::Janela& janela, const Controle& c) {
    auto* botao = new QPushButton(ParaQString(c.texto), pai);
    Nomear(*botao, janela, c);
    botao->setAccessibleName(ParaQString(c.NomeAcessivel()));
    // Enter never presses a button behind the user's back: only the one
    // with the focus.
    botao->setAutoDefault(false);
    botao->setDefault(false);
    new EnterAperta(*botao);
    botao->setGeometry(Retangulo(c.area));
    botao->setEnabled(c.habilitado);
    return botao;
}

QLabel* NovoRotulo(QWidget* pai, const janelas::Janela& janela, const Controle& c) {
    auto* rotulo = new QLabel(ParaQString(c.texto), pai);
    Nomear(*rotulo, janela, c);
    rotulo->setAttribute(Qt::WA_TranslucentBackground);
    QPalette paleta = rotulo->palette();
    paleta.setColor(QPalette::WindowText, ParaQColor(janelas::TextoDe(c)));
    rotulo->setPalette(paleta);
    rotulo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    rotulo->setWordWrap(c.quebraLinhas);
    if (c.ajustaAoTexto) {
        rotulo->move(c.area.x, c.area.y);
        rotulo->adjustSize();
    } else {
        rotulo->setGeometry(Retangulo(c.area));
    }
    return rotulo;
}

// A one-line box is the question box's model, shown by a CaixaPergunta.
CaixaPergunta* NovaLinhaDeTexto(QWidget* pai, const janelas::Janela& janela, const Controle& c,
                                janelas::ModeloPergunta& modelo) {
    auto* caixa = new CaixaPergunta(modelo, pai);
    Nomear(*caixa, janela, c);
    caixa->setAccessibleName(ParaQString(c.NomeAcessivel()));
    caixa->setGeometry(Retangulo(c.area));
    // The model keeps the limit; the widget's tells input methods and
    // screen readers.
    if (c.maximoCaracteres > 0) {
        caixa->setMaxLength(c.maximoCaracteres);
    }
    caixa->setAlignment(c.alinhamento == janelas::Alinhamento::Centro ? Qt::AlignHCenter : Qt::AlignLeft);
    PintarCaixa(*caixa, c);
    return caixa;
}

// A multi-line box whose every line is centred: only QTextEdit can.
QTextEdit* NovaAreaCentrada(QWidget* pai, const janelas::Janela& janela, const Controle& c) {
    auto* caixa = new QTextEdit(pai);
    Nomear(*caixa, janela, c);
    caixa->setAccessibleName(ParaQString(c.NomeAcessivel()));
    caixa->setGeometry(Retangulo(c.area));
    caixa->setAcceptRichText(false);
    caixa->setTabChangesFocus(true);
    caixa->setVerticalScrollBarPolicy(c.barraVertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    caixa->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    caixa->setLineWrapMode(c.quebraLinhas ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    QTextOption opcao = caixa->document()->defaultTextOption();
    opcao.setAlignment(Qt::AlignHCenter);
    opcao.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    caixa->document()->setDefaultTextOption(opcao);
    caixa->document()->setDocumentMargin(1);
    caixa->setPlainText(Linhas(c.texto));
    caixa->setReadOnly(c.travado);
    PintarCaixa(*caixa, c);
    return caixa;
}

QPlainTextEdit* NovaArea(QWidget* pai, const janelas::Janela& janela, const Controle& c) {
    auto* caixa = new QPlainTextEdit(pai);
    Nomear(*caixa, janela, c);
    const QString linhas = Linhas(c.texto);
    caixa->setPlainText(linhas);
    // A screen reader names a box without a name of its own by what it says.
    caixa->setAccessibleName(c.nomeAcessivel.empty() ? linhas : ParaQString(c.nomeAcessivel));
    caixa->setReadOnly(c.travado);
    if (c.travado) {
        // Selected with the mouse and copied, scrolled with the keys, and no
        // caret: nothing can be typed there, and the window's mark shows
        // where the focus is.
        caixa->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    caixa->setTabChangesFocus(true);
    caixa->setVerticalScrollBarPolicy(c.barraVertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    caixa->setLineWrapMode(c.quebraLinhas ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    caixa->setGeometry(Retangulo(c.area));
    caixa->moveCursor(QTextCursor::Start);
    PintarCaixa(*caixa, c);
    return caixa;
}

QString Recurso(janelas::Figura figura) {
    const std::string_view arquivo = janelas::ArquivoFigura(figura);
    return QStringLiteral(":/assets/") +
           QString::fromUtf8(arquivo.data(), static_cast<qsizetype>(arquivo.size()));
}

// A picture shown unscaled, the control sized to it, with no border. The
// window draws it (JanelaFixa::Figura), in device pixels.
class Figura final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override {}
};

QLabel* NovaImagem(JanelaFixa& janela, QWidget* pai, const janelas::Janela& descricao, const Controle& c) {
    auto* imagem = new Figura(pai);
    Nomear(*imagem, descricao, c);
    imagem->setAttribute(Qt::WA_TranslucentBackground);
    imagem->setFrameShape(QFrame::NoFrame);
    imagem->setPixmap(QPixmap(Recurso(c.figura)));
    imagem->move(c.area.x, c.area.y);
    imagem->adjustSize();
    janela.Figura(*imagem, imagem->pixmap().toImage());
    return imagem;
}

QWidget* NovaLinha(QWidget* pai, const janelas::Janela& janela, const Controle& c) {
    auto* linha = new QWidget(pai);
    Nomear(*linha, janela, c);
    linha->setAutoFillBackground(true);
    QPalette paleta = linha->palette();
    paleta.setColor(QPalette::Window, ParaQColor(janelas::TextoDe(c)));
    linha->setPalette(paleta);
    linha->setGeometry(Retangulo(c.area));
    return linha;
}

QTimer* NovoTimer(QObject* dono, const Controle& c) {
    auto* timer = new QTimer(dono);
    timer->setObjectName(Nome(c.nome));
    timer->setInterval(c.intervaloMs);
    // The schedule catches up on late ticks; a precise timer keeps them
    // from bunching.
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
}

// Runs a handler whenever a widget receives the focus, telling it whether
// Shift+Tab brought it. A widget the handler sends the focus away from never
// sees the focus arrive: it would start a caret that nothing stops.
class AoFocar final : public QObject {
public:
    AoFocar(QWidget& alvo, std::function<void(janelas::Sentido)> handler)
        : QObject(&alvo), alvo_(alvo), handler_(std::move(handler)) {
        alvo.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (objeto != &alvo_ || evento->type() != QEvent::FocusIn) {
            return false;
        }
        const bool atras = static_cast<QFocusEvent*>(evento)->reason() == Qt::BacktabFocusReason;
        handler_(atras ? janelas::Sentido::Atras : janelas::Sentido::Adiante);
        return !alvo_.hasFocus();
    }

private:
    QWidget& alvo_;
    std::function<void(janelas::Sentido)> handler_;
};

}  // namespace

Janela::Janela(const janelas::Janela& descricao, QWidget* dono)
    : JanelaViva(descricao),
      janela_(new JanelaFixa(Nome(descricao.nome), {descricao.cliente.largura, descricao.cliente.altura},
                             ParaQColor(descricao.fundo, classico::Preto), dono)) {
    janela_->setAccessibleName(ParaQString(descricao.nomeAcessivel));
    janela_->setFont(ParaQFont(descricao.fonte));
    QWidget* cliente = janela_->Cliente();
    QWidget* anterior = nullptr;
    for (const Controle& c : descricao.controles) {
        QWidget* focavel = nullptr;
        switch (c.tipo) {
            case janelas::Tipo::Botao: {
                auto* botao = NovoBotao(cliente, descricao, c);
                Registrar(c, std::make_unique<qt::Botao>(*botao));
                focavel = botao;
                break;
            }
            case janelas::Tipo::Caixa:
                if (!c.multiLinha) {
                    focavel = NovaLinhaDeTexto(cliente, descricao, c, NovoModelo(c));
                } else if (c.alinhamento == janelas::Alinhamento::Centro) {
                    auto* caixa = NovaAreaCentrada(cliente, descricao, c);
                    Registrar(c, std::make_unique<qt::Caixa<QTextEdit>>(*caixa));
                    focavel = caixa;
                } else {
                    auto* caixa = NovaArea(cliente, descricao, c);
                    Registrar(c, std::make_unique<qt::Caixa<QPlainTextEdit>>(*caixa));
                    focavel = caixa;
                }
                break;
            case janelas::Tipo::Rotulo:
                NovoRotulo(cliente, descricao, c);
                break;
            case janelas::Tipo::Imagem:
                NovaImagem(*janela_, cliente, descricao, c);
                break;
            case janelas::Tipo::Linha:
                NovaLinha(cliente, descricao, c);
                break;
            case janelas::Tipo::Temporizador:
                Registrar(c, std::make_unique<qt::Temporizador>(*NovoTimer(janela_, c)));
                break;
        }
        if (focavel == nullptr) {
            continue;
        }
        if (anterior != nullptr) {
            QWidget::setTabOrder(anterior, focavel);
        }
        anterior = focavel;
    }
    if (const Controle* primeiro =
            descricao.PrimeiroFocavel([](const Controle& c) { return c.habilitado; })) {
        Widget<QWidget>(primeiro->nome).setFocus(Qt::OtherFocusReason);
    }
}

Janela::~Janela() {
    delete janela_.data();
}

template <typename W>
W& Janela::Widget(std::string_view nome) const {
    auto* w = janela_ != nullptr ? janela_->findChild<W*>(Nome(nome)) : nullptr;
    if (w == nullptr) {
        throw std::out_of_range("no such control: " + std::string(nome));
    }
    return *w;
}

void Janela::AoClicar(std::string_view botao, std::function<void()> handler) {
    QObject::connect(&Widget<QPushButton>(botao), &QPushButton::clicked, janela_,
                     [handler = std::move(handler)] { handler(); });
}

void Janela::AoReceberFoco(std::string_view caixa, std::function<void(janelas::Sentido)> handler) {
    new AoFocar(Widget<QWidget>(caixa), std::move(handler));
}

bool Janela::Habilitado(const Controle& c) const {
    return Widget<QWidget>(c.nome).isEnabled();
}

void Janela::FocarControle(const Controle& c, janelas::Sentido sentido) {
    Widget<QWidget>(c.nome).setFocus(sentido == janelas::Sentido::Atras ? Qt::BacktabFocusReason
                                                                        : Qt::TabFocusReason);
}

void Janela::Mostrar() {
    // Alone on screen, it takes all input anyway; as a modal window, openbox
    // gives it the focus although it is kept out of the taskbar.
    janela_->setWindowModality(Qt::ApplicationModal);
    janela_->show();
}

void Janela::MostrarModal(std::function<void()> aoFechar) {
    janela_->exec();
    // The window may be gone by now; nothing of it is touched again.
    if (aoFechar) {
        aoFechar();
    }
}

void Janela::Fechar() {
    if (janela_ != nullptr) {
        janela_->done(0);
    }
}

// The program ends through the flow alone. Between "Entrar" and the main
// window no window is on screen, and Qt would otherwise take that moment for
// the end of the program.
Kit::Kit() {
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

std::unique_ptr<janelas::JanelaViva> Kit::Criar(const janelas::Janela& descricao, janelas::JanelaViva* dono) {
    return std::make_unique<Janela>(descricao, dono != nullptr ? Janela::De(*dono) : nullptr);
}

void Kit::Depois(std::function<void()> acao) {
    QMetaObject::invokeMethod(qApp, std::move(acao), Qt::QueuedConnection);
}

void Kit::EncerrarJa() {
    for (QWidget* janela : QApplication::topLevelWidgets()) {
        janela->hide();
    }
    // Leaves every running event loop, the modal ones included.
    QCoreApplication::exit(0);
}

}  // namespace morvantis::qt
