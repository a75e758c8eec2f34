#pragma once

#include "core/Placement.h"

#include <array>
#include <string>

namespace kring {

struct Puzzle {
    std::u16string Word;                 // as listed, "IJ" not folded
    int Layout = 1;                      // 1..16, index into KnightCycles
    std::array<Placement, 8> Placements; // element k has OrderNumber k + 1
};

} // namespace kring
