#pragma once

// A DOM event listener that runs C++. The page calls `handleEvent` on a small
// embind handle (an object with that method is a listener of its own, so no
// JavaScript is written for it), and the handle forwards to the action. The
// listener is removed when its Ouvinte is destroyed, so no event reaches a
// control that no longer exists.

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
    emscripten::val alca_;
};

}  // namespace morvantis::web
