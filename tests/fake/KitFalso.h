#pragma once

// A scripted stand-in for a toolkit's windows: it builds fake controls from a
// window description and records what the flow did to each window (shown,
// shown modally, closed, destroyed), so a flow test reads like the program's
// story.

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ControlesFalsos.h"
#include "Kit.h"

namespace morvantis::fake {

class KitFalso;

class JanelaFalsa final : public janelas::JanelaViva {
public:
    JanelaFalsa(KitFalso& kit, const janelas::Janela& descricao, JanelaFalsa* dono);
    ~JanelaFalsa() override;

    void AoClicar(std::string_view botao, std::function<void()> handler) override {
        (void)Botao(botao);  // a button's name, or out_of_range
        cliques[std::string(botao)] = std::move(handler);
    }
    void AoReceberFoco(std::string_view caixa, std::function<void(janelas::Sentido)> handler) override {
        caixas.at(std::string(caixa))->onFocus = [handler] { handler(janelas::Sentido::Adiante); };
        focos[std::string(caixa)] = std::move(handler);
    }
    void Mostrar() override { visivel = true; }
    void MostrarModal(std::function<void()> aoFechar) override;
    void Fechar() override;

    // A click as a person makes it: only on an enabled button.
    void Clicar(const std::string& botao) {
        if (botoes.at(botao)->enabled && cliques.count(botao) != 0) {
            auto handler = cliques.at(botao);
            handler();
        }
    }
    // Shift+Tab onto a box: the focus lands there, then its handler runs.
    void ShiftTabPara(const std::string& caixa) {
        foco.owner = caixa;
        if (focos.count(caixa) != 0) {
            auto handler = focos.at(caixa);
            handler(janelas::Sentido::Atras);
        }
    }
    void Teclar(char32_t tecla) { Digitar(perguntas.at("TxtPergunta")->box, {&tecla, 1}); }
    // A tick of the window's timers, as their events would bring it.
    void pulso() {
        for (const auto& [nome, temporizador] : temporizadores) {
            const std::function<void()> handler = temporizador->pulso;
            handler();
        }
    }

    JanelaFalsa* dono;
    Foco foco;
    // The one-line boxes' views of the models the window owns.
    std::map<std::string, std::unique_ptr<PerguntaFalsa>, std::less<>> perguntas;
    // The adaptors the window owns, by name, as the fakes they are.
    std::map<std::string, CaixaFalsa*, std::less<>> caixas;
    std::map<std::string, BotaoFalso*, std::less<>> botoes;
    std::map<std::string, TemporizadorFalso*, std::less<>> temporizadores;
    std::map<std::string, std::function<void()>> cliques;
    std::map<std::string, std::function<void(janelas::Sentido)>> focos;
    bool visivel = false;
    bool modal = false;
    bool fechada = false;

private:
    bool Habilitado(const janelas::Controle& c) const override {
        return c.tipo != janelas::Tipo::Botao || botoes.at(std::string(c.nome))->enabled;
    }
    void FocarControle(const janelas::Controle& c, janelas::Sentido) override {
        if (c.tipo == janelas::Tipo::Botao) {
            Botao(c.nome).Focar();
        } else {
            Caixa(c.nome).Focar();
        }
    }

    KitFalso& kit_;
};

class KitFalso final : public janelas::Kit {
public:
    std::unique_ptr<janelas::JanelaViva> Criar(const janelas::Janela& descricao,
                                               janelas::JanelaViva* dono) override {
        auto janela = std::make_unique<JanelaFalsa>(*this, descricao, dynamic_cast<JanelaFalsa*>(dono));
        historia.push_back("create " + std::string(descricao.nome));
        return janela;
    }
    void Depois(std::function<void()> acao) override { fila.push_back(std::move(acao)); }
    void EncerrarJa() override {
        historia.emplace_back("end");
        encerrado = true;
        for (JanelaFalsa* j : vivas) {
            j->visivel = false;
        }
    }

    // Runs what was queued, as the event loop would once a handler returns.
    void RodarFila() {
        while (!fila.empty()) {
            auto acao = std::move(fila.front());
            fila.pop_front();
            acao();
        }
    }
    // The living window of that name, or none.
    JanelaFalsa* Viva(std::string_view nome) const {
        for (JanelaFalsa* j : vivas) {
            if (j->Descricao().nome == nome) {
                return j;
            }
        }
        return nullptr;
    }

    std::vector<std::string> historia;
    std::vector<JanelaFalsa*> vivas;
    std::deque<std::function<void()>> fila;
    // Runs inside a window's modal loop, before MostrarModal returns.
    std::function<void(JanelaFalsa&)> enquantoModal;
    bool encerrado = false;
};

inline JanelaFalsa::JanelaFalsa(KitFalso& kit, const janelas::Janela& d, JanelaFalsa* o)
    : JanelaViva(d), dono(o), kit_(kit) {
    for (const janelas::Controle& c : d.controles) {
        const std::string nome(c.nome);
        switch (c.tipo) {
            case janelas::Tipo::Caixa:
                if (!c.multiLinha) {
                    perguntas.emplace(nome, std::make_unique<PerguntaFalsa>(nome, foco, NovoModelo(c)));
                    break;
                }
                caixas.emplace(nome, &Registrar(c, std::make_unique<CaixaFalsa>(nome, foco)));
                caixas.at(nome)->text = std::u16string(c.texto);
                break;
            case janelas::Tipo::Botao:
                botoes.emplace(nome, &Registrar(c, std::make_unique<BotaoFalso>(nome, foco, c.habilitado)));
                break;
            case janelas::Tipo::Temporizador:
                temporizadores.emplace(nome, &Registrar(c, std::make_unique<TemporizadorFalso>()));
                break;
            default:
                break;
        }
    }
    kit_.vivas.push_back(this);
}

inline JanelaFalsa::~JanelaFalsa() {
    kit_.historia.push_back("destroy " + std::string(Descricao().nome));
    std::erase(kit_.vivas, this);
}

inline void JanelaFalsa::Fechar() {
    kit_.historia.push_back("close " + std::string(Descricao().nome));
    visivel = false;
    fechada = true;
}

// The modal loop is the test's script; the window may be destroyed inside
// it, so nothing of it is touched afterwards.
inline void JanelaFalsa::MostrarModal(std::function<void()> aoFechar) {
    KitFalso& kit = kit_;
    kit.historia.push_back("modal " + std::string(Descricao().nome));
    visivel = true;
    modal = true;
    if (kit.enquantoModal) {
        kit.enquantoModal(*this);
    }
    if (aoFechar) {
        aoFechar();
    }
}

}  // namespace morvantis::fake
