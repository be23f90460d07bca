#pragma once

// A scripted stand-in for the window toolkit: it records what the game logic
// did to each control, so a test reads like the behaviour it checks.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "Kit.h"
#include "ModeloPergunta.h"
#include "Oraculo.h"
#include "Texto.h"
#include "toolkit/Toolkit.h"

namespace morvantis::fake {

// Which control holds the keyboard focus, by name.
struct Foco {
    std::string owner;
};

class CaixaFalsa final : public toolkit::Caixa {
public:
    CaixaFalsa(std::string name, Foco& focus) : name_(std::move(name)), focus_(focus) {}

    std::u16string Texto() const override { return text; }
    void DefinirTexto(const std::u16string& t) override { text = t; }
    void DefinirCursor(std::size_t) override {}
    void Travar(bool) override {}
    void Focar() override {
        focus_.owner = name_;
        if (onFocus) {
            onFocus();
        }
    }

    std::u16string text;
    std::function<void()> onFocus;

private:
    std::string name_;
    Foco& focus_;
};

// The question box as every toolkit has it: the real model, shown by a view
// that only records where the focus went.
class PerguntaFalsa final : public janelas::ModeloPergunta::Vista {
public:
    PerguntaFalsa(std::string name, Foco& focus, janelas::ModeloPergunta& modelo)
        : box(modelo), name_(std::move(name)), focus_(focus) {
        box.Ligar(this);
    }
    ~PerguntaFalsa() override { box.Ligar(nullptr); }
    PerguntaFalsa(const PerguntaFalsa&) = delete;
    PerguntaFalsa& operator=(const PerguntaFalsa&) = delete;

    void Mostrar(const janelas::ModeloPergunta&) override { ++shown; }
    void Focar() override { focus_.owner = name_; }
    std::u16string AreaDeTransferencia() override { return clipboard; }
    void ParaAreaDeTransferencia(std::u16string_view texto) override { clipboard = texto; }

    janelas::ModeloPergunta& box;
    int shown = 0;
    std::u16string clipboard;

private:
    std::string name_;
    Foco& focus_;
};

// Each code point typed as one keystroke, as a keyboard sends them.
inline void Digitar(janelas::ModeloPergunta& box, std::u32string_view keys) {
    for (const char32_t key : keys) {
        toolkit::Tecla tecla;
        texto::Acrescentar(tecla, key);
        box.Teclar(tecla);
    }
}

class BotaoFalso final : public toolkit::Botao {
public:
    BotaoFalso(std::string name, Foco& focus, bool startEnabled)
        : enabled(startEnabled), name_(std::move(name)), focus_(focus) {}

    void Habilitar(bool e) override { enabled = e; }
    void Focar() override {
        if (enabled) {
            focus_.owner = name_;
        }
    }

    bool enabled;

private:
    std::string name_;
    Foco& focus_;
};

class TemporizadorFalso final : public janelas::TemporizadorVivo {
public:
    void Habilitar(bool e) override { enabled = e; }
    void AoPulsar(std::function<void()> handler) override { pulso = std::move(handler); }
    bool enabled = false;
    std::function<void()> pulso;
};

class DialogosFalsos final : public toolkit::Dialogos {
public:
    void MostrarAjudaModal() override {
        shown.emplace_back("FrmAjuda");
        if (whileShown) {
            whileShown();
        }
    }
    void MostrarSobreModal() override {
        shown.emplace_back("FrmSobre");
        if (whileShown) {
            whileShown();
        }
    }

    std::vector<std::string> shown;
    // Runs as if inside the modal window, before the call returns.
    std::function<void()> whileShown;
};

class AplicacaoFalsa final : public toolkit::Aplicacao {
public:
    void EncerrarJa() override { ended = true; }
    bool ended = false;
};

// A generator that yields scripted values, then repeats the last one.
class GeradorFalso final : public Gerador {
public:
    explicit GeradorFalso(std::vector<double> values = {0.0}) : values_(std::move(values)) {}

    void Semear(std::uint64_t seed) override { seeds.push_back(seed); }
    double Proximo() override {
        ++draws;
        const double v = values_[next_ < values_.size() ? next_ : values_.size() - 1];
        ++next_;
        return v;
    }
    void Queue(std::vector<double> values) {
        values_ = std::move(values);
        next_ = 0;
    }

    std::vector<std::uint64_t> seeds;
    int draws = 0;

private:
    std::vector<double> values_;
    std::size_t next_ = 0;
};

// The main window as the game logic sees it, in its initial state.
struct PrincipalFalsa {
    Foco focus{"TxtPergunta"};
    janelas::ModeloPergunta TxtPergunta{200};
    PerguntaFalsa pergunta{"TxtPergunta", focus, TxtPergunta};
    CaixaFalsa TxtResposta{"TxtResposta", focus};
    BotaoFalso CmdPergunta{"CmdPergunta", focus, true};
    BotaoFalso CmdNova{"CmdNova", focus, false};
    BotaoFalso CmdSair{"CmdSair", focus, true};
    TemporizadorFalso Timer;
    DialogosFalsos Janelas;
    AplicacaoFalsa Programa;

    toolkit::ControlesPrincipal Controls() {
        return {TxtPergunta, TxtResposta, CmdPergunta, CmdNova, CmdSair, Timer, Janelas, Programa};
    }
    // The question box's keystrokes go through the oracle's filter.
    void Wire(Oraculo& oraculo) {
        TxtPergunta.DefinirFiltro(
            {[&oraculo](toolkit::Tecla& t) { oraculo.TxtPergunta_KeyPress(t); },
             [&oraculo] { return oraculo.Estado().ModoSecreto; },
             [&oraculo](toolkit::Alcance a, std::size_t n) { oraculo.TxtPergunta_Apagar(a, n); }});
    }
};

}  // namespace morvantis::fake
