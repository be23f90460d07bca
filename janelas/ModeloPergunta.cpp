#include "ModeloPergunta.h"

#include <algorithm>
#include <vector>

#include "Grafemas.h"
#include "Palavras.h"
#include "Texto.h"

namespace morvantis::janelas {

namespace {

bool EhControle(char16_t c) {
    return c < 0x20 || c == toolkit::teclas::Del;
}

bool EhControle(const toolkit::Tecla& tecla) {
    return tecla.size() == 1 && EhControle(tecla.front());
}

bool EhQuebraDeLinha(std::u16string_view c) {
    return c == u"\r\n" || c == u"\r" || c == u"\n";
}

bool TemSurrogato(std::u16string_view s) {
    return std::any_of(s.begin(), s.end(), [](char16_t c) { return texto::EhAlto(c) || texto::EhBaixo(c); });
}

// The text without lone surrogates, which no box may hold.
std::u16string SemSurrogatosSoltos(std::u16string_view s) {
    std::u16string limpo;
    limpo.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (texto::EhAlto(s[i]) && i + 1 < s.size() && texto::EhBaixo(s[i + 1])) {
            limpo.append(s.substr(i++, 2));
        } else if (!texto::EhAlto(s[i]) && !texto::EhBaixo(s[i])) {
            limpo.push_back(s[i]);
        }
    }
    return limpo;
}

}  // namespace

// Every edit runs inside one; the view is shown once the outermost ends,
// however many steps the edit and the filter took in between.
class ModeloPergunta::Lote {
public:
    explicit Lote(ModeloPergunta& caixa) : caixa_(caixa) { ++caixa_.lotes_; }
    // An edit can join what was on either side of it into one character
    // (an accent left after a deleted letter, a joiner pasted before an
    // emoji): once it is over, the caret goes past that character. The
    // view is shown also after an edit that changed no text: it may have
    // started or ended a capture (";", Enter).
    ~Lote() {
        if (--caixa_.lotes_ != 0) {
            return;
        }
        const bool vazia = caixa_.ancora_ == caixa_.cursor_;
        caixa_.cursor_ = grafemas::Fronteira(caixa_.texto_, caixa_.cursor_, true);
        caixa_.ancora_ = vazia ? caixa_.cursor_ : grafemas::Fronteira(caixa_.texto_, caixa_.ancora_, true);
        if (caixa_.vista_ != nullptr) {
            caixa_.vista_->Mostrar(caixa_);
        }
    }
    Lote(const Lote&) = delete;
    Lote& operator=(const Lote&) = delete;

private:
    ModeloPergunta& caixa_;
};

ModeloPergunta::ModeloPergunta(std::size_t maximo) : maximo_(maximo) {}

void ModeloPergunta::DefinirFiltro(Filtro filtro) {
    filtro_ = std::move(filtro);
}

std::u16string ModeloPergunta::Juntar(std::u16string_view texto) {
    std::u16string junto;
    if (metade_ != 0 && !texto.empty() && texto::EhBaixo(texto.front())) {
        junto.push_back(metade_);
    }
    metade_ = 0;
    junto.append(texto);
    if (!junto.empty() && texto::EhAlto(junto.back())) {
        metade_ = junto.back();
        junto.pop_back();
    }
    return TemSurrogato(junto) ? SemSurrogatosSoltos(junto) : junto;
}

void ModeloPergunta::Teclar(toolkit::Tecla tecla) {
    Lote lote(*this);
    tecla = Juntar(tecla);
    if (tecla.empty()) {
        return;
    }
    if (EhQuebraDeLinha(tecla)) {
        tecla = toolkit::Tecla(1, toolkit::teclas::Enter);
    } else if (tecla.size() > 1 && grafemas::Inicios(tecla).size() > 1) {
        Colocar(tecla);  // several characters in one keystroke: a macro key, a remote keyboard
        return;
    }
    bool cabe = true;
    Aplicar(std::move(tecla), cabe);
}

void ModeloPergunta::Aplicar(toolkit::Tecla tecla, bool& cabe) {
    if (filtro_.teclas) {
        filtro_.teclas(tecla);
    }
    if (tecla.empty()) {
        return;
    }
    if (EhControle(tecla)) {
        Comando(tecla.front());
        return;
    }
    if (cabe && !travada_) {
        cabe = maximo_ == 0 || texto_.size() - (Fim() - Inicio()) + tecla.size() <= maximo_;
        if (cabe) {
            Trocar(Inicio(), Fim(), tecla);
        }
    }
}

