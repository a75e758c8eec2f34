#pragma once

#include "core/Placement.h"
#include "core/Puzzle.h"
#include "core/RandomSource.h"
#include "core/WordList.h"

#include <array>
#include <string>
#include <string_view>

namespace kring {

// Each pick re-seeds the source from the clock and draws once. A source that
// returns a value outside [0, 1), or an empty word list, throws std::out_of_range.
// Precondition: words.count() >= 1.
Puzzle GeneratePuzzle(const WordList& words, RandomSource& random);

std::u16string PickWord(const WordList& words, RandomSource& random);
// Every capital "IJ" becomes one "?", left to right, never overlapping.
std::u16string FoldIJ(std::u16string_view word);
// 1..16.
int PickLayout(RandomSource& random);
std::array<Placement, 8> MakePlacements(std::u16string_view foldedWord, int layout);

} // namespace kring
