#include "core/GeneratePuzzle.h"
#include "core/KnightCycles.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <stdexcept>
#include <string>

namespace kring {

void PrintTo(const Placement& p, std::ostream* os) {
    *os << "{cell " << int{p.Cell} << ", order " << p.OrderNumber << ", text "
        << testing::PrintToString(p.Text) << ", x " << p.OffsetX << ", y " << p.OffsetY << '}';
}

namespace {

struct PlacementCase {
    const char* name;
    std::u16string folded;
    int layout;
    std::array<std::u16string, 8> texts;
    std::array<float, 8> offsetsX;
};

void PrintTo(const PlacementCase& c, std::ostream* os) {
    *os << c.name;
}

class MakePlacementsCase : public testing::TestWithParam<PlacementCase> {};

TEST_P(MakePlacementsCase, PlacesEachLetterInItsCellAtItsOffset) {
    const PlacementCase& c = GetParam();
    const std::array<Placement, 8> placements = MakePlacements(c.folded, c.layout);
    for (std::size_t i = 0; i < 8; ++i) {
        // The cells follow the layout's knight cycle, tested on its own.
        const Placement expected{static_cast<std::uint8_t>(KnightCycles(c.layout)[i] - '0'),
                                 static_cast<int>(i) + 1, c.texts[i], c.offsetsX[i], 2};
        EXPECT_EQ(placements[i], expected) << "placement " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Words, MakePlacementsCase,
    testing::Values(PlacementCase{"SpecialLetters",
                                  u"MWIJ?mwi",
                                  1,
                                  {u"M", u"W", u"I", u"J", u"IJ", u"m", u"w", u"i"},
                                  {15, 13, 40, 27, 20, 23, 23, 23}},
                    PlacementCase{"EightLettersWithIJFoldToSeven",
                                  u"W?ZIGEN",
                                  9,
                                  {u"W", u"IJ", u"Z", u"I", u"G", u"E", u"N", u""},
                                  {13, 20, 23, 40, 23, 23, 23, 23}},
                    PlacementCase{"ShortWithTwoIJ",
                                  u"?ST?D",
                                  16,
                                  {u"IJ", u"S", u"T", u"IJ", u"D", u"", u"", u""},
                                  {20, 23, 23, 20, 23, 23, 23, 23}},
                    PlacementCase{"Empty",
                                  u"",
                                  2,
                                  {u"", u"", u"", u"", u"", u"", u"", u""},
                                  {23, 23, 23, 23, 23, 23, 23, 23}},
                    PlacementCase{"LongerThanEightShowsOnlyTheFirstEight",
                                  u"WWWWWWWWMIJ",
                                  8,
                                  {u"W", u"W", u"W", u"W", u"W", u"W", u"W", u"W"},
                                  {13, 13, 13, 13, 13, 13, 13, 13}},
                    PlacementCase{
                        "DiacriticsAndLowerCaseTakeTheDefault",
                        u"\u00C9\u00CB\u00CF\u00DC?ijm",
                        14,
                        {u"\u00C9", u"\u00CB", u"\u00CF", u"\u00DC", u"IJ", u"i", u"j", u"m"},
                        {23, 23, 23, 23, 20, 23, 23, 23}}),
    [](const testing::TestParamInfo<PlacementCase>& info) { return info.param.name; });

TEST(MakePlacements, RejectsLayoutsOutsideOneToSixteen) {
    EXPECT_THROW(MakePlacements(u"KRINGEN", 0), std::out_of_range);
    EXPECT_THROW(MakePlacements(u"KRINGEN", 17), std::out_of_range);
}

} // namespace
} // namespace kring
