#include "core/GeneratePuzzle.h"

#include <gtest/gtest.h>

#include <string>

namespace kring {
namespace {

struct FoldCase {
    std::u16string word;
    std::u16string folded;
};

TEST(FoldIJ, FoldsEveryCapitalPairLeftToRightWithoutOverlap) {
    const FoldCase cases[] = {
        {u"IIJ", u"I?"}, // the pair is the second and third letter
        {u"IJJ", u"?J"}, // the J after a folded pair stays
        {u"IJIJ", u"??"},
        {u"IJSTIJD", u"?ST?D"},    // two separate pairs
        {u"WIJZIGEN", u"W?ZIGEN"}, // eight letters fold to seven
        {u"ijzer", u"ijzer"},      // lower case is never folded
        {u"Ijzer", u"Ijzer"},
        {u"iJzer", u"iJzer"},
        {u"KRINGWOORD", u"KRINGWOORD"},
        {u"JI", u"JI"},
        {u"I", u"I"},
        {u"", u""},
    };
    for (const FoldCase& c : cases) {
        EXPECT_EQ(FoldIJ(c.word), c.folded) << testing::PrintToString(c.word);
    }
}

} // namespace
} // namespace kring
