#pragma once

// A DOM event listener that runs C++. The page calls a small JavaScript
// function made for this Ouvinte, which forwards the event to the action. The
// listener is removed when its Ouvinte is destroyed, so no event reaches a
// control that no longer exists; the function holds the Ouvinte's address, so
// an Ouvinte is neither copied nor moved.

#include <emscripten/val.h>

#include <functional>
#include <string>

namespace morvantis::web {

class Ouvinte {
public:
    using Acao = std::function<void(emscripten::val)>;

    Ouvinte(emscripten::val alvo, std::string tipo, Acao acao);
    ~Ouvinte();
    Ouvinte(const Ouvinte&) = delete;
    Ouvinte& operator=(const Ouvinte&) = delete;

    void Disparar(const emscripten::val& evento) const { acao_(evento); }

private:
    emscripten::val alvo_;
    std::string tipo_;
    Acao acao_;
    emscripten::val funcao_;
};

}  // namespace morvantis::web
