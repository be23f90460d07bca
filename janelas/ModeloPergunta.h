#pragma once

// The question box, once for every toolkit: its text, caret and selection,
// its limit and its lock, and every edit a platform can deliver to it.
//
// A realisation only translates. Its platform's events come in as the edits
// below (a keystroke, an insertion at the selection, a deletion, a caret
// move); the box runs each character through the key filter before it
// applies it, and the realisation then shows what the box holds: its text,
// its selection, and whether a capture is on (when nothing of the platform's
// own, such as text still being composed, may show in it).
//
// A character here is what a person sees as one (game/Grafemas.h): the
// filter gets one per keystroke, Backspace and Delete take a whole one, the
// caret never stands inside one, and the limit never cuts one.
//
// During a capture the box shows one letter of the invocation for each
// character of the secret, and every deletion keeps them in step: Backspace
// goes through the filter; a word or line deletion, or any other deletion
// that reaches the box's end, goes to the game, which erases as much of the
// secret (its own last word, for a word); a forward deletion, one short of
// the end, and a cut change nothing.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/Toolkit.h"

namespace morvantis::janelas {

// What the game makes of the box's edits.
struct Filtro {
    // Receives each keystroke and may empty it to swallow it.
    std::function<void(toolkit::Tecla&)> teclas;
    // Whether a secret capture is on.
    std::function<bool()> emCaptura;
    // During a capture, a deletion at the box's end other than Backspace:
    // how far it reached, and how many characters it took from the box.
    std::function<void(toolkit::Alcance, std::size_t)> apagar;
};

// A range of the box's text, its ends in either order.
struct Faixa {
    std::size_t inicio, fim;
    bool operator==(const Faixa&) const = default;
};

class ModeloPergunta final : public toolkit::Caixa {
public:
    // The native control, which shows what the box holds.
    class Vista {
    public:
        virtual ~Vista() = default;
        // After every change, once per edit however many steps it took.
        virtual void Mostrar(const ModeloPergunta& caixa) = 0;
        virtual void Focar() = 0;
        // The platform's clipboard.
        [[nodiscard]] virtual std::u16string AreaDeTransferencia() = 0;
        virtual void ParaAreaDeTransferencia(std::u16string_view texto) = 0;
    };

    // `maximo` code units at most can be typed or inserted (0: no limit).
    explicit ModeloPergunta(std::size_t maximo);
    ModeloPergunta(const ModeloPergunta&) = delete;
    ModeloPergunta& operator=(const ModeloPergunta&) = delete;

    void Ligar(Vista* vista) { vista_ = vista; }
    void DefinirFiltro(Filtro filtro);

    // What the native control shows.
    [[nodiscard]] std::u16string Texto() const override { return texto_; }
    // The selection runs from the anchor to the caret, either way round.
    [[nodiscard]] std::size_t Ancora() const { return ancora_; }
    [[nodiscard]] std::size_t Cursor() const { return cursor_; }
    [[nodiscard]] std::size_t Inicio() const { return ancora_ < cursor_ ? ancora_ : cursor_; }
    [[nodiscard]] std::size_t Fim() const { return ancora_ < cursor_ ? cursor_ : ancora_; }
    [[nodiscard]] bool Travada() const { return travada_; }
    [[nodiscard]] bool Capturando() const { return filtro_.emCaptura && filtro_.emCaptura(); }
    // Nothing of the platform's own may show over the box: no text being
    // composed, no menu. During a capture it would show what is typed, and
    // a locked box takes nothing in.
    [[nodiscard]] bool Velada() const { return travada_ || Capturando(); }
    [[nodiscard]] std::size_t Maximo() const { return maximo_; }

    // The edits a platform delivers.

