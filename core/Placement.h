#pragma once

#include <cstdint>
#include <string>

namespace kring {

// One letter of a puzzle: which cell gets it, its place in the word, and where
// inside the 110 x 110 pixel cell it is printed.
struct Placement {
    std::uint8_t Cell = 0; // 0..7, outer cells in reading order
    int OrderNumber = 1;   // 1..8
    std::u16string Text;   // empty, one character, or u"IJ"
    float OffsetX = 23;
    float OffsetY = 2;

    friend bool operator==(const Placement&, const Placement&) = default;
};

} // namespace kring
