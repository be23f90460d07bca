#pragma once

// A scripted stand-in for the window toolkit: it records what the game logic
// did to each control, so a test reads like the behaviour it checks.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "ModeloPergunta.h"
#include "Oraculo.h"
#include "Texto.h"
#include "toolkit/Toolkit.h"

namespace morvantis::fake {

// Which control holds the keyboard focus, by name.
struct Focus {
    std::string owner;
};

class FakeTextBox final : public toolkit::TextBox {
public:
    FakeTextBox(std::string name, Focus& focus) : name_(std::move(name)), focus_(focus) {}

    std::u16string Text() const override { return text; }
    void SetText(const std::u16string& t) override {
        text = t;
        caret = 0;
        ++setTextCalls;
    }
    void SetCaret(std::size_t position) override { caret = position < text.size() ? position : text.size(); }
    void SetLocked(bool l) override { locked = l; }
    void SetFocus() override {
        focus_.owner = name_;
        if (onFocus) {
            onFocus();
        }
    }

    std::u16string text;
    std::size_t caret = 0;
    bool locked = false;
    int setTextCalls = 0;
    std::function<void()> onFocus;

private:
    std::string name_;
    Focus& focus_;
};

// The question box as every toolkit has it: the real model, shown by a view
// that only records where the focus went.
class FakePergunta final : public janelas::ModeloPergunta::Vista {
public:
    FakePergunta(std::string name, Focus& focus, std::size_t maximo = 200)
        : box(maximo), name_(std::move(name)), focus_(focus) {
        box.Ligar(this);
    }
    FakePergunta(const FakePergunta&) = delete;
    FakePergunta& operator=(const FakePergunta&) = delete;

    void Mostrar(const janelas::ModeloPergunta&) override { ++shown; }
    void Focar() override { focus_.owner = name_; }
    std::u16string AreaDeTransferencia() override { return clipboard; }
    void ParaAreaDeTransferencia(std::u16string_view texto) override { clipboard = texto; }

    janelas::ModeloPergunta box;
    int shown = 0;
    std::u16string clipboard;

private:
    std::string name_;
    Focus& focus_;
};

// Each code point typed as one keystroke, as a keyboard sends them.
inline void Type(janelas::ModeloPergunta& box, std::u32string_view keys) {
    for (const char32_t key : keys) {
        toolkit::Tecla tecla;
        texto::Acrescentar(tecla, key);
        box.Teclar(tecla);
    }
}

class FakeButton final : public toolkit::Button {
public:
    FakeButton(std::string name, Focus& focus, bool startEnabled)
        : enabled(startEnabled), name_(std::move(name)), focus_(focus) {}

    void SetEnabled(bool e) override { enabled = e; }
    void SetFocus() override {
        if (enabled) {
            focus_.owner = name_;
        }
    }

    bool enabled;

private:
    std::string name_;
    Focus& focus_;
};

class FakeTimer final : public toolkit::Timer {
public:
    void SetEnabled(bool e) override { enabled = e; }
    bool enabled = false;
};

class FakeDialogs final : public toolkit::Dialogs {
public:
    void ShowAjudaModal() override {
        shown.emplace_back("FrmAjuda");
        if (whileShown) {
            whileShown();
        }
    }
    void ShowSobreModal() override {
        shown.emplace_back("FrmSobre");
        if (whileShown) {
            whileShown();
        }
    }

    std::vector<std::string> shown;
    // Runs as if inside the modal window, before the call returns.
    std::function<void()> whileShown;
};

class FakeApplication final : public toolkit::Application {
public:
    void EndNow() override { ended = true; }
    bool ended = false;
};

// A generator that yields scripted values, then repeats the last one.
class FakeGerador final : public Gerador {
public:
    explicit FakeGerador(std::vector<double> values = {0.0}) : values_(std::move(values)) {}

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
struct FakeMainWindow {
    Focus focus{"TxtPergunta"};
    FakePergunta pergunta{"TxtPergunta", focus};
    janelas::ModeloPergunta& TxtPergunta = pergunta.box;
    FakeTextBox TxtResposta{"TxtResposta", focus};
    FakeButton CmdPergunta{"CmdPergunta", focus, true};
    FakeButton CmdNova{"CmdNova", focus, false};
    FakeButton CmdSair{"CmdSair", focus, true};
    FakeTimer Timer;
    FakeDialogs Janelas;
    FakeApplication App;

    toolkit::MainWindowControls Controls() {
        return {TxtPergunta, TxtResposta, CmdPergunta, CmdNova, CmdSair, Timer, Janelas, App};
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
