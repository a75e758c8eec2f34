#include "core/ClockSeededRandom.h"

#include <chrono>
#include <utility>

namespace kring {

namespace {

constexpr std::uint64_t GoldenGamma = 0x9e3779b97f4a7c15;

// The splitmix64 output function; a bijection on 64-bit values.
std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
    z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
    return z ^ (z >> 31);
}

} // namespace

std::uint64_t ClockSeededRandom::steadyClockNanoseconds() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

ClockSeededRandom::ClockSeededRandom(Clock clock, std::uint64_t seed)
    : clock_(std::move(clock)), state_(seed) {}

void ClockSeededRandom::reseedFromClock() {
    // For a fixed clock reading this is a bijection of the old state, so no two
    // states collapse into one and the state never becomes a function of the clock.
    state_ = mix(state_ ^ mix(clock_() + GoldenGamma));
}

float ClockSeededRandom::next() {
    state_ += GoldenGamma;
    const auto bits = static_cast<std::uint32_t>(mix(state_) >> 40);
    return static_cast<float>(bits) * 0x1p-24f;
}

} // namespace kring
