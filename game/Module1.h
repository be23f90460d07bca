#pragma once

// The phrase tables and the random draw.
//
// Two fixed tables of 40 texts: the solemn invocations that mask a secret
// answer while it is typed, and the rude replies for whoever asks without
// one. Each draw picks one entry uniformly from the program's one random
// generator, which the main window seeds from the clock when it loads.

#include <cstdint>
#include <random>
#include <string>

namespace morvantis {

// A source of values uniformly distributed in [0, 1). Tests replace it to
// feed chosen values.
class Gerador {
public:
    virtual ~Gerador() = default;

    virtual void Semear(std::uint64_t semente) = 0;
    [[nodiscard]] virtual double Proximo() = 0;
};

// The program's generator: 53 random bits scaled into [0, 1), so the largest
// value it yields is 1 - 2^-53 and never rounds up to 1.
class GeradorPadrao final : public Gerador {
public:
    void Semear(std::uint64_t semente) override;
    [[nodiscard]] double Proximo() override;

private:
    std::mt19937_64 motor_;
};

class Module1 {
public:
    static constexpr int TamanhoTabela = 40;

    explicit Module1(Gerador& gerador);

    // Reads the system clock and seeds the generator from it.
    void SemearPeloRelogio();
    void Semear(std::uint64_t semente);

    // An entry number from 1 to 40; consumes exactly one generator value.
    [[nodiscard]] std::int16_t SortearIndice();
    [[nodiscard]] std::u16string SortearInvocacao();
    [[nodiscard]] std::u16string SortearDesaforo();

private:
    Gerador& gerador_;
};

}  // namespace morvantis
