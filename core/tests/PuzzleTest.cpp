#include "core/GeneratePuzzle.h"
#include "core/KnightCycles.h"

#include "ScriptedRandom.h"
#include "VectorWordList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace kring {
namespace {

using test::ScriptedRandom;
using test::VectorWordList;

// In single precision, floor(LargestBelowOne * 16 + 1) comes to 17.
const float LargestBelowOne = std::nextafter(1.0f, 0.0f);

// Board squares 0..8 in reading order; the outer cells skip the centre, 4.
int Square(char cell) {
    return cell - '0' < 4 ? cell - '0' : cell - '0' + 1;
}

// Where each layout starts, and whether it runs clockwise round the ring.
struct Ordering {
    int startCell;
    bool clockwise;
};
const Ordering Orderings[16] = {
    {0, true}, {0, false}, {1, false}, {1, true}, {2, false}, {2, true}, {3, false}, {3, true},
    {4, true}, {4, false}, {5, false}, {5, true}, {6, false}, {6, true}, {7, true},  {7, false}};

TEST(KnightCycles, EachLayoutIsAClosedKnightTourFromItsStartInItsDirection) {
    const std::string ring = "01247653"; // the outer cells clockwise from the top left
    for (int layout = 1; layout <= 16; ++layout) {
        const std::string_view cells = KnightCycles(layout);
        ASSERT_EQ(cells.size(), 8u);
        std::string sorted(cells);
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, "01234567") << cells;
        EXPECT_EQ(cells[0] - '0', Orderings[layout - 1].startCell) << layout;
        for (std::size_t k = 0; k < 8; ++k) {
            const int from = Square(cells[k]), to = Square(cells[(k + 1) % 8]);
            const int rows = std::abs(from / 3 - to / 3), columns = std::abs(from % 3 - to % 3);
            EXPECT_EQ(rows * columns, 2) << cells << " step " << k;
            const auto place = [&](char cell) { return ring.find(cell); };
            EXPECT_EQ(place(cells[(k + 1) % 8]),
                      (place(cells[k]) + (Orderings[layout - 1].clockwise ? 3 : 5)) % 8)
                << cells << " step " << k;
        }
    }
    for (const int layout : {0, 17}) {
        EXPECT_THROW(KnightCycles(layout), std::out_of_range);
        EXPECT_THROW(MakePlacements(u"KRINGEN", layout), std::out_of_range);
    }
}

TEST(Pick, WordIndexAndLayoutComeFromOneDrawEach) {
    struct Case {
        std::int16_t count;
        float r;
        int index;
        int layout;
    };
    const Case cases[] = {
        {5, 0.0f, 0, 1},         {5, LargestBelowOne, 4, 16},
        {4, 0.5f, 2, 9},         {1, LargestBelowOne, 0, 16},
        {32767, 0.5f, 16383, 9}, {32767, LargestBelowOne, 32766, 16},
        {3, 1.0f / 16, 0, 2},    {3, std::nextafter(1.0f / 16, 0.0f), 0, 1},
        {3, 15.0f / 16, 2, 16},
    };
    for (const Case& c : cases) {
        std::vector<std::u16string> words(static_cast<std::size_t>(c.count));
        words[static_cast<std::size_t>(c.index)] = u" wIJzer ";
        ScriptedRandom random({c.r});
        EXPECT_EQ(PickWord(VectorWordList(words), random), u" wIJzer ") << c.count << ", " << c.r;
        EXPECT_EQ(PickLayout(random), c.layout) << c.r;
        EXPECT_EQ(random.calls, "SNSN");
    }
}

TEST(Pick, DrawOutsideZeroToOneOrAnEmptyListIsRejected) {
    const VectorWordList words({u"AAP"});
    for (const float r : {1.0f, -0.25f, std::numeric_limits<float>::infinity(),
                          std::numeric_limits<float>::quiet_NaN()}) {
        ScriptedRandom random({r});
        EXPECT_THROW(PickWord(words, random), std::out_of_range) << r;
        EXPECT_THROW(PickLayout(random), std::out_of_range) << r;
    }
    ScriptedRandom random({0.0f});
    EXPECT_THROW(PickWord(VectorWordList({}), random), std::out_of_range);
}