    // One keystroke: a character, Backspace or Enter, or another control
    // code; a keystroke of several characters is typed text (Inserir). The
    // filter sees it first; what it lets through the box applies, Ctrl+A,
    // Ctrl+C, Ctrl+V and Ctrl+X with their usual meaning.
    void Teclar(toolkit::Tecla tecla);
    // Text typed, pasted, dropped, dictated or composed, at the selection:
    // one keystroke for the filter per character, a line break an Enter.
    // Other control characters and lone surrogates are dropped; what passes
    // the filter goes in whole characters while it fits under the limit.
    void Inserir(std::u16string_view texto);
    // A replacement of [inicio, fim) (a spelling correction, a keyboard
    // rewriting a word): the range selected, then the text inserted.
    void Substituir(std::size_t inicio, std::size_t fim, std::u16string_view texto);
    // Backspace and its kin: the selection, or the character, word or line
    // before the caret. `faixa` is the range the platform says it takes,
    // where it found one itself (a phone's keyboard erasing a word).
    void ApagarAtras(toolkit::Alcance alcance, std::optional<Faixa> faixa = {});
    // Delete and its kin: the selection, or what follows the caret.
    void ApagarAFrente(toolkit::Alcance alcance = toolkit::Alcance::Caractere,
                       std::optional<Faixa> faixa = {});
    // A range deleted at once: a menu's "Excluir", a clear, a drag.
    void ApagarIntervalo(std::size_t inicio, std::size_t fim);
    // The clipboard, by the platform's own shortcuts and menus. During a
    // capture nothing is copied or cut: the box shows the invocation.
    void Copiar();
    void Recortar();
    void Colar();
    // A caret move or selection the platform reports; a position inside a
    // character goes to its nearer edge in the direction the caret moved.
    void Selecionar(std::size_t ancora, std::size_t cursor);
    // The selection read back from the native control, its ends in order;
    // `cursorNoInicio` where the control tells which end the caret is at,
    // else the caret is the end that is not the anchor.
    void SelecaoLida(std::size_t inicio, std::size_t fim, std::optional<bool> cursorNoInicio);
    // A text set on the native control from outside (a screen reader's
    // tools, another program): typed over the whole text.
    void TextoDeFora(std::u16string_view texto);

    // What a native control showing `texto`, with the selection from
    // `inicio` to `fim` and the caret at `cursor` (where it tells), must be
    // told to show what the box holds. Only what differs is written: an edit
    // that changed nothing on screen (a keystroke past the capture's count)
    // redraws nothing, and a composition under way is not cut short.
    struct Diferencas {
        bool texto = false;
        bool selecao = false;
    };
    [[nodiscard]] Diferencas Comparar(std::u16string_view texto, std::size_t inicio, std::size_t fim,
                                      std::optional<std::size_t> cursor) const;

    // The game's operations on the box.
    void DefinirTexto(const std::u16string& texto) override;
    void DefinirCursor(std::size_t posicao) override;
    void Travar(bool travada) override;
    void Focar() override;

private:
    // Holds the view back until the outermost edit is over.
    class Lote;

    // The filter, then the box applies what came through; `cabe` turns
    // false once a character no longer fits under the limit.
    void Aplicar(toolkit::Tecla tecla, bool& cabe);
    // Text already joined, one character at a time.
    void Colocar(std::u16string_view texto);
    // What a control code the filter let through does.
    void Comando(char16_t codigo);
    // Backspace let through by the filter: the selection, or the character
    // before the caret.
    void Retroceder();
    // The range in order, its ends moved out to whole characters.
    [[nodiscard]] Faixa Alargada(Faixa faixa) const;
    // Where a deletion reaches from the caret when nothing is selected.
    [[nodiscard]] Faixa Alcancada(toolkit::Alcance alcance, bool paraTras) const;
    // The range deleted: in the open, gone; during a capture, told to the
    // game when it reaches the end.
    void Apagar(Faixa faixa, toolkit::Alcance alcance);
    // Half a surrogate pair from one insertion joins the other half from
    // the next; alone, it is dropped.
    [[nodiscard]] std::u16string Juntar(std::u16string_view texto);
    void Trocar(std::size_t inicio, std::size_t fim, std::u16string_view unidades);

    std::size_t maximo_;
    Vista* vista_ = nullptr;
    Filtro filtro_;
    char16_t metade_ = 0;
    std::u16string texto_;
    std::size_t ancora_ = 0;
    std::size_t cursor_ = 0;
    bool travada_ = false;
    int lotes_ = 0;
};

}  // namespace morvantis::janelas
