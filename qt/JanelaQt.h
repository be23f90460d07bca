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

#include "JanelaFixa.h"
#include "Kit.h"
#include "QtToolkit.h"

namespace morvantis::qt {

class JanelaQt final : public janelas::JanelaViva {
public:
    JanelaQt(const janelas::Janela& descricao, QWidget* dono);
    // Deletes the window at once: its owner destroys it only once the handler
    // that closed it has returned.
    ~JanelaQt() override;
    JanelaQt(const JanelaQt&) = delete;
    JanelaQt& operator=(const JanelaQt&) = delete;

    // The widget, for tests and the windows opened over this one.
    [[nodiscard]] JanelaFixa* Widget() const { return janela_.data(); }
    // The widget of a window this kit realised; none for another kit's.
    [[nodiscard]] static JanelaFixa* De(janelas::JanelaViva& janela) {
        auto* qt = dynamic_cast<JanelaQt*>(&janela);
        return qt != nullptr ? qt->Widget() : nullptr;
    }

    toolkit::TextBox& Caixa(std::string_view nome) override;
    toolkit::Button& Botao(std::string_view nome) override;
    toolkit::Timer& Temporizador(std::string_view nome) override;

    void AoClicar(std::string_view botao, std::function<void()> handler) override;
    void AoTeclar(std::string_view caixa, janelas::Filtro filtro) override;
    void AoReceberFoco(std::string_view caixa, std::function<void(janelas::Sentido)> handler) override;
    void AoPulsar(std::string_view temporizador, std::function<void()> handler) override;
    void FocarVizinho(std::string_view de, janelas::Sentido sentido) override;

    void Mostrar() override;
    void MostrarModal(std::function<void()> aoFechar) override;
    void Fechar() override;

private:
    template <typename W>
    W& Widget(std::string_view nome) const;

    const janelas::Janela& descricao_;
    QPointer<JanelaFixa> janela_;
    janelas::PorNome<toolkit::TextBox> caixas_;
    janelas::PorNome<toolkit::Button> botoes_;
    janelas::PorNome<qt::Temporizador> temporizadores_;
};

// The Qt side of the windows' boundary.
class KitQt final : public janelas::Kit {
public:
    KitQt();

    std::unique_ptr<janelas::JanelaViva> Criar(const janelas::Janela& descricao,
                                               janelas::JanelaViva* dono) override;
    void Depois(std::function<void()> acao) override;
    void EncerrarJa() override;
};

}  // namespace morvantis::qt
