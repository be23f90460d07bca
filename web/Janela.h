#pragma once

// A window description realised in the page: a <dialog> whose client area
// holds one element per described control, each carrying its control's name
// (data-nome), place and size as CSS custom properties that the style sheet
// lays out: at their exact places on a wide screen, in one column on a phone.
// Modal windows are shown with showModal(), which makes the rest of the page
// inert until they close.

#include <emscripten/val.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "CaixaPergunta.h"
#include "Controles.h"
#include "Kit.h"
#include "Ouvinte.h"

namespace morvantis::web {

class Kit;

class Janela final : public janelas::JanelaViva {
public:
    Janela(const janelas::Janela& descricao, Kit& kit);
    // Takes the window's element out of the page.
    ~Janela() override;
    Janela(const Janela&) = delete;
    Janela& operator=(const Janela&) = delete;

    void AoClicar(std::string_view botao, std::function<void()> handler) override;
    void AoReceberFoco(std::string_view caixa, std::function<void(janelas::Sentido)> handler) override;

    void Mostrar() override;
    // Returns at once; `aoFechar` runs from the event queue once the window
    // has closed.
    void MostrarModal(std::function<void()> aoFechar) override;
    void Fechar() override;

private:
    void Construir(const janelas::Janela& descricao, const janelas::Controle& c, int ordem);
    [[nodiscard]] emscripten::val Elemento(std::string_view nome) const;
    void Ouvir(emscripten::val alvo, const char* tipo, Ouvinte::Acao acao);
    void Escalar();

    // The focus (Foco.cpp). The first enabled control.
    void Focar();
    // Tab and Shift+Tab: the focus to the next or previous control in the
    // window's tab order, going round within the window as on the desktop.
    void Tabular(const emscripten::val& evento);
    void FocarControle(const janelas::Controle& c, janelas::Sentido sentido) override;
    [[nodiscard]] bool Habilitado(const janelas::Controle& c) const override;

    Kit& kit_;
    emscripten::val dialogo_;
    emscripten::val cliente_;
    // The element that takes the focus (for the question box, its input),
    // by control name, in tab order.
    std::vector<std::pair<std::string, emscripten::val>> elementos_;
    // The one-line boxes' inputs and panes, each showing its model.
    std::vector<std::unique_ptr<CaixaPergunta>> perguntas_;
    std::vector<std::unique_ptr<Ouvinte>> ouvintes_;
    std::function<void()> aoFechar_;
    // How the focus is arriving, for the focus handlers.
    janelas::Sentido sentido_ = janelas::Sentido::Adiante;
    double largura_ = 0;
    int menorAlvo_ = 0;
};

// The browser side of the windows' boundary.
class Kit final : public janelas::Kit {
public:
    Kit();

    std::unique_ptr<janelas::JanelaViva> Criar(const janelas::Janela& descricao,
                                               janelas::JanelaViva* dono) override;
    // A timeout of 0: a task of its own, after the running handler.
    void Depois(std::function<void()> acao) override;
    // A page cannot end itself: every window leaves, the page is left empty,
    // and the browser is asked to close it, which it does only where the
    // page was opened on its own (an installed app's window, a tab with no
    // history).
    void EncerrarJa() override;

    void Registrar(Janela& janela) { janelas_.push_back(&janela); }
    void Esquecer(Janela& janela);

private:
    std::vector<Janela*> janelas_;
    std::vector<emscripten::val> figuras_;
};

}  // namespace morvantis::web
