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

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "toolkit/Toolkit.h"

namespace morvantis::janelas {

// Receives each keystroke and may empty it to swallow it.
using FiltroTeclas = std::function<void(toolkit::Tecla&)>;
// Whether a secret capture is on.
using EmCaptura = std::function<bool()>;

class ModeloPergunta final : public toolkit::TextBox {
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
    void DefinirFiltro(FiltroTeclas filtro, EmCaptura emCaptura);

    // What the native control shows.
    [[nodiscard]] const std::u16string& Texto() const { return texto_; }
    // The selection runs from the anchor to the caret, either way round.
    [[nodiscard]] std::size_t Ancora() const { return ancora_; }
    [[nodiscard]] std::size_t Cursor() const { return cursor_; }
    [[nodiscard]] std::size_t Inicio() const { return ancora_ < cursor_ ? ancora_ : cursor_; }
    [[nodiscard]] std::size_t Fim() const { return ancora_ < cursor_ ? cursor_ : ancora_; }
    [[nodiscard]] bool Travada() const { return travada_; }
    [[nodiscard]] bool Capturando() const { return emCaptura_ && emCaptura_(); }
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
    // Delete: the selection, or the character after the caret. Like every
    // deletion but Backspace, it acts on the box without the filter.
    void ApagarAFrente();
    // A cut, or a deletion of a range the platform chose (a word at once).
    void ApagarIntervalo(std::size_t inicio, std::size_t fim);
    // The clipboard, by the platform's own shortcuts and menus. During a
    // capture nothing is copied or cut: the box shows the invocation.
    void Copiar();
    void Recortar();
    void Colar();
    // A caret move or selection the platform reports; a position inside a
    // character goes to its nearer edge in the direction the caret moved.
    void Selecionar(std::size_t ancora, std::size_t cursor);

    // The game's operations on the box.
    [[nodiscard]] std::u16string Text() const override { return texto_; }
    void SetText(const std::u16string& texto) override;
    void SetCaret(std::size_t posicao) override;
    void SetLocked(bool travada) override;
    void SetFocus() override;

private:
    // Holds the view back until the outermost edit is over.
    class Lote;

    // The filter, then the box applies what came through; `cabe` turns
    // false once a character no longer fits under the limit.
    void Aplicar(toolkit::Tecla tecla, bool& cabe);
    // What a control code the filter let through does.
    void Comando(char16_t codigo);
    void ApagarAtras();
    void Trocar(std::size_t inicio, std::size_t fim, std::u16string_view unidades);

    std::size_t maximo_;
    Vista* vista_ = nullptr;
    FiltroTeclas filtro_;
    EmCaptura emCaptura_;
    std::u16string texto_;
    std::size_t ancora_ = 0;
    std::size_t cursor_ = 0;
    bool travada_ = false;
    int lotes_ = 0;
};

}  // namespace morvantis::janelas
