#include "core/KnightCycles.h"

#include <stdexcept>
#include <string>

namespace kring {

std::string_view KnightCycles(int layout) {
    if (layout < 1 || layout > static_cast<int>(KnightCycleTable.size())) {
        throw std::out_of_range("knight cycle layout " + std::to_string(layout) +
                                " is outside 1..16");
    }
    return KnightCycleTable[static_cast<std::size_t>(layout - 1)];
}

} // namespace kring
