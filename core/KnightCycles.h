#pragma once

#include <array>
#include <string_view>

namespace kring {

// The sixteen ways to lay a word on the eight outer cells, each letter a
// knight's move from the one before. Digit k of entry n is the cell of letter k.
// Entries 2s+1 and 2s+2 start at cell s and run in opposite directions.
inline constexpr std::array<std::string_view, 16> KnightCycleTable = {
    "04517326", "06237154", "15406237", "17326045", "23715406", "26045173", "37154062", "32604517",
    "45173260", "40623715", "54062371", "51732604", "62371540", "60451732", "73260451", "71540623",
};

// layout: 1..16. Throws std::out_of_range outside that.
std::string_view KnightCycles(int layout);

} // namespace kring
