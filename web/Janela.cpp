#include "Janela.h"

#include <emscripten/eventloop.h>

#include <algorithm>
#include <stdexcept>

#include "Figuras.h"
#include "Geometria.h"

namespace morvantis::web {

namespace {

using emscripten::val;
using janelas::Controle;

val Documento() {
    return val::global("document");
}

val Criar(const char* etiqueta) {
    return Documento().call<val>("createElement", std::string(etiqueta));
}

void Atributo(val& e, const char* nome, const val& valor) {
    e.call<void>("setAttribute", std::string(nome), valor);
}

void Atributo(val& e, const char* nome, const std::string& valor) {
    Atributo(e, nome, val(valor));
}

void Propriedade(val& e, const char* nome, const std::string& valor) {
    e["style"].call<void>("setProperty", std::string(nome), valor);
}

std::string Px(int n) {
    return std::to_string(n) + "px";
}

std::string Css(const janelas::Rgb& c) {
    return "rgb(" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) + ")";
}

void Pintar(val& e, const char* propriedade, const janelas::Cor& cor) {
    if (!cor.EhPadrao()) {
        Propriedade(e, propriedade, Css(cor.rgb));
    }
}

void Fonte(val& e, const janelas::Fonte& f) {
    e["classList"].call<void>(
        "add", std::string(f.face == janelas::Fonte::Face::Verdana ? "fonte-verdana" : "fonte-dialogo"));
    Propriedade(e, "--fonte", Px(f.Pixels()));
}

// The page's rendering of a picture (tools/make-pictures).
std::string Figura(janelas::Figura figura) {
    return std::string(janelas::NomeFigura(figura)) + ".png";
}

const char* Classe(janelas::Tipo tipo) {
    switch (tipo) {
        case janelas::Tipo::Botao:
            return "botao";
        case janelas::Tipo::Caixa:
            return "caixa";
        case janelas::Tipo::Rotulo:
            return "rotulo";
        case janelas::Tipo::Imagem:
            return "imagem";
        case janelas::Tipo::Linha:
            return "linha";
        case janelas::Tipo::Temporizador:
            break;
    }
    return "";
}

// One column on a phone reads top to bottom, then left to right, whatever
// the tab order.
int Posicao(std::span<const Controle> controles, const Controle& c) {
    return static_cast<int>(std::count_if(controles.begin(), controles.end(), [&](const Controle& outro) {
        return outro.tipo != janelas::Tipo::Temporizador &&
               std::pair(outro.area.y, outro.area.x) < std::pair(c.area.y, c.area.x);
    }));
}

// One ring of the frame (and of the focus mark) in CSS pixels: a whole
// number of device pixels at the page's device pixel ratio
// (janelas::AnelEmPixels), so at 2 or 3 each ring is 2 or 3 device pixels.
void Aneis() {
    const double razao = val::global("window")["devicePixelRatio"].as<double>();
    Documento()["documentElement"]["style"].call<void>("setProperty", std::string("--anel"),
                                                       val(janelas::AnelEmPixels(razao) / razao));
}

void Executar(void* acao) {
    const std::unique_ptr<std::function<void()>> f(static_cast<std::function<void()>*>(acao));
    (*f)();
}

}  // namespace

Janela::Janela(const janelas::Janela& descricao, Kit& kit)
    : JanelaViva(descricao), kit_(kit), dialogo_(Criar("dialog")), cliente_(Criar("div")) {
    dialogo_["classList"].call<void>("add", std::string("janela"));
    Atributo(dialogo_, "data-nome", std::string(descricao.nome));
    Atributo(dialogo_, "aria-label", val(std::u16string(descricao.nomeAcessivel)));
    Propriedade(dialogo_, "--largura", Px(descricao.cliente.largura));
    Propriedade(dialogo_, "--altura", Px(descricao.cliente.altura));
    // Three rings of the frame, each a whole number of device pixels.
    Propriedade(dialogo_, "--moldura",
                "calc(" + std::to_string(janelas::MolduraPixels) + "px * var(--anel, 1))");
    Pintar(cliente_, "background-color", descricao.fundo);
    Fonte(dialogo_, descricao.fonte);
    cliente_["classList"].call<void>("add", std::string("cliente"));
    dialogo_.call<void>("appendChild", cliente_);
    for (const Controle& c : descricao.controles) {
        Construir(descricao, c, Posicao(descricao.controles, c));
    }
    // The windows have no cancel button: Escape closes none of them.
    Ouvir(dialogo_, "cancel", [](const val& e) { e.call<void>("preventDefault"); });
    Ouvir(dialogo_, "keydown", [this](const val& e) {
        std::string tecla = e["key"].as<std::string>();
        // WebKitGTK names Shift+Tab (GTK's ISO_Left_Tab) "Unidentified".
        if (tecla == "Unidentified" && e["code"].as<std::string>() == "Tab") {
            tecla = "Tab";
        }
        if (tecla == "Escape") {
            e.call<void>("preventDefault");
        } else if (tecla == "Tab" && !e["ctrlKey"].as<bool>() && !e["altKey"].as<bool>() &&
                   !e["metaKey"].as<bool>()) {
            Tabular(e);
        }
    });
    Ouvir(dialogo_, "close", [this](const val&) {
        if (aoFechar_) {
            kit_.Depois(std::move(aoFechar_));
            aoFechar_ = nullptr;
        }
    });
    // A finger needs bigger targets: the window grows with the screen.
    Ouvir(val::global("window"), "resize", [this](const val&) { Escalar(); });
    largura_ = descricao.cliente.largura + 2 * janelas::MolduraPixels;
    menorAlvo_ = descricao.MenorAlvo();
    Escalar();
    Documento()["body"].call<void>("appendChild", dialogo_);
    kit_.Registrar(*this);
}

