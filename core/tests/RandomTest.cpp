#include "core/ClockSeededRandom.h"
#include "core/GeneratePuzzle.h"

#include "VectorWordList.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace kring {
namespace {

constexpr std::uint64_t Seed = 20240611;

std::uint64_t FrozenClock() {
    return 987654321;
}

// Chi-square of the layouts of 16,000 puzzles from a one-word list.
double LayoutChiSquare(RandomSource& random) {
    const test::VectorWordList words({u"KRINGEN"});
    std::array<int, 17> counts{};
    for (int i = 0; i < 16000; ++i) {
        ++counts.at(static_cast<std::size_t>(GeneratePuzzle(words, random).Layout));
    }
    double chiSquare = 0;
    for (int layout = 1; layout <= 16; ++layout) {
        chiSquare += (counts[layout] - 1000.0) * (counts[layout] - 1000.0) / 1000.0;
    }
    return chiSquare;
}

// With 15 degrees of freedom, chi-square exceeds 37.7 with probability 0.001.
TEST(ClockSeededRandom, LayoutsAreEvenlySpreadEvenWithAFrozenClock) {
    ClockSeededRandom frozen(FrozenClock, Seed);
    EXPECT_LT(LayoutChiSquare(frozen), 37.7);
}

TEST(ClockSeededRandom, EveryReseedGivesAFreshDrawBelowOne) {
    ClockSeededRandom random(FrozenClock, Seed);
    float previous = -1;
    for (int i = 0; i < 100000; ++i) {
        random.reseedFromClock();
        const float r = random.next();
        ASSERT_TRUE(r >= 0.0f && r < 1.0f && r != previous) << "draw " << i;
        previous = r;
    }
}

TEST(ClockSeededRandom, TheClockAndTheSeedChangeTheDraw) {
    ClockSeededRandom early([] { return std::uint64_t{1000}; }, Seed);
    ClockSeededRandom late([] { return std::uint64_t{1001}; }, Seed);
    ClockSeededRandom byDefault;
    ClockSeededRandom otherSeed(ClockSeededRandom::steadyClockNanoseconds, Seed);
    early.reseedFromClock();
    late.reseedFromClock();
    EXPECT_NE(early.next(), late.next());
    EXPECT_NE(byDefault.next(), otherSeed.next());
}

} // namespace
} // namespace kring
