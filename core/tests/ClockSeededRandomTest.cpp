#include "core/ClockSeededRandom.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace kring {
namespace {

constexpr std::uint64_t Seed = 20240611;

TEST(ClockSeededRandom, FrozenClockStillGivesFreshDrawsBelowOne) {
    ClockSeededRandom random([] { return std::uint64_t{123456789}; }, Seed);
    random.reseedFromClock();
    float previous = random.next();
    for (int i = 0; i < 100000; ++i) {
        random.reseedFromClock();
        const float r = random.next();
        ASSERT_GE(r, 0.0f) << "draw " << i;
        ASSERT_LT(r, 1.0f) << "draw " << i;
        ASSERT_NE(r, previous) << "draw " << i;
        previous = r;
    }
}

TEST(ClockSeededRandom, ClockReadingChangesTheDraw) {
    ClockSeededRandom early([] { return std::uint64_t{1000}; }, Seed);
    ClockSeededRandom late([] { return std::uint64_t{1001}; }, Seed);
    early.reseedFromClock();
    late.reseedFromClock();
    EXPECT_NE(early.next(), late.next());
}

TEST(ClockSeededRandom, SteadyClockByDefault) {
    ClockSeededRandom random;
    for (int i = 0; i < 1000; ++i) {
        random.reseedFromClock();
        const float r = random.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
    }
}

} // namespace
} // namespace kring
