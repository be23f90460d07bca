#include "Oraculo.h"

#include <algorithm>
#include <limits>

#include "Grafemas.h"
#include "Palavras.h"
#include "Texto.h"

namespace morvantis {

namespace {

constexpr std::int16_t MaximoMascarados = std::numeric_limits<std::int16_t>::max();
constexpr std::int16_t MinimoMascarados = std::numeric_limits<std::int16_t>::min();

}  // namespace

Oraculo::Oraculo(toolkit::ControlesPrincipal controles, Module1& modulo) : c_(controles), modulo_(modulo) {}

void Oraculo::Form_Load() {
    modulo_.SemearPeloRelogio();
}

void Oraculo::TxtPergunta_KeyPress(toolkit::Tecla& KeyAscii) {
    if (KeyAscii.empty()) {
        return;
    }
    // The box is read on every keystroke: whether it is blank decides the
    // trigger, whatever mode the filter is in.
    if (KeyAscii == Gatilho && texto::SemEspacosNasPontas(c_.TxtPergunta.Texto()).empty()) {
        KeyAscii.clear();
        if (!estado_.SecretoUsado) {
            estado_.ModoSecreto = true;
            estado_.SecretoUsado = true;
            estado_.Invocacao = modulo_.SortearInvocacao();
            antesDaCaptura_ = iniciosResposta_.size();
        }
        return;
    }
    if (KeyAscii.size() == 1 && KeyAscii.front() == toolkit::teclas::Enter) {
        KeyAscii.clear();
        estado_.ModoSecreto = false;
        return;
    }
    if (!estado_.ModoSecreto) {
        return;
    }
    if (KeyAscii.size() == 1 && KeyAscii.front() == toolkit::teclas::Backspace) {
        KeyAscii.clear();
        Apagar(1);
        return;
    }
    Capturar(KeyAscii);
    KeyAscii.clear();
}

void Oraculo::TxtPergunta_Apagar(toolkit::Alcance alcance, std::size_t caracteres) {
    if (!estado_.ModoSecreto) {
        return;
    }
    std::size_t n = caracteres;
    if (alcance == toolkit::Alcance::Palavra) {
        // The word the master typed, found on the secret itself: the box
        // shows only the invocation's words.
        const std::size_t inicio = palavras::InicioAntes(estado_.Resposta, estado_.Resposta.size());
        n = static_cast<std::size_t>(iniciosResposta_.end() - std::lower_bound(iniciosResposta_.begin(),
                                                                               iniciosResposta_.end(),
                                                                               inicio));
    } else if (alcance == toolkit::Alcance::Linha) {
        n = iniciosResposta_.size() - std::min(antesDaCaptura_, iniciosResposta_.size());
    }
    Apagar(n);
}

// Shortens the box from its own current text, not by re-cutting the phrase:
// once the answer outgrew the phrase, each erased character still takes one
// visible letter off.
void Oraculo::Apagar(std::size_t n) {
    const std::u16string caixa = c_.TxtPergunta.Texto();
    if (caixa.empty() || n == 0) {
        return;
    }
    // Saturates rather than wraps: a box of more than 32,768 spaces erased
    // one by one keeps the count at its floor.
    const auto menos =
        static_cast<std::int64_t>(std::min<std::size_t>(n, 1 << 16));  // past the count's range
    estado_.Mascarados = static_cast<std::int16_t>(
        std::max<std::int64_t>(std::int64_t{estado_.Mascarados} - menos, MinimoMascarados));
    // The counts are 16-bit scratch; the cuts use the real lengths so a
    // longer text still loses exactly its last characters.
    const std::vector<std::size_t> letras = grafemas::Inicios(caixa);
    estado_.TamResposta = texto::Contagem16(iniciosResposta_.size());
    estado_.TamPergunta = texto::Contagem16(letras.size());
    const std::u16string encurtada = caixa.substr(0, n < letras.size() ? letras[letras.size() - n] : 0);
    c_.TxtPergunta.DefinirTexto(encurtada);
    const std::size_t ficam = iniciosResposta_.size() - std::min(n, iniciosResposta_.size());
    if (ficam < iniciosResposta_.size()) {
        estado_.Resposta.resize(iniciosResposta_[ficam]);
        iniciosResposta_.resize(ficam);
    }
    antesDaCaptura_ = std::min(antesDaCaptura_, ficam);
    c_.TxtPergunta.DefinirCursor(encurtada.size());
}

void Oraculo::Capturar(const toolkit::Tecla& tecla) {
    // A capture holds at most 32,767 keystrokes: past that a key is still
    // swallowed, so nothing leaks into the box, but no longer captured.
    if (estado_.Mascarados < MaximoMascarados) {
        // An accent or a joiner typed on its own belongs to the character
        // before it: one character, one letter of the phrase.
        const std::u16string_view ultimo =
            iniciosResposta_.empty() ? std::u16string_view()
                                     : std::u16string_view(estado_.Resposta).substr(iniciosResposta_.back());
        if (!grafemas::Continua(ultimo, tecla)) {
            iniciosResposta_.push_back(estado_.Resposta.size());
            ++estado_.Mascarados;
        }
        estado_.Resposta += tecla;
    }
    const std::u16string mostrada = texto::Primeiros(estado_.Invocacao, estado_.Mascarados);
    c_.TxtPergunta.DefinirTexto(mostrada);
    c_.TxtPergunta.DefinirCursor(mostrada.size());
}

void Oraculo::CmdPergunta_Click() {
    const std::u16string pergunta = c_.TxtPergunta.Texto();
    if (pergunta == PalavraAjuda) {
        c_.Janelas.MostrarAjudaModal();
        return;
    }
    if (pergunta == PalavraSobre) {
        c_.Janelas.MostrarSobreModal();
        return;
    }
    c_.Timer.Habilitar(true);
    c_.TxtPergunta.Travar(true);
    c_.CmdPergunta.Habilitar(false);
    c_.CmdNova.Habilitar(false);
    c_.CmdSair.Habilitar(false);
    estado_.SecretoUsado = false;
    // No trimming here: a question of spaces alone is still a question.
    if (c_.TxtPergunta.Texto().empty()) {
        NovaResposta(PerguntaVazia);
    } else if (estado_.Resposta.empty()) {
        estado_.Desaforo = modulo_.SortearDesaforo();
        NovaResposta(estado_.Desaforo);
    }
    estado_.ModoSecreto = false;
}

void Oraculo::Timer_Timer() {
    if (estado_.Contador < std::numeric_limits<std::int32_t>::max()) {
        ++estado_.Contador;
    }
    // One whole character a tick: an emoji or an accented letter is never
    // shown in part.
    const auto mostrados = static_cast<std::size_t>(estado_.Contador);
    const bool tudo = mostrados >= iniciosResposta_.size();
    c_.TxtResposta.DefinirTexto(tudo ? estado_.Resposta
                                     : estado_.Resposta.substr(0, iniciosResposta_[mostrados]));
    if (tudo) {
        c_.Timer.Habilitar(false);
        c_.CmdNova.Habilitar(true);
        c_.CmdSair.Habilitar(true);
        c_.CmdNova.Focar();
    }
}

void Oraculo::CmdNova_Click() {
    c_.CmdNova.Habilitar(false);
    c_.CmdPergunta.Habilitar(true);
    c_.TxtPergunta.Travar(false);
    c_.TxtPergunta.Focar();
    c_.TxtResposta.DefinirTexto({});
    estado_.Resposta.clear();
    iniciosResposta_.clear();
    antesDaCaptura_ = 0;
    c_.TxtPergunta.DefinirTexto({});
    estado_.Mascarados = 0;
    estado_.TamResposta = 0;
    estado_.TamPergunta = 0;
    estado_.Contador = 0;
    estado_.ModoSecreto = false;
}

void Oraculo::NovaResposta(std::u16string_view resposta) {
    estado_.Resposta = resposta;
    iniciosResposta_ = grafemas::Inicios(resposta);
    antesDaCaptura_ = iniciosResposta_.size();
}

void Oraculo::CmdSair_Click() {
    c_.Programa.EncerrarJa();
}

void Oraculo::TxtResposta_GotFocus() {
    c_.TxtPergunta.Focar();
}

}  // namespace morvantis
