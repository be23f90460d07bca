#pragma once

// The pace of a periodic timer, kept from the moment it started rather than
// from the last tick: the platforms' timers fire a little late or coarsely
// (Windows rounds up to its clock tick, a busy phone skips frames), and a
// reveal of n characters must still take n intervals. Every toolkit's timer
// starts and stops it with the platform's timer and hands it each wake
// (Pulsar), which runs the ticks due, so a late tick catches up the same way
// everywhere.

#include <cmath>
#include <cstdint>

namespace morvantis::janelas {

class Compasso {
public:
    explicit constexpr Compasso(int intervaloMs) : intervaloMs_(intervaloMs > 0 ? intervaloMs : 1) {}

    // Starts counting at `agoraMs` (any clock in milliseconds) with no tick
    // given yet.
    constexpr void Iniciar(double agoraMs) {
        inicioMs_ = agoraMs;
        dados_ = 0;
        ligado_ = true;
        ++partida_;
    }
    constexpr void Parar() { ligado_ = false; }
    [[nodiscard]] constexpr bool Ligado() const { return ligado_; }

    // A wake of the platform's timer: `tique` runs once for each tick to run
    // (Acordar). A tick may stop the timer, or stop it and start it afresh;
    // the ticks left of this schedule are then no longer its own. A wake
    // already queued when the timer stopped runs none.
    template <class Tique>
    void Pulsar(double agoraMs, Tique&& tique) {
        if (!ligado_) {
            return;
        }
        const std::uint64_t partida = partida_;
        for (auto devidos = Acordar(agoraMs); devidos > 0 && ligado_ && partida_ == partida; --devidos) {
            tique();
        }
    }

    // The ticks due by `agoraMs` and not given yet, now counted as given:
    // one interval after the start is the first.
    [[nodiscard]] std::int64_t Devidos(double agoraMs) {
        const auto vencidos = static_cast<std::int64_t>(std::floor((agoraMs - inicioMs_) / intervaloMs_));
        const std::int64_t devidos = vencidos > dados_ ? vencidos - dados_ : 0;
        dados_ += devidos;
        return devidos;
    }

    // The ticks to run at a wake of the platform's timer: those due, and at
    // least one, since the platform wakes once an interval has passed by its
    // own clock even where ours reads a hair less.
    [[nodiscard]] std::int64_t Acordar(double agoraMs) {
        const std::int64_t devidos = Devidos(agoraMs);
        if (devidos > 0) {
            return devidos;
        }
        ++dados_;
        return 1;
    }

    // Milliseconds from `agoraMs` until the next tick is due; 0 when it is
    // due already.
    [[nodiscard]] double Espera(double agoraMs) const {
        const double proximo = inicioMs_ + static_cast<double>(dados_ + 1) * intervaloMs_;
        return proximo > agoraMs ? proximo - agoraMs : 0.0;
    }

    [[nodiscard]] constexpr int IntervaloMs() const { return intervaloMs_; }

private:
    int intervaloMs_;
    double inicioMs_ = 0;
    std::int64_t dados_ = 0;
    bool ligado_ = false;
    std::uint64_t partida_ = 0;  // counts the starts
};

}  // namespace morvantis::janelas
