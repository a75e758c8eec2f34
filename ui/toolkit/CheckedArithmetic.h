#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace kring {

// Integer arithmetic on positions and counters is checked: an overflow throws,
// which stops the running handler at its boundary (RunHandler).
inline std::int32_t CheckedAdd(std::int32_t a, std::int32_t b) {
    std::int32_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        throw std::overflow_error("Overflow");
    return sum;
}

// Rounds to the nearest whole number, a value exactly halfway to the even one.
inline std::int32_t CheckedRoundToInt32(double value) {
    const double rounded =
        std::nearbyint(value); // the default rounding mode is to nearest, ties to even
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
          rounded <= std::numeric_limits<std::int32_t>::max()))
        throw std::overflow_error("Overflow");
    return static_cast<std::int32_t>(rounded);
}

} // namespace kring
