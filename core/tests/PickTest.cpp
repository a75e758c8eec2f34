#include "core/GeneratePuzzle.h"

#include "ScriptedRandom.h"
#include "VectorWordList.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

namespace kring {
namespace {

using test::ScriptedRandom;
using test::VectorWordList;

// In single precision, floor(LargestBelowOne * 16 + 1) comes to 17.
const float LargestBelowOne = std::nextafter(1.0f, 0.0f);

// Remembers which index was asked for, so that lists of any length cost nothing.
class NumberedWordList final : public WordList {
public:
    explicit NumberedWordList(std::int16_t count) : count_(count) {}
    std::int16_t count() const override { return count_; }
    std::u16string item(int index) const override {
        requested = index;
        return u"WOORD";
    }
    mutable int requested = -1;

private:
    std::int16_t count_;
};

TEST(PickWord, IndexIsTheDrawTimesTheCountRoundedDown) {
    struct Case {
        std::int16_t count;
        float r;
        int index;
    };
    const Case cases[] = {
        {5, 0.0f, 0},         {5, LargestBelowOne, 4},         {4, 0.5f, 2},
        {1, 0.0f, 0},         {1, LargestBelowOne, 0},         {32767, 0.0f, 0},
        {32767, 0.5f, 16383}, {32767, LargestBelowOne, 32766},
    };
    for (const Case& c : cases) {
        NumberedWordList words(c.count);
        ScriptedRandom random({c.r});
        PickWord(words, random);
        EXPECT_EQ(words.requested, c.index) << "count " << c.count << ", r " << c.r;
        EXPECT_EQ(random.calls, "SN") << "count " << c.count << ", r " << c.r;
    }
}

TEST(PickWord, OneWordListAlwaysGivesThatWordUnchanged) {
    const VectorWordList words({u" wIJzer "});
    for (const float r : {0.0f, 0.5f, LargestBelowOne}) {
        ScriptedRandom random({r});
        EXPECT_EQ(PickWord(words, random), u" wIJzer ") << "r " << r;
    }
}

TEST(PickLayout, LayoutIsSixteenTimesTheDrawPlusOneRoundedDown) {
    struct Case {
        float r;
        int layout;
    };
    const Case cases[] = {
        {0.0f, 1},
        {std::nextafter(1.0f / 16, 0.0f), 1},
        {1.0f / 16, 2},
        {0.5f, 9},
        {std::nextafter(15.0f / 16, 0.0f), 15},
        {15.0f / 16, 16},
        {LargestBelowOne, 16},
    };
    for (const Case& c : cases) {
        ScriptedRandom random({c.r});
        EXPECT_EQ(PickLayout(random), c.layout) << "r " << c.r;
        EXPECT_EQ(random.calls, "SN") << "r " << c.r;
    }
}

TEST(Pick, DrawOutsideZeroToOneIsRejected) {
    const NumberedWordList words(10);
    for (const float r : {1.0f, -0.25f, std::numeric_limits<float>::infinity(),
                          std::numeric_limits<float>::quiet_NaN()}) {
        ScriptedRandom forWord({r});
        EXPECT_THROW(PickWord(words, forWord), std::out_of_range) << "r " << r;
        ScriptedRandom forLayout({r});
        EXPECT_THROW(PickLayout(forLayout), std::out_of_range) << "r " << r;
    }
}

TEST(PickWord, EmptyListIsRejected) {
    const NumberedWordList words(0);
    ScriptedRandom random({0.0f});
    EXPECT_THROW(PickWord(words, random), std::out_of_range);
}

TEST(GeneratePuzzle, PicksWordThenLayoutEachAfterItsOwnReseed) {
    const VectorWordList words({u"KRINGEN", u"WIJZIGEN", u"ANDERMAN"});
    ScriptedRandom random({0.5f, 0.5f});
    const Puzzle puzzle = GeneratePuzzle(words, random);

    EXPECT_EQ(random.calls, "SNSN");
    EXPECT_EQ(puzzle.Word, u"WIJZIGEN");
    EXPECT_EQ(puzzle.Layout, 9);
    // The placements of the folded word, as their own test spells out.
    EXPECT_EQ(puzzle.Placements, MakePlacements(u"W?ZIGEN", 9));
}

// A word far longer than the board places its first eight letters as they
// fold in the whole word, whichever of them are "IJ" pairs.
TEST(GeneratePuzzle, LongWordPlacesItsFirstLettersAsFoldedInTheWhole) {
    const std::u16string words[] = {
        u"IJIJIJIJIJIJIJIJIJIJ", u"ABCDEFGIJKLMNOPQRS", u"IJIJIJIJIJIJIJABCD",
        u"ABCDEFGHIJKLMNOPQR",   u"IJIJIJIJIJIJIJI",    std::u16string(100000, u'I') + u"J",
    };
    for (const std::u16string& word : words) {
        const VectorWordList list({word});
        ScriptedRandom random({0.0f, 0.0f});
        const Puzzle puzzle = GeneratePuzzle(list, random);
        EXPECT_EQ(puzzle.Word, word);
        const auto expected = MakePlacements(FoldIJ(word), puzzle.Layout);
        for (std::size_t i = 0; i < 8; ++i)
            EXPECT_EQ(puzzle.Placements[i].Text, expected[i].Text)
                << "placement " << i << " of " << word.size() << " characters";
    }
}

} // namespace
} // namespace kring
