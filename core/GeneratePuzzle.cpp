#include "core/GeneratePuzzle.h"

#include "core/KnightCycles.h"

#include <cmath>
#include <stdexcept>

namespace kring {

namespace {

// Every draw starts from a fresh clock reading. The result is widened to double
// so that products with it are not rounded up to the next whole number.
double drawAfterReseed(RandomSource& random) {
    random.reseedFromClock();
    const float r = random.next();
    if (!(r >= 0.0f && r < 1.0f)) {
        throw std::out_of_range("random source returned a value outside [0, 1)");
    }
    return static_cast<double>(r);
}

struct PrintedLetter {
    std::u16string_view letter;
    std::u16string_view text;
    float offsetX;
};

// Narrow letters start further right than the default, wide ones further left.
constexpr PrintedLetter SpecialLetters[] = {
    {u"M", u"M", 15}, {u"W", u"W", 13}, {u"I", u"I", 40}, {u"J", u"J", 27}, {u"?", u"IJ", 20},
};

constexpr float DefaultOffsetX = 23;

// A special letter as listed; any other, or none, as it is at the default place.
PrintedLetter Printed(std::u16string_view letter) {
    for (const PrintedLetter& special : SpecialLetters) {
        if (letter == special.letter) {
            return special;
        }
    }
    return {letter, letter, DefaultOffsetX};
}

} // namespace

Puzzle GeneratePuzzle(const WordList& words, RandomSource& random) {
    Puzzle puzzle;
    puzzle.Word = PickWord(words, random);
    // Only the first letters are placed. Folded, each takes one or two
    // characters, so they and the pairs that end them lie within the first
    // two characters per placement: a word of megabytes is not copied whole.
    const std::u16string folded =
        FoldIJ(std::u16string_view(puzzle.Word).substr(0, 2 * puzzle.Placements.size()));
    puzzle.Layout = PickLayout(random);
    puzzle.Placements = MakePlacements(folded, puzzle.Layout);
    return puzzle;
}

std::u16string PickWord(const WordList& words, RandomSource& random) {
    const int count = words.count();
    if (count < 1) {
        throw std::out_of_range("cannot pick a word from an empty word list");
    }
    const int index = static_cast<int>(std::floor(drawAfterReseed(random) * count));
    return words.item(index);
}

std::u16string FoldIJ(std::u16string_view word) {
    std::u16string folded;
    folded.reserve(word.size());
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (word[i] == u'I' && i + 1 < word.size() && word[i + 1] == u'J') {
            folded += u'?';
            ++i;
        } else {
            folded += word[i];
        }
    }
    return folded;
}

int PickLayout(RandomSource& random) {
    return static_cast<int>(std::floor(drawAfterReseed(random) * 16 + 1));
}

std::array<Placement, 8> MakePlacements(std::u16string_view foldedWord, int layout) {
    const std::string_view cells = KnightCycles(layout);
    std::array<Placement, 8> placements;
    for (std::size_t i = 0; i < placements.size(); ++i) {
        const PrintedLetter printed =
            Printed(i < foldedWord.size() ? foldedWord.substr(i, 1) : std::u16string_view{});
        placements[i] = Placement{
            .Cell = static_cast<std::uint8_t>(cells[i] - '0'),
            .OrderNumber = static_cast<int>(i) + 1,
            .Text = std::u16string(printed.text),
            .OffsetX = printed.offsetX,
            .OffsetY = 2,
        };
    }
    return placements;
}

} // namespace kring
