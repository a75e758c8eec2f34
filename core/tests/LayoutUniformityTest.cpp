#include "core/ClockSeededRandom.h"
#include "core/GeneratePuzzle.h"

#include "VectorWordList.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace kring {
namespace {

constexpr int Puzzles = 16000;
// Chi-square with 15 degrees of freedom exceeds this with probability 0.001.
constexpr double ChiSquareBound = 37.697;
constexpr std::uint64_t Seed = 20240611;

// A one-word list: the word draw must not tie down the layout draw.
double LayoutChiSquare(RandomSource& random) {
    const test::VectorWordList words({u"KRINGEN"});
    std::array<int, 17> counts{};
    for (int i = 0; i < Puzzles; ++i) {
        ++counts.at(static_cast<std::size_t>(GeneratePuzzle(words, random).Layout));
    }
    const double expected = Puzzles / 16.0;
    double chiSquare = 0;
    for (int layout = 1; layout <= 16; ++layout) {
        const double difference = counts[static_cast<std::size_t>(layout)] - expected;
        chiSquare += difference * difference / expected;
    }
    return chiSquare;
}

std::function<std::uint64_t()> FrozenClock() {
    return [] { return std::uint64_t{987654321}; };
}

std::function<std::uint64_t()> TickingClock() {
    return [now = std::uint64_t{0}]() mutable { return now += 1500; };
}

// Favours low layouts a little.
class SkewedRandom final : public RandomSource {
public:
    void reseedFromClock() override { fair_.reseedFromClock(); }
    float next() override { return std::pow(fair_.next(), 1.1f); }

private:
    ClockSeededRandom fair_{TickingClock(), Seed};
};

// The fault to avoid: the state is thrown away and rebuilt from the clock.
class ClockReplacesState final : public RandomSource {
public:
    void reseedFromClock() override { generator_ = ClockSeededRandom(FrozenClock(), clock_()); }
    float next() override { return generator_.next(); }

private:
    std::function<std::uint64_t()> clock_ = FrozenClock();
    ClockSeededRandom generator_{FrozenClock(), 0};
};

struct SourceCase {
    const char* name;
    std::function<std::unique_ptr<RandomSource>()> make;
    bool uniform;
};

class LayoutUniformity : public testing::TestWithParam<SourceCase> {};

TEST_P(LayoutUniformity, ChiSquareBoundSeparatesFairFromBiasedSources) {
    const SourceCase& c = GetParam();
    const std::unique_ptr<RandomSource> random = c.make();
    const double chiSquare = LayoutChiSquare(*random);
    RecordProperty("chi_square", std::to_string(chiSquare));
    if (c.uniform) {
        EXPECT_LT(chiSquare, ChiSquareBound);
    } else {
        EXPECT_GT(chiSquare, ChiSquareBound);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sources, LayoutUniformity,
    testing::Values(
        SourceCase{"FairWithFrozenClock",
                   [] { return std::make_unique<ClockSeededRandom>(FrozenClock(), Seed); }, true},
        SourceCase{"FairWithTickingClock",
                   [] { return std::make_unique<ClockSeededRandom>(TickingClock(), Seed); }, true},
        SourceCase{"Skewed", [] { return std::make_unique<SkewedRandom>(); }, false},
        SourceCase{"ClockReplacesState", [] { return std::make_unique<ClockReplacesState>(); },
                   false}),
    [](const testing::TestParamInfo<SourceCase>& info) { return info.param.name; });

} // namespace
} // namespace kring