// Under a coarse pointer (a touch screen), the window is zoomed, then
// stretched downwards, until its smallest tap target is 44 px and it still
// fits across; the style sheet applies it where the window keeps its desktop
// layout. A fine pointer keeps every pixel where the description puts it.
void Janela::Escalar() {
    Aneis();
    const val janela = val::global("window");
    janelas::Escala escala;
    if (janela.call<val>("matchMedia", std::string("(any-pointer: coarse)"))["matches"].as<bool>() &&
        menorAlvo_ > 0) {
        // A pixel to spare, against rounding into a sideways scroll.
        const double largura = janela["innerWidth"].as<double>() - 1;
        escala = janelas::EscalaParaToque(largura_, menorAlvo_, largura);
    }
    // Numbers cross as numbers: formatting them here would bring in printf.
    dialogo_["style"].call<void>("setProperty", std::string("--zoom"), val(escala.x));
    dialogo_["style"].call<void>("setProperty", std::string("--estica"), val(escala.y / escala.x));
}

Janela::~Janela() {
    kit_.Esquecer(*this);
    ouvintes_.clear();
    dialogo_.call<void>("remove");
}

void Janela::Construir(const janelas::Janela& descricao, const Controle& c, int ordem) {
    if (c.tipo == janelas::Tipo::Temporizador) {
        Registrar(c, std::make_unique<web::Temporizador>(c.intervaloMs));
        return;
    }
    const std::string nome(c.nome);
    val elemento = val::null();
    val focavel = val::null();
    switch (c.tipo) {
        case janelas::Tipo::Botao: {
            elemento = Criar("button");
            elemento.set("type", std::string("button"));
            elemento.set("textContent", val(std::u16string(c.texto)));
            elemento.set("disabled", !c.habilitado);
            Registrar(c, std::make_unique<web::Botao>(elemento));
            focavel = elemento;
            break;
        }
        case janelas::Tipo::Caixa:
            if (c.multiLinha) {
                elemento = Criar("textarea");
                elemento.set("readOnly", c.travado);
                elemento.set("wrap", std::string(c.quebraLinhas ? "soft" : "off"));
                elemento["classList"].call<void>("toggle", std::string("barra"), c.barraVertical);
                Registrar(c, std::make_unique<web::Caixa>(elemento)).DefinirTexto(std::u16string(c.texto));
                focavel = elemento;
            } else {
                elemento = Criar("div");
                focavel = Criar("input");
                focavel.set("type", std::string("text"));
                for (const char* desligado : {"autocomplete", "autocorrect", "autocapitalize"}) {
                    Atributo(focavel, desligado, "off");
                }
                focavel.set("spellcheck", false);
                focavel.set("value", val(std::u16string(c.texto)));
                val painel = Criar("div");
                painel["classList"].call<void>("add", std::string("painel"));
                Atributo(painel, "aria-hidden", "true");
                elemento.call<void>("appendChild", focavel);
                elemento.call<void>("appendChild", painel);
                perguntas_.push_back(
                    std::make_unique<CaixaPergunta>(elemento, focavel, painel, NovoModelo(c)));
            }
            // A box without a name of its own is named by what it says.
            Atributo(focavel, "aria-label", val(std::u16string(c.NomeAcessivel())));
            elemento["classList"].call<void>("add", std::string(c.multiLinha ? "area" : "linha-texto"));
            elemento["classList"].call<void>("toggle", std::string("centro"),
                                             c.alinhamento == janelas::Alinhamento::Centro);
            break;
        case janelas::Tipo::Rotulo:
            elemento = Criar("div");
            elemento.set("textContent", val(std::u16string(c.texto)));
            elemento["classList"].call<void>("add", std::string(c.ajustaAoTexto ? "ajusta" : "quebra"));
            break;
        case janelas::Tipo::Imagem:
            elemento = Criar("img");
            elemento.set("alt", std::string());
            // Its place kept before the picture arrives: nothing moves then.
            elemento.set("width", c.area.largura);
            elemento.set("height", c.area.altura);
            elemento.set("src", Figura(c.figura));
            break;
        case janelas::Tipo::Linha:
            elemento = Criar("div");
            Pintar(elemento, "background-color", janelas::TextoDe(c));
            break;
        case janelas::Tipo::Temporizador:
            return;
    }
    elemento["classList"].call<void>("add", std::string("controle"));
    elemento["classList"].call<void>("add", std::string(Classe(c.tipo)));
    Atributo(elemento, "data-nome", nome);
    Propriedade(elemento, "--x", Px(c.area.x));
    Propriedade(elemento, "--y", Px(c.area.y));
    Propriedade(elemento, "--l", Px(c.area.largura));
    Propriedade(elemento, "--a", Px(c.area.altura));
    Propriedade(elemento, "order", std::to_string(ordem));
    if (c.tipo != janelas::Tipo::Linha) {
        Pintar(elemento, "color", janelas::TextoDe(c));
    }
    Pintar(elemento, "background-color", janelas::FundoDe(c));
    if (c.fonte) {
        Fonte(elemento, descricao.FonteDe(c));
    }
    cliente_.call<void>("appendChild", elemento);
    if (!focavel.isNull()) {
        elementos_.emplace_back(nome, focavel);
    }
}

