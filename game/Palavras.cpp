#include "Palavras.h"

#include <algorithm>
#include <vector>

#include "Grafemas.h"
#include "Texto.h"

namespace morvantis::palavras {

namespace {

struct Faixa {
    char32_t de, ate;
};

bool Em(char32_t c, std::initializer_list<Faixa> faixas) {
    return std::any_of(faixas.begin(), faixas.end(), [c](Faixa f) { return c >= f.de && c <= f.ate; });
}

char32_t PrimeiroPonto(std::u16string_view c) {
    if (c.size() > 1 && texto::EhAlto(c[0]) && texto::EhBaixo(c[1])) {
        return texto::DoPar(c[0], c[1]);
    }
    return c.empty() ? 0 : c[0];
}

}  // namespace

// Unicode's White_Space, and the punctuation and symbols of the blocks a
// Portuguese keyboard reaches (ASCII, Latin-1, General Punctuation, CJK and
// fullwidth forms); everything else, accents and emoji included, is part of
// a word. "_" joins words, and "ª" and "º" are ordinals, as in a word.
Classe DoCaractere(char32_t c) {
    if (Em(c, {{0x09, 0x0D},
               {0x20, 0x20},
               {0x85, 0x85},
               {0xA0, 0xA0},
               {0x1680, 0x1680},
               {0x2000, 0x200A},
               {0x2028, 0x2029},
               {0x202F, 0x202F},
               {0x205F, 0x205F},
               {0x3000, 0x3000}})) {
        return Classe::Branco;
    }
    if (Em(c, {{0x21, 0x2F},     {0x3A, 0x40},     {0x5B, 0x5E},     {0x60, 0x60},     {0x7B, 0x7E},
               {0xA1, 0xA9},     {0xAB, 0xB1},     {0xB4, 0xB4},     {0xB6, 0xB8},     {0xBB, 0xBB},
               {0xBF, 0xBF},     {0xD7, 0xD7},     {0xF7, 0xF7},     {0x2010, 0x2027}, {0x2030, 0x205E},
               {0x3001, 0x3003}, {0x3008, 0x3011}, {0x3014, 0x301F}, {0xFF01, 0xFF0F}, {0xFF1A, 0xFF20},
               {0xFF3B, 0xFF3E}, {0xFF40, 0xFF40}, {0xFF5B, 0xFF65}})) {
        return Classe::Pontuacao;
    }
    return Classe::Palavra;
}

std::size_t InicioAntes(std::u16string_view s, std::size_t fim) {
    fim = std::min(fim, s.size());
    const std::u16string_view antes = s.substr(0, fim);
    const std::vector<std::size_t> inicios = grafemas::Inicios(antes);
    std::size_t i = inicios.size();
    const auto classe = [&](std::size_t k) { return DoCaractere(PrimeiroPonto(antes.substr(inicios[k]))); };
    while (i > 0 && classe(i - 1) == Classe::Branco) {
        --i;
    }
    if (i > 0) {
        const Classe ultima = classe(i - 1);
        while (i > 0 && classe(i - 1) == ultima) {
            --i;
        }
    }
    return i < inicios.size() ? inicios[i] : fim;
}

std::size_t FimDepois(std::u16string_view s, std::size_t inicio) {
    inicio = std::min(inicio, s.size());
    const std::u16string_view depois = s.substr(inicio);
    const std::vector<std::size_t> inicios = grafemas::Inicios(depois);
    std::size_t i = 0;
    const auto classe = [&](std::size_t k) { return DoCaractere(PrimeiroPonto(depois.substr(inicios[k]))); };
    if (i < inicios.size() && classe(i) != Classe::Branco) {
        const Classe primeira = classe(i);
        while (i < inicios.size() && classe(i) == primeira) {
            ++i;
        }
    }
    while (i < inicios.size() && classe(i) == Classe::Branco) {
        ++i;
    }
    return inicio + (i < inicios.size() ? inicios[i] : depois.size());
}

}  // namespace morvantis::palavras
