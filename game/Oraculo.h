#pragma once

// The oracle: the main window's game state and its event handlers.
//
// A keystroke: the question box hands every character to
// TxtPergunta_KeyPress before it applies it. A ";" in a blank box starts the
// secret capture: from then on each key is appended to Resposta and
// swallowed, and the box shows one more letter of a randomly drawn
// invocation instead. Enter ends the capture; the question is then typed in
// the open behind the phrase.
//
// An ask: CmdPergunta_Click picks what to say (the captured answer, a random
// insult when there is none, or a fixed complaint for an empty box), locks
// the question box and starts the timer. Each Timer_Timer tick types one more
// character into the answer box. CmdNova_Click clears everything for the next
// question.
//
// The handlers reach the controls only through the toolkit boundary.

#include <cstdint>
#include <string>
#include <vector>

#include "Module1.h"
#include "toolkit/Toolkit.h"

namespace morvantis {

// Shared by the handlers; starts out zero, false and empty.
struct EstadoJogo {
    std::u16string Resposta;    // the hidden answer, later the text revealed
    std::u16string Invocacao;   // the masking phrase of the current capture
    std::u16string Desaforo;    // the insult drawn at the last ask without an answer
    bool ModoSecreto = false;   // keystrokes are being captured
    bool SecretoUsado = false;  // ";" already used since the last ask
    // Letters of Invocacao the box should show: keystrokes captured since the
    // last new question, less erasures.
    std::int16_t Mascarados = 0;
    std::int32_t Contador = 0;     // characters of Resposta the reveal has shown
    std::int16_t TamResposta = 0;  // scratch of the latest erase
    std::int16_t TamPergunta = 0;  // scratch of the latest erase
};

class Oraculo {
public:
    static constexpr std::u16string_view Gatilho = u";";

    static constexpr std::u16string_view PerguntaVazia = u"Você não quer que eu adivinhe a sua pergunta!";
    static constexpr std::u16string_view PalavraAjuda = u"<ajuda>";
    static constexpr std::u16string_view PalavraSobre = u"<sobre>";

    Oraculo(toolkit::ControlesPrincipal controles, Module1& modulo);
    Oraculo(const Oraculo&) = delete;
    Oraculo& operator=(const Oraculo&) = delete;

    // KeyAscii is one keystroke: one character as a person sees it, or a
    // control code; emptying it swallows the key.
    void TxtPergunta_KeyPress(toolkit::Tecla& KeyAscii);
    // A deletion that reaches the box's end during a capture, other than
    // one Backspace: `caracteres` characters, the secret's last word, or all
    // that this capture took. The secret loses what the master erased and
    // the box as many letters, each as a Backspace takes one.
    void TxtPergunta_Apagar(toolkit::Alcance alcance, std::size_t caracteres);
    void CmdPergunta_Click();
    void Timer_Timer();
    void CmdNova_Click();
    void CmdSair_Click();
    void TxtResposta_GotFocus();
    void Form_Load();

    [[nodiscard]] const EstadoJogo& Estado() const { return estado_; }

private:
    // Erases n characters: n letters off the box's own text (nothing when
    // it is empty) and n characters off the end of Resposta.
    void Apagar(std::size_t n);
    void Capturar(const toolkit::Tecla& tecla);
    // Resposta replaced whole: where each of its characters begins, again.
    void NovaResposta(std::u16string_view resposta);

    // Where each character of Resposta begins, kept with every change to it:
    // the capture joins an accent or a joiner to the character before it,
    // Backspace takes a whole character, the reveal shows whole ones.
    std::vector<std::size_t> iniciosResposta_;
    // How many characters of Resposta were there before this capture.
    std::size_t antesDaCaptura_ = 0;

    toolkit::ControlesPrincipal c_;
    Module1& modulo_;
    EstadoJogo estado_;
};

}  // namespace morvantis
