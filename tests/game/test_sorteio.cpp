#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>

#include "ControlesFalsos.h"
#include "Module1.h"

namespace morvantis {
namespace {

constexpr double JustBelowOne = 1.0 - 0x1.0p-53;

// The value that lands on entry n.
double ValueFor(int n) {
    return (n - 1) / 40.0 + 1e-9;
}

TEST(Sorteio, EntryNumberFollowsTheValueDrawn) {
    struct Case {
        double r;
        int entry;
    };
    const std::array cases = {Case{0.0, 1},           Case{0.5, 21},
                              Case{0.025, 2},         Case{0.0249999, 1},
                              Case{JustBelowOne, 40}, Case{std::nextafter(1.0f, 0.0f), 40}};
    for (const auto& c : cases) {
        fake::GeradorFalso gerador({c.r});
        Module1 modulo(gerador);
        EXPECT_EQ(modulo.SortearIndice(), c.entry) << "r = " << c.r;
    }
}

TEST(Sorteio, ValuesOutsideTheUnitRangeStillGiveAnEntry) {
    fake::GeradorFalso gerador({-0.5, 1.0, 7.0, std::nan("")});
    Module1 modulo(gerador);
    EXPECT_EQ(modulo.SortearIndice(), 1);
    EXPECT_EQ(modulo.SortearIndice(), 40);
    EXPECT_EQ(modulo.SortearIndice(), 40);
    EXPECT_EQ(modulo.SortearIndice(), 1);
}

TEST(Sorteio, FirstEntriesOfBothTables) {
    fake::GeradorFalso gerador({0.0});
    Module1 modulo(gerador);
    EXPECT_EQ(modulo.SortearInvocacao(), u"Mestre maravilhoso, idolatrado por toda humanidade, peço-lhe... ");
    EXPECT_EQ(modulo.SortearDesaforo(), u"Sai fora curioso, aqui você não tem vez...");
}

TEST(Sorteio, SpacesThatAreEasyToLoseAreKept) {
    fake::GeradorFalso gerador;
    Module1 modulo(gerador);
    const auto invocacao = [&](int n) {
        gerador.Queue({ValueFor(n)});
        return modulo.SortearInvocacao();
    };
    const auto desaforo = [&](int n) {
        gerador.Queue({ValueFor(n)});
        return modulo.SortearDesaforo();
    };
    EXPECT_EQ(invocacao(1).size(), 64u);
    EXPECT_EQ(invocacao(1).back(), u' ');
    EXPECT_NE(invocacao(6).find(u"então  me"), std::u16string::npos);
    EXPECT_NE(invocacao(9).find(u"pra\u00A0quem"), std::u16string::npos);
    EXPECT_EQ(desaforo(3).back(), u' ');
    EXPECT_NE(desaforo(8).find(u"e\u00A0deixa"), std::u16string::npos);
    EXPECT_NE(desaforo(12).find(u"pra\u00A0caralho"), std::u16string::npos);
    EXPECT_NE(desaforo(24).find(u"esta\u00A0autorizado"), std::u16string::npos);
    EXPECT_NE(desaforo(25).find(u"esta\u00A0pensando"), std::u16string::npos);
    EXPECT_NE(desaforo(40).find(u"ta\u00A0me"), std::u16string::npos);
}

TEST(Sorteio, TablesHoldFortyDistinctTextsOfTheRightLengths) {
    // Lengths in characters, entry by entry: a lost or doubled space shows here.
    const std::array<std::size_t, 40> invocacoes = {64, 81, 76, 81, 75, 71, 88, 88, 69, 74, 82, 79, 74, 75,
                                                    61, 88, 70, 63, 74, 63, 75, 76, 73, 78, 66, 80, 77, 75,
                                                    72, 67, 60, 75, 83, 94, 70, 81, 88, 83, 85, 89};
    const std::array<std::size_t, 40> desaforos = {42, 61, 58, 48, 48, 61, 54, 53, 39, 56, 53, 73, 51, 38,
                                                   62, 59, 50, 53, 40, 47, 47, 37, 42, 45, 58, 32, 54, 65,
                                                   12, 50, 50, 71, 54, 60, 51, 31, 65, 51, 31, 41};
    fake::GeradorFalso gerador;
    Module1 modulo(gerador);
    std::set<std::u16string> vistos;
    int trailingSpaces = 0;
    int nbsp = 0;
    for (int n = 1; n <= 40; ++n) {
        gerador.Queue({ValueFor(n), ValueFor(n)});
        const auto inv = modulo.SortearInvocacao();
        const auto des = modulo.SortearDesaforo();
        EXPECT_EQ(inv.size(), invocacoes[n - 1]) << "invocation " << n;
        EXPECT_EQ(des.size(), desaforos[n - 1]) << "insult " << n;
        trailingSpaces += inv.back() == u' ';
        for (const auto& s : {inv, des}) {
            for (const char16_t c : s) {
                EXPECT_LE(c, 0xFF) << "every character is Latin-1";
                nbsp += c == 0xA0;
            }
        }
        vistos.insert(inv);
        vistos.insert(des);
    }
    EXPECT_EQ(vistos.size(), 80u);
    EXPECT_EQ(trailingSpaces, 19);
    EXPECT_EQ(nbsp, 6);
}

TEST(Sorteio, EachDrawConsumesOneValueOfTheSharedGenerator) {
    fake::GeradorFalso gerador({0.0, 0.5});
    Module1 modulo(gerador);
    const auto invocacao = modulo.SortearInvocacao();
    const auto desaforo = modulo.SortearDesaforo();
    EXPECT_EQ(gerador.draws, 2);
    EXPECT_EQ(invocacao.substr(0, 6), u"Mestre");
    EXPECT_EQ(desaforo, u"Você não percebeu que não estou afim de papo...");
}

TEST(Sorteio, RealGeneratorDrawsUniformlyAndNeverEmpty) {
    GeradorPadrao gerador;
    Module1 modulo(gerador);
    modulo.Semear(12345);
    std::array<int, 41> counts{};
    constexpr int Draws = 400'000;
    for (int i = 0; i < Draws; ++i) {
        const auto n = modulo.SortearIndice();
        ASSERT_GE(n, 1);
        ASSERT_LE(n, 40);
        ++counts[static_cast<std::size_t>(n)];
    }
    // Chi-squared with 39 degrees of freedom: 80 is far beyond the 0.1% tail.
    double chi2 = 0;
    const double expected = Draws / 40.0;
    for (int n = 1; n <= 40; ++n) {
        chi2 += (counts[n] - expected) * (counts[n] - expected) / expected;
    }
    EXPECT_LT(chi2, 80.0);
    EXPECT_FALSE(modulo.SortearInvocacao().empty());
    EXPECT_FALSE(modulo.SortearDesaforo().empty());
}

TEST(Sorteio, DifferentSeedsDrawDifferentSequencesAndTheSameSeedRepeats) {
    auto sequence = [](std::uint64_t seed) {
        GeradorPadrao gerador;
        Module1 modulo(gerador);
        modulo.Semear(seed);
        std::vector<int> out;
        for (int i = 0; i < 20; ++i) {
            out.push_back(modulo.SortearIndice());
        }
        return out;
    };
    EXPECT_NE(sequence(1'700'000'000'000'000'000), sequence(1'700'000'000'000'000'001));
    EXPECT_EQ(sequence(42), sequence(42));
}

TEST(Sorteio, SeedingReadsTheClock) {
    fake::GeradorFalso gerador;
    Module1 modulo(gerador);
    modulo.SemearPeloRelogio();
    modulo.SemearPeloRelogio();
    ASSERT_EQ(gerador.seeds.size(), 2u);
    EXPECT_NE(gerador.seeds[0], gerador.seeds[1]) << "two readings of a nanosecond clock differ";
}

}  // namespace
}  // namespace morvantis
