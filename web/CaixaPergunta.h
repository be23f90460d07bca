#pragma once

// The question box in the page. Every character that arrives, however the
// page receives it, goes through the key filter one at a time before the box
// applies it: typed keys, a soft keyboard's letters and words, Android's
// key code 229 followed by inserted text, pastes, drops, autocorrect
// replacements and input-method compositions. All of them arrive as
// `beforeinput`, which can be cancelled, except a composition's, which
// cannot: the page draws the composed text in the field while it is being
// composed.
//
// So the box is two elements: the real input, which takes the keyboard, and
// a pane laid over it that shows the box's text. During a capture (and while
// the box is locked) the input is invisible and only the pane shows, so
// nothing composed is ever seen; once the composition is committed its
// characters go through the filter like typed ones, and the input is put
// back to the box's text. Outside a capture the input shows and types the
// phone's own way.

#include <emscripten/val.h>

#include <memory>
#include <string>
#include <vector>

#include "Kit.h"
#include "Ouvinte.h"
#include "toolkit/Toolkit.h"

namespace morvantis::web {

class CaixaPergunta final : public toolkit::TextBox {
public:
    // `entrada` is the real input and `painel` the pane, both inside
    // `caixa`; `maximo` characters at most can be typed (0: no limit).
    CaixaPergunta(emscripten::val caixa, emscripten::val entrada, emscripten::val painel, int maximo);
    CaixaPergunta(const CaixaPergunta&) = delete;
    CaixaPergunta& operator=(const CaixaPergunta&) = delete;

    void DefinirFiltro(janelas::FiltroTeclas filtro, janelas::EmCaptura emCaptura);

    // The box's own text, which the input holds too except for the moment a
    // composition is drawn into it.
    [[nodiscard]] std::u16string Text() const override { return texto_; }
    void SetText(const std::u16string& texto) override;
    void SetCaret(std::size_t posicao) override;
    void SetLocked(bool travada) override;
    void SetFocus() override;

private:
    // The box's text and selection at one moment.
    struct Retrato {
        std::u16string texto;
        std::size_t inicio = 0;
        std::size_t fim = 0;
    };

    void AoTeclaBaixa(const emscripten::val& evento);
    void AoAntesDeInserir(const emscripten::val& evento);
    void AoInserir();
    void AoIniciarComposicao();
    void AoEncerrarComposicao();

    // Cancelled insertions: each character through the filter, from the
    // box's own text.
    void InserirFiltrado(const emscripten::val& evento, const std::u16string& dados);
    // Insertions the page has already made (a composition, anything it would
    // not let us cancel): the box goes back to how it was, and what the page
    // inserted arrives again through the filter.
    void Refazer(const Retrato& antes);

    // The filter, then the box applies what it let through.
    void Digitar(char32_t caractere);
    void Filtrar(char32_t& caractere);
    void Inserir(char32_t caractere);
    void ApagarAnterior();

    [[nodiscard]] bool EmCaptura() const { return emCaptura_ && emCaptura_(); }
    [[nodiscard]] Retrato Atual() const { return {texto_, inicio_, fim_}; }
    void LerDaPagina();
    // The input and the pane to the box's text; the input hidden or shown.
    void Mostrar();

    emscripten::val caixa_;
    emscripten::val entrada_;
    emscripten::val painel_;
    std::size_t maximo_;
    janelas::FiltroTeclas filtro_;
    janelas::EmCaptura emCaptura_;
    bool travada_ = false;
    bool compondo_ = false;
    bool velada_ = false;
    std::u16string texto_;
    std::size_t inicio_ = 0;
    std::size_t fim_ = 0;
    Retrato antesDaComposicao_;
    // An insertion the page would not let us cancel, done by the page before
    // the `input` event that follows it.
    bool pendente_ = false;
    Retrato antesDoPendente_;
    // A change the box refuses but the page would not let us cancel.
    bool recusado_ = false;
    std::vector<std::unique_ptr<Ouvinte>> ouvintes_;
};

}  // namespace morvantis::web
