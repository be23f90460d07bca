#pragma once

// The question box in the page: a translator between the input and the box
// model (janelas/ModeloPergunta.h). Whatever way text arrives, it comes as
// `beforeinput` and goes to the model as an edit at the input's selection
// of that moment; the model's text and selection go back into the input.
//
// A composition cannot be cancelled: the page draws it into the input. So a
// pane laid over the input shows the model's text, and during a capture (or
// while the box is locked) only the pane shows; what the page changed by
// itself is replayed to the model once it is done.

#include <emscripten/val.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ModeloPergunta.h"
#include "Ouvinte.h"

namespace morvantis::web {

class CaixaPergunta final : public janelas::ModeloPergunta::Vista {
public:
    // `entrada` is the input and `painel` the pane, both inside `caixa`;
    // they show `modelo`, which outlives them.
    CaixaPergunta(emscripten::val caixa, emscripten::val entrada, emscripten::val painel,
                  janelas::ModeloPergunta& modelo);
    ~CaixaPergunta() override;
    CaixaPergunta(const CaixaPergunta&) = delete;
    CaixaPergunta& operator=(const CaixaPergunta&) = delete;

    void Mostrar(const janelas::ModeloPergunta& modelo) override;
    void Focar() override;
    // The page's clipboard is the browser's: a paste arrives as text in a
    // `beforeinput`, a copy or cut is the browser's own on the input, which
    // shows the box's selection (and is hidden during a capture).
    std::u16string AreaDeTransferencia() override { return {}; }
    void ParaAreaDeTransferencia(std::u16string_view) override {}

private:
    void AoTeclaBaixa(const emscripten::val& evento);
    void AoAntesDeInserir(const emscripten::val& evento);
    void AoInserir();
    void LerSelecao();
    // What the page changed by itself, from the model's text to the input's.
    void Refazer();

    // A deletion as an `inputType` names it.
    struct Apagamento {
        toolkit::Alcance alcance = toolkit::Alcance::Caractere;
        bool paraTras = true;
    };
    void Apagar(const Apagamento& apagamento, std::optional<janelas::Faixa> faixa);

    janelas::ModeloPergunta& modelo_;
    emscripten::val caixa_;
    emscripten::val entrada_;
    emscripten::val painel_;
    bool compondo_ = false;
    // What the `input` after a change the page made itself stands for.
    bool recusado_ = false;
    Apagamento apagamento_;
    std::vector<std::unique_ptr<Ouvinte>> ouvintes_;
};

}  // namespace morvantis::web
