#pragma once

// The windows' half of the toolkit boundary: what a toolkit does to realise
// a window description and run it. The flow between the windows
// (janelas/Programa.h) and the main window's wiring (janelas/FrmMain.h) are
// written once on these operations; a toolkit supplies them and nothing of
// the flow.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "Descricao.h"
#include "ModeloPergunta.h"
#include "toolkit/Toolkit.h"

namespace morvantis::janelas {

// A realised timer: the game switches it, the window hears its ticks.
class TemporizadorVivo : public toolkit::Temporizador {
public:
    virtual void AoPulsar(std::function<void()> handler) = 0;
};

// A window built from its description. Its controls are reached by their
// described names; asking for a name the description lacks, or for a
// control of another kind, throws std::out_of_range.
//
// The window owns its controls' adaptors, which the realisation registers
// as it builds the window, and the model of each one-line box, which the
// realisation's native box only shows (ModeloPergunta::Ligar). Being the
// base's, they outlive the realisation's native controls.
class JanelaViva {
public:
    explicit JanelaViva(const Janela& descricao) : descricao_(descricao) {}
    virtual ~JanelaViva() = default;
    JanelaViva(const JanelaViva&) = delete;
    JanelaViva& operator=(const JanelaViva&) = delete;

    [[nodiscard]] const Janela& Descricao() const { return descricao_; }
    [[nodiscard]] toolkit::Caixa& Caixa(std::string_view nome);
    [[nodiscard]] toolkit::Botao& Botao(std::string_view nome);
    [[nodiscard]] toolkit::Temporizador& Temporizador(std::string_view nome);

    // Events. Each handler runs on the one user-interface thread, one at a
    // time, through the same queue as every other event.
    virtual void AoClicar(std::string_view botao, std::function<void()> handler) = 0;
    // Every character typed into a one-line box, however the platform
    // delivers it (keys, dead keys, input methods, pastes), passes through
    // the filter one at a time before the box applies it: the box is a
    // ModeloPergunta, which the toolkit's control only translates and shows.
    void AoTeclar(std::string_view caixa, Filtro filtro);
    // `handler` learns which way the focus came: Atras by Shift+Tab,
    // Adiante any other way (Tab, a click, the program).
    virtual void AoReceberFoco(std::string_view caixa, std::function<void(Sentido)> handler) = 0;
    void AoPulsar(std::string_view temporizador, std::function<void()> handler);

    // Moves the focus from the control `de` on to the one Tab or Shift+Tab
    // would give it to (Janela::Vizinho).
    void FocarVizinho(std::string_view de, Sentido sentido);

    // Shows the window, centred, and returns at once.
    virtual void Mostrar() = 0;
    // Shows the window, centred, over every other; the windows below take no
    // input until it has closed. Where the toolkit can run a nested event
    // loop the call returns only once the window has closed; elsewhere it
    // returns at once. Either way `aoFechar` runs when it has closed.
    virtual void MostrarModal(std::function<void()> aoFechar = {}) = 0;
    // The window leaves the screen at once (and its modal loop ends). The
    // object stays usable until it is destroyed, which its owner does only
    // once the running handler has returned (Kit::Depois).
    virtual void Fechar() = 0;

protected:
    // Where Tab or Shift+Tab takes the focus from the control `de`, over the
    // controls that take it now; none from a name the window lacks.
    [[nodiscard]] const Controle* Vizinho(std::string_view de, Sentido sentido) const;
    // The control that has the focus when the window opens.
    [[nodiscard]] const Controle* PrimeiroFocavel() const;
    // Whether the realised control `c` can take the focus now.
    [[nodiscard]] virtual bool Habilitado(const Controle& c) const = 0;
    // Gives the realised control `c` the focus, as Tab or Shift+Tab would.
    virtual void FocarControle(const Controle& c, Sentido sentido) = 0;

    // The model of the one-line box `c`, with its described text, limit and
    // lock; the realisation's native box shows it.
    ModeloPergunta& NovoModelo(const Controle& c);
    // A multi-line box's, a button's or a timer's adaptor, under the name of
    // its control.
    template <typename Adaptador>
    Adaptador& Registrar(const Controle& c, std::unique_ptr<Adaptador> adaptador) {
        Adaptador& registrado = *adaptador;
        Guardar(c.nome, std::move(adaptador));
        return registrado;
    }

private:
    void Guardar(std::string_view nome, std::unique_ptr<toolkit::Caixa> caixa);
    void Guardar(std::string_view nome, std::unique_ptr<toolkit::Botao> botao);
    void Guardar(std::string_view nome, std::unique_ptr<TemporizadorVivo> temporizador);

    const Janela& descricao_;
    std::map<std::string, std::unique_ptr<ModeloPergunta>, std::less<>> modelos_;
    std::map<std::string, std::unique_ptr<toolkit::Caixa>, std::less<>> caixas_;
    std::map<std::string, std::unique_ptr<toolkit::Botao>, std::less<>> botoes_;
    std::map<std::string, std::unique_ptr<TemporizadorVivo>, std::less<>> temporizadores_;
};

// Ties work queued through Kit::Depois to the life of the object that
// queued it: what is still queued when the object is destroyed never runs.
class Vida {
public:
    [[nodiscard]] std::function<void()> Enquanto(std::function<void()> acao) const {
        return [vivo = std::weak_ptr<const int>(marca_), acao = std::move(acao)] {
            if (!vivo.expired()) {
                acao();
            }
        };
    }

private:
    std::shared_ptr<const int> marca_ = std::make_shared<const int>(0);
};

class Kit {
public:
    virtual ~Kit() = default;

    // Builds a window and its controls from its description, not yet shown.
    // `dono` is the window it opens over, if any.
    [[nodiscard]] virtual std::unique_ptr<JanelaViva> Criar(const Janela& descricao, JanelaViva* dono) = 0;
    // Runs `acao` through the event queue, once the running handler has
    // returned.
    virtual void Depois(std::function<void()> acao) = 0;
    // Every window leaves the screen and the program ends with status 0.
    virtual void EncerrarJa() = 0;
};

}  // namespace morvantis::janelas
