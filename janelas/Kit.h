#pragma once

// The windows' half of the toolkit boundary: what a toolkit does to realise
// a window description and run it. The flow between the windows
// (janelas/Programa.h) and the main window's wiring (janelas/FrmMain.h) are
// written once on these operations; a toolkit supplies them and nothing of
// the flow.

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "Descricao.h"
#include "ModeloPergunta.h"
#include "toolkit/Toolkit.h"

namespace morvantis::janelas {

// A window built from its description. Its controls are reached by their
// described names; asking for a name the description lacks, or for a
// control of another kind, throws std::out_of_range.
class JanelaViva {
public:
    virtual ~JanelaViva() = default;

    [[nodiscard]] virtual toolkit::Caixa& Caixa(std::string_view nome) = 0;
    [[nodiscard]] virtual toolkit::Botao& Botao(std::string_view nome) = 0;
    [[nodiscard]] virtual toolkit::Temporizador& Temporizador(std::string_view nome) = 0;

    // Events. Each handler runs on the one user-interface thread, one at a
    // time, through the same queue as every other event.
    virtual void AoClicar(std::string_view botao, std::function<void()> handler) = 0;
    // Every character typed into a one-line box, however the platform
    // delivers it (keys, dead keys, input methods, pastes), passes through
    // the filter one at a time before the box applies it: the box is a
    // ModeloPergunta, which the toolkit's control only translates and shows.
    virtual void AoTeclar(std::string_view caixa, Filtro filtro) = 0;
    // `handler` learns which way the focus came: Atras by Shift+Tab,
    // Adiante any other way (Tab, a click, the program).
    virtual void AoReceberFoco(std::string_view caixa, std::function<void(Sentido)> handler) = 0;
    virtual void AoPulsar(std::string_view temporizador, std::function<void()> handler) = 0;

    // Moves the focus from the control `de` on to the one Tab or Shift+Tab
    // would give it to (Janela::Vizinho).
    virtual void FocarVizinho(std::string_view de, Sentido sentido) = 0;

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

// A realised window's adaptors of one kind, by their controls' names.
template <typename Adaptador>
using PorNome = std::map<std::string, std::unique_ptr<Adaptador>, std::less<>>;

// The adaptor of that name, or std::out_of_range.
template <typename Adaptador>
Adaptador& Achar(const PorNome<Adaptador>& mapa, std::string_view nome) {
    const auto it = mapa.find(nome);
    if (it == mapa.end()) {
        throw std::out_of_range("no such control: " + std::string(nome));
    }
    return *it->second;
}

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