// The other control codes (Enter in a one-line box, Escape, Ctrl+Z with no
// history to undo) do nothing.
void ModeloPergunta::Comando(char16_t codigo) {
    using namespace toolkit::teclas;
    switch (codigo) {
        case Backspace:
            if (!travada_) {
                Retroceder();
            }
            break;
        case CtrlA:
            ancora_ = 0;
            cursor_ = texto_.size();
            break;
        case CtrlC:
            Copiar();
            break;
        case CtrlV:
            Colar();
            break;
        case CtrlX:
            Recortar();
            break;
        default:
            break;
    }
}

void ModeloPergunta::Copiar() {
    if (!Capturando() && Inicio() != Fim() && vista_ != nullptr) {
        vista_->ParaAreaDeTransferencia(std::u16string_view(texto_).substr(Inicio(), Fim() - Inicio()));
    }
}

void ModeloPergunta::Recortar() {
    Lote lote(*this);
    if (!Capturando() && !travada_) {
        Copiar();
        Trocar(Inicio(), Fim(), {});
    }
}

void ModeloPergunta::Colar() {
    if (vista_ != nullptr && !travada_) {
        Inserir(vista_->AreaDeTransferencia());
    }
}

void ModeloPergunta::Inserir(std::u16string_view texto) {
    Lote lote(*this);
    Colocar(Juntar(texto));
}

void ModeloPergunta::Colocar(std::u16string_view limpo) {
    std::vector<std::size_t> inicios = grafemas::Inicios(limpo);
    inicios.push_back(limpo.size());
    // Once a character does not fit, none after it goes in either: the text
    // is never inserted with holes. Each still reaches the filter.
    bool cabe = true;
    for (std::size_t i = 0; i + 1 < inicios.size(); ++i) {
        const std::u16string_view c = limpo.substr(inicios[i], inicios[i + 1] - inicios[i]);
        if (EhQuebraDeLinha(c)) {
            Aplicar(toolkit::Tecla(1, toolkit::teclas::Enter), cabe);
        } else if (c.size() != 1 || !EhControle(c.front())) {
            // A control character in a pasted text is no command to the box.
            Aplicar(toolkit::Tecla(c), cabe);
        }
    }
}

void ModeloPergunta::Substituir(std::size_t inicio, std::size_t fim, std::u16string_view texto) {
    Lote lote(*this);
    // During a capture the letters replaced go as a deletion takes them, and
    // the new text is captured after what is left.
    if (texto.empty() || Capturando()) {
        ApagarIntervalo(inicio, fim);
        Inserir(texto);
        return;
    }
    ancora_ = grafemas::Fronteira(texto_, std::min(inicio, fim), false);
    cursor_ = grafemas::Fronteira(texto_, std::max(inicio, fim), true);
    Inserir(texto);
}

void ModeloPergunta::Retroceder() {
    if (Inicio() == Fim() && cursor_ > 0) {
        Trocar(grafemas::Fronteira(texto_, cursor_ - 1, false), cursor_, {});
    } else {
        Trocar(Inicio(), Fim(), {});
    }
}

Faixa ModeloPergunta::Alcancada(toolkit::Alcance alcance, bool paraTras) const {
    using toolkit::Alcance;
    if (paraTras) {
        switch (alcance) {
            case Alcance::Caractere:
                return {cursor_ > 0 ? grafemas::Fronteira(texto_, cursor_ - 1, false) : 0, cursor_};
            case Alcance::Palavra:
                return {palavras::InicioAntes(texto_, cursor_), cursor_};
            case Alcance::Linha:
                return {0, cursor_};
        }
    }
    switch (alcance) {
        case Alcance::Caractere:
            return {cursor_, grafemas::Fronteira(texto_, cursor_ + 1, true)};
        case Alcance::Palavra:
            return {cursor_, palavras::FimDepois(texto_, cursor_)};
        case Alcance::Linha:
            break;
    }
    return {cursor_, texto_.size()};
}