val Janela::Elemento(std::string_view nome) const {
    const auto it =
        std::find_if(elementos_.begin(), elementos_.end(), [&](const auto& e) { return e.first == nome; });
    if (it == elementos_.end()) {
        throw std::out_of_range("no such control: " + std::string(nome));
    }
    return it->second;
}

void Janela::Ouvir(val alvo, const char* tipo, Ouvinte::Acao acao) {
    ouvintes_.push_back(std::make_unique<Ouvinte>(std::move(alvo), tipo, std::move(acao)));
}

void Janela::AoClicar(std::string_view botao, std::function<void()> handler) {
    (void)Botao(botao);  // a button's name, or out_of_range
    Ouvir(Elemento(botao), "click", [handler = std::move(handler)](const val&) { handler(); });
}

void Janela::AoReceberFoco(std::string_view caixa, std::function<void(janelas::Sentido)> handler) {
    (void)Caixa(caixa);  // a box's name, or out_of_range
    Ouvir(Elemento(caixa), "focus", [this, handler = std::move(handler)](const val&) { handler(sentido_); });
}

void Janela::Mostrar() {
    if (!dialogo_["open"].as<bool>()) {
        dialogo_.call<void>("show");
    }
    Focar();
}

void Janela::MostrarModal(std::function<void()> aoFechar) {
    aoFechar_ = std::move(aoFechar);
    if (!dialogo_["open"].as<bool>()) {
        dialogo_.call<void>("showModal");
    }
    Focar();
}

void Janela::Fechar() {
    if (dialogo_["open"].as<bool>()) {
        dialogo_.call<void>("close");
    }
    if (aoFechar_) {
        kit_.Depois(std::move(aoFechar_));
        aoFechar_ = nullptr;
    }
}

// The classic scheme's colours that the style sheet draws the look with, as
// custom properties of the page, from the descriptions' one table; and every
// picture asked for at once, so a window opened later shows its picture
// from the page's own copy.
Kit::Kit() {
    using janelas::CorSistema;
    val raiz = Documento()["documentElement"];
    for (const auto& [nome, cor] :
         {std::pair{"--area-de-trabalho", CorSistema::AreaDeTrabalho},
          std::pair{"--fundo-caixa", CorSistema::FundoJanela}, std::pair{"--face", CorSistema::FaceBotao},
          std::pair{"--luz-3d", CorSistema::Luz3D}, std::pair{"--luz", CorSistema::RealceBotao},
          std::pair{"--sombra", CorSistema::SombraBotao},
          std::pair{"--sombra-escura", CorSistema::SombraEscura3D},
          std::pair{"--marca-foco", janelas::CorMarcaFoco}}) {
        Propriedade(raiz, nome, Css(janelas::ValorClassico(cor)));
    }
    for (const auto figura : janelas::Figuras) {
        val imagem = val::global("Image").new_();
        imagem.set("src", Figura(figura));
        figuras_.push_back(imagem);
    }
}

std::unique_ptr<janelas::JanelaViva> Kit::Criar(const janelas::Janela& descricao, janelas::JanelaViva* dono) {
    // The page stacks modal dialogs itself, the newest on top.
    (void)dono;
    return std::make_unique<Janela>(descricao, *this);
}

void Kit::Depois(std::function<void()> acao) {
    emscripten_set_timeout(&Executar, 0, new std::function<void()>(std::move(acao)));
}

void Kit::Esquecer(Janela& janela) {
    janelas_.erase(std::remove(janelas_.begin(), janelas_.end(), &janela), janelas_.end());
}

void Kit::EncerrarJa() {
    for (Janela* janela : janelas_) {
        janela->Fechar();
    }
    val::global("document")["body"]["classList"].call<void>("add", std::string("encerrado"));
    val::global("window").call<void>("close");
}

}  // namespace morvantis::web