TEST(FoldIJ, FoldsEveryCapitalPairLeftToRightWithoutOverlap) {
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"IIJ", u"I?"},      {u"IJJ", u"?J"},      {u"IJIJ", u"??"},     {u"IJSTIJD", u"?ST?D"},
        {u"ijzer", u"ijzer"}, {u"Ijzer", u"Ijzer"}, {u"iJzer", u"iJzer"}, {u"JI", u"JI"},
        {u"I", u"I"},         {u"", u""},
    };
    for (const auto& [word, folded] : cases) {
        EXPECT_EQ(FoldIJ(word), folded) << testing::PrintToString(word);
    }
}

TEST(MakePlacements, PlacesEachLetterInItsCellAtItsOffset) {
    struct Case {
        std::u16string folded;
        int layout;
        std::array<std::u16string, 8> texts;
        std::array<float, 8> offsetsX;
    };
    const Case cases[] = {
        {u"MWIJ?mwi",
         1,
         {u"M", u"W", u"I", u"J", u"IJ", u"m", u"w", u"i"},
         {15, 13, 40, 27, 20, 23, 23, 23}},
        {u"?ST?D",
         16,
         {u"IJ", u"S", u"T", u"IJ", u"D", u"", u"", u""},
         {20, 23, 23, 20, 23, 23, 23, 23}},
        {u"\u00C9WWWWWWWMIJ",
         8,
         {u"\u00C9", u"W", u"W", u"W", u"W", u"W", u"W", u"W"},
         {23, 13, 13, 13, 13, 13, 13, 13}},
    };
    for (const Case& c : cases) {
        const std::array<Placement, 8> placements = MakePlacements(c.folded, c.layout);
        for (std::size_t i = 0; i < 8; ++i) {
            const Placement expected{static_cast<std::uint8_t>(KnightCycles(c.layout)[i] - '0'),
                                     static_cast<int>(i) + 1, c.texts[i], c.offsetsX[i], 2};
            EXPECT_TRUE(placements[i] == expected) << "layout " << c.layout << ", placement " << i;
        }
    }
}

TEST(GeneratePuzzle, PicksTheWordThenTheLayoutAndPlacesTheFoldedWord) {
    const VectorWordList words({u"KRINGEN", u"WIJZIGEN", u"ANDERMAN"});
    ScriptedRandom random({0.5f, 0.5f});
    const Puzzle puzzle = GeneratePuzzle(words, random);
    EXPECT_EQ(random.calls, "SNSN");
    EXPECT_EQ(puzzle.Word, u"WIJZIGEN");
    EXPECT_EQ(puzzle.Layout, 9);
    EXPECT_TRUE(puzzle.Placements == MakePlacements(u"W?ZIGEN", 9));
}

// A word far longer than the board places its first eight letters as they
// fold in the whole word, whichever of them are "IJ" pairs.
TEST(GeneratePuzzle, ALongWordPlacesItsFirstLettersAsFoldedInTheWhole) {
    for (const std::u16string& word :
         {std::u16string(u"IJIJIJIJIJIJIJIJIJIJ"), std::u16string(u"IJIJIJIJIJIJIJI"),
          std::u16string(u"ABCDEFGIJKLMNOPQRS"), std::u16string(100000, u'I') + u"J"}) {
        ScriptedRandom random({0.0f});
        const Puzzle puzzle = GeneratePuzzle(VectorWordList({word}), random);
        EXPECT_EQ(puzzle.Word, word);
        EXPECT_TRUE(puzzle.Placements == MakePlacements(FoldIJ(word), 1)) << word.size();
    }
}

} // namespace
} // namespace kring
