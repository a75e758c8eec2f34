#pragma once

#include "Placement.h"
#include "Puzzle.h"
#include "RandomSource.h"
#include "WordList.h"

#include <array>
#include <string>
#include <string_view>

namespace kring {

// Precondition: words.count() >= 1.
Puzzle GeneratePuzzle(const WordList& words, RandomSource& random);

std::u16string PickWord(const WordList& words, RandomSource& random);
// Every capital "IJ" becomes one "?", left to right, never overlapping.
std::u16string FoldIJ(std::u16string_view word);
// 1..16.
int PickLayout(RandomSource& random);
std::array<Placement, 8> MakePlacements(std::u16string_view foldedWord, int layout);

} // namespace kring