void ModeloPergunta::ApagarAtras(toolkit::Alcance alcance, std::optional<Faixa> faixa) {
    Lote lote(*this);
    // One character before the caret, however the platform put it, is the
    // key Backspace, which the filter sees.
    bool backspace = alcance == toolkit::Alcance::Caractere && Inicio() == Fim();
    if (backspace && faixa && faixa->inicio != faixa->fim) {
        backspace = Alargada(*faixa) == Alcancada(toolkit::Alcance::Caractere, true);
    }
    if (backspace) {
        Teclar(toolkit::Tecla(1, toolkit::teclas::Backspace));
    } else if (faixa) {
        Apagar(*faixa, alcance);
    } else if (Inicio() != Fim()) {
        Apagar({Inicio(), Fim()}, toolkit::Alcance::Caractere);  // a selection goes as it stands
    } else {
        Apagar(Alcancada(alcance, true), alcance);
    }
}

void ModeloPergunta::ApagarAFrente(toolkit::Alcance alcance, std::optional<Faixa> faixa) {
    Lote lote(*this);
    if (Capturando()) {
        return;  // the caret stands at the end of the invocation: nothing of the secret follows it
    }
    Apagar(faixa ? *faixa : Inicio() != Fim() ? Faixa{Inicio(), Fim()} : Alcancada(alcance, false), alcance);
}

void ModeloPergunta::ApagarIntervalo(std::size_t inicio, std::size_t fim) {
    Lote lote(*this);
    Apagar({inicio, fim}, toolkit::Alcance::Caractere);
}

Faixa ModeloPergunta::Alargada(Faixa faixa) const {
    return {grafemas::Fronteira(texto_, std::min(faixa.inicio, faixa.fim), false),
            grafemas::Fronteira(texto_, std::max(faixa.inicio, faixa.fim), true)};
}

void ModeloPergunta::Apagar(Faixa faixa, toolkit::Alcance alcance) {
    const auto [inicio, fim] = Alargada(faixa);
    if (Capturando()) {
        // Only the end of the invocation stands for the end of the secret.
        if (inicio < fim && fim == texto_.size() && filtro_.apagar) {
            filtro_.apagar(
                alcance, grafemas::Inicios(std::u16string_view(texto_).substr(inicio, fim - inicio)).size());
        }
        return;
    }
    if (!travada_) {
        Trocar(inicio, fim, {});
    }
}

void ModeloPergunta::Selecionar(std::size_t ancora, std::size_t cursor) {
    Lote lote(*this);
    ancora_ = grafemas::Fronteira(texto_, ancora, ancora > ancora_);
    cursor_ = grafemas::Fronteira(texto_, cursor, cursor > cursor_);
}

void ModeloPergunta::SelecaoLida(std::size_t inicio, std::size_t fim, std::optional<bool> cursorNoInicio) {
    const bool paraTras = cursorNoInicio ? *cursorNoInicio : inicio != fim && fim == ancora_;
    Selecionar(paraTras ? fim : inicio, paraTras ? inicio : fim);
}

ModeloPergunta::Diferencas ModeloPergunta::Comparar(std::u16string_view texto, std::size_t inicio,
                                                    std::size_t fim,
                                                    std::optional<std::size_t> cursor) const {
    const bool outroTexto = texto != texto_;
    return {outroTexto,
            outroTexto || inicio != Inicio() || fim != Fim() || cursor.value_or(cursor_) != cursor_};
}

void ModeloPergunta::TextoDeFora(std::u16string_view texto) {
    Substituir(0, texto_.size(), texto);
}

void ModeloPergunta::Trocar(std::size_t inicio, std::size_t fim, std::u16string_view unidades) {
    texto_.replace(inicio, fim - inicio, unidades);
    ancora_ = cursor_ = inicio + unidades.size();
}

void ModeloPergunta::DefinirTexto(const std::u16string& texto) {
    Lote lote(*this);
    texto_ = texto;
    ancora_ = cursor_ = texto_.size();
}

void ModeloPergunta::DefinirCursor(std::size_t posicao) {
    Lote lote(*this);
    ancora_ = cursor_ = grafemas::Fronteira(texto_, posicao, false);
}

void ModeloPergunta::Travar(bool travada) {
    Lote lote(*this);
    travada_ = travada;
}

void ModeloPergunta::Focar() {
    if (vista_ != nullptr) {
        vista_->Focar();
    }
}

}  // namespace morvantis::janelas
