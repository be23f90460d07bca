#pragma once

// A window description realised in Qt widgets: a fixed dialog window whose
// client area holds one widget per described control, each named after its
// control, and the adaptors through which the game logic and the flow reach
// them.

#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "Controles.h"
#include "JanelaFixa.h"
#include "Kit.h"

namespace morvantis::qt {

class Janela final : public janelas::JanelaViva {
public:
    Janela(const janelas::Janela& descricao, QWidget* dono);
    // Deletes the window at once: its owner destroys it only once the handler
    // that closed it has returned.
    ~Janela() override;
    Janela(const Janela&) = delete;
    Janela& operator=(const Janela&) = delete;

    // The widget, for tests and the windows opened over this one.
    [[nodiscard]] JanelaFixa* Widget() const { return janela_.data(); }
    // The widget of a window this kit realised; none for another kit's.
    [[nodiscard]] static JanelaFixa* De(janelas::JanelaViva& janela) {
        auto* qt = dynamic_cast<Janela*>(&janela);
        return qt != nullptr ? qt->Widget() : nullptr;
    }

    void AoClicar(std::string_view botao, std::function<void()> handler) override;
    void AoReceberFoco(std::string_view caixa, std::function<void(janelas::Sentido)> handler) override;

    void Mostrar() override;
    void MostrarModal(std::function<void()> aoFechar) override;
    void Fechar() override;

private:
    template <typename W>
    W& Widget(std::string_view nome) const;
    [[nodiscard]] bool Habilitado(const janelas::Controle& c) const override;
    void FocarControle(const janelas::Controle& c, janelas::Sentido sentido) override;

    QPointer<JanelaFixa> janela_;
};

// The Qt side of the windows' boundary.
class Kit final : public janelas::Kit {
public:
    Kit();

    std::unique_ptr<janelas::JanelaViva> Criar(const janelas::Janela& descricao,
                                               janelas::JanelaViva* dono) override;
    void Depois(std::function<void()> acao) override;
    void EncerrarJa() override;
};

}  // namespace morvantis::qt
