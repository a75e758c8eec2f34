#pragma once

#include "core/RandomSource.h"

#include <cstdint>
#include <functional>

namespace kring {

// A splitmix64 generator. Each re-seed stirs the clock reading into the state it
// already has, so re-seeds within one clock tick still lead to fresh draws.
class ClockSeededRandom final : public RandomSource {
public:
    using Clock = std::function<std::uint64_t()>;

    static std::uint64_t steadyClockNanoseconds();

    explicit ClockSeededRandom(Clock clock = steadyClockNanoseconds,
                               std::uint64_t seed = 0x4b72696e67776f72); // "Kringwor"

    void reseedFromClock() override;
    // 24 random bits divided by 2^24.
    float next() override;

private:
    Clock clock_;
    std::uint64_t state_;
};

} // namespace kring
