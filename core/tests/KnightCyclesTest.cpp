#include "core/KnightCycles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace kring {
namespace {

// Outer cells in reading order; the centre, square 4 of 0..8, has no index.
int Square(int cell) {
    return cell < 4 ? cell : cell + 1;
}

// Cells met going once around the ring clockwise, starting at the top left.
constexpr std::array<int, 8> ClockwiseRing = {0, 1, 2, 4, 7, 6, 5, 3};

bool IsKnightMove(int from, int to) {
    const int rows = std::abs(Square(from) / 3 - Square(to) / 3);
    const int columns = std::abs(Square(from) % 3 - Square(to) % 3);
    return (rows == 1 && columns == 2) || (rows == 2 && columns == 1);
}

int RingPlace(int cell) {
    return static_cast<int>(std::find(ClockwiseRing.begin(), ClockwiseRing.end(), cell) -
                            ClockwiseRing.begin());
}

enum class Runs { Clockwise, Anticlockwise };

struct Ordering {
    int layout;
    int startCell;
    Runs runs;
};

void PrintTo(const Ordering& o, std::ostream* os) {
    *os << "layout " << o.layout;
}

class KnightCyclesOrdering : public testing::TestWithParam<Ordering> {};

TEST_P(KnightCyclesOrdering, IsAClosedKnightTourFromItsStartCellInItsDirection) {
    const Ordering expected = GetParam();
    const std::string_view ordering = KnightCycles(expected.layout);
    ASSERT_EQ(ordering.size(), 8u);

    std::string sorted(ordering);
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, "01234567") << ordering;

    const int ringStep = expected.runs == Runs::Clockwise ? 3 : 5;
    EXPECT_EQ(ordering[0] - '0', expected.startCell);
    for (std::size_t k = 0; k < 8; ++k) {
        const int from = ordering[k] - '0';
        const int to = ordering[(k + 1) % 8] - '0';
        EXPECT_TRUE(IsKnightMove(from, to)) << ordering << ": " << from << " -> " << to;
        EXPECT_EQ(RingPlace(to), (RingPlace(from) + ringStep) % 8)
            << ordering << ": " << from << " -> " << to;
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllSixteen, KnightCyclesOrdering,
    testing::Values(Ordering{1, 0, Runs::Clockwise}, Ordering{2, 0, Runs::Anticlockwise},
                    Ordering{3, 1, Runs::Anticlockwise}, Ordering{4, 1, Runs::Clockwise},
                    Ordering{5, 2, Runs::Anticlockwise}, Ordering{6, 2, Runs::Clockwise},
                    Ordering{7, 3, Runs::Anticlockwise}, Ordering{8, 3, Runs::Clockwise},
                    Ordering{9, 4, Runs::Clockwise}, Ordering{10, 4, Runs::Anticlockwise},
                    Ordering{11, 5, Runs::Anticlockwise}, Ordering{12, 5, Runs::Clockwise},
                    Ordering{13, 6, Runs::Anticlockwise}, Ordering{14, 6, Runs::Clockwise},
                    Ordering{15, 7, Runs::Clockwise}, Ordering{16, 7, Runs::Anticlockwise}));

TEST(KnightCycles, RejectsLayoutsOutsideOneToSixteen) {
    for (const int layout : {-1, 0, 17, 100}) {
        EXPECT_THROW(KnightCycles(layout), std::out_of_range) << "layout " << layout;
    }
}

} // namespace
} // namespace kring
