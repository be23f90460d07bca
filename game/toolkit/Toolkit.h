#pragma once

// The narrow boundary between the oracle's game logic and a window toolkit:
// the controls as the handlers use them.
//
// The game logic in game/ reaches the controls of the main window only through
// these interfaces, so it stays plain C++ and runs against a fake in tests.
// The windows as a whole (creating one from its description, showing it,
// closing it) are the other half of the boundary, in janelas/Kit.h. Each
// toolkit's folder (qt/, win32/, web/) implements both; nothing here knows of
// any of them.

#include <cstddef>
#include <string>
#include <string_view>

namespace morvantis::toolkit {

// One keystroke as the question box's filter receives it: what a person sees
// as one character (a grapheme cluster, game/Grafemas.h), or a control code
// such as Backspace, Enter or Ctrl+V. The filter empties it to swallow it.
using Tecla = std::u16string;

// The control codes with a meaning for the question box, as keyboards
// deliver them: Ctrl+letter is the letter's place in the alphabet.
namespace teclas {
inline constexpr char16_t CtrlA = 1;
inline constexpr char16_t CtrlC = 3;
inline constexpr char16_t Backspace = 8;
inline constexpr char16_t Enter = 13;
inline constexpr char16_t CtrlV = 0x16;
inline constexpr char16_t CtrlX = 0x18;
inline constexpr char16_t Escape = 0x1B;
// DEL: what X11 sends with Delete, and Windows with Ctrl+Backspace.
inline constexpr char16_t Del = 0x7F;

// One code as a keystroke's text.
[[nodiscard]] constexpr std::u16string_view Como(const char16_t& codigo) {
    return {&codigo, 1};
}
}  // namespace teclas

// How far a deletion reaches, as the key or the platform named it: one
// character (Backspace, Delete), a word (Ctrl+Backspace, Ctrl+Delete, a
// phone's delete key held down), or the line (Cmd+Backspace).
enum class Alcance { Caractere, Palavra, Linha };

// A one-line or multi-line edit box. Texts are sequences of 16-bit
// characters; positions count those characters.
class Caixa {
public:
    virtual ~Caixa() = default;

    [[nodiscard]] virtual std::u16string Texto() const = 0;
    // Replaces the whole text at once, also while the box is read-only.
    virtual void DefinirTexto(const std::u16string& texto) = 0;
    // The text's length puts the caret at the end.
    virtual void DefinirCursor(std::size_t posicao) = 0;
    // A locked box ignores typing, but its keystroke event still runs.
    virtual void Travar(bool travada) = 0;
    virtual void Focar() = 0;
};

class Botao {
public:
    virtual ~Botao() = default;

    // A disabled button takes neither clicks nor the focus.
    virtual void Habilitar(bool habilitado) = 0;
    virtual void Focar() = 0;
};

// A periodic timer whose ticks come through the same event queue as
// keystrokes and clicks.
class Temporizador {
public:
    virtual ~Temporizador() = default;

    virtual void Habilitar(bool habilitado) = 0;
};

// The two small windows the oracle opens over itself. Each call creates the
// window afresh and returns only when it has closed.
class Dialogos {
public:
    virtual ~Dialogos() = default;

    virtual void MostrarAjudaModal() = 0;
    virtual void MostrarSobreModal() = 0;
};

class Aplicacao {
public:
    virtual ~Aplicacao() = default;

    // Every window closes and no further handler runs.
    virtual void EncerrarJa() = 0;
};

// The main window's controls, by the names the handlers use.
struct ControlesPrincipal {
    Caixa& TxtPergunta;
    Caixa& TxtResposta;
    Botao& CmdPergunta;
    Botao& CmdNova;
    Botao& CmdSair;
    toolkit::Temporizador& Timer;
    Dialogos& Janelas;
    Aplicacao& Programa;
};

}  // namespace morvantis::toolkit
