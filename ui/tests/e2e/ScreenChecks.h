#pragma once

#include "Screenshot.h"

#include <QStringList>

// What a player should see in the game's window, each as a list of what is
// wrong (empty when all is well), so that a failing test says what it saw.
namespace screen_checks {

// Black frames on the outermost pixels of all nine cells, grey between and
// around them, the olive centre with the knight, beige around the board.
QStringList board(const Screenshot& shot);
// Nothing but white inside the eight outer cells.
QStringList emptyCells(const Screenshot& shot);
// The dark word list with nothing in it.
QStringList emptyWordList(const Screenshot& shot);
// Light words on the list's dark background.
QStringList filledWordList(const Screenshot& shot);
// Dark grey text where the count label stands.
QStringList countShown(const Screenshot& shot);
// Only the window's colour where the count label stands.
QStringList countHidden(const Screenshot& shot);
// The three button faces at their places.
QStringList buttons(const Screenshot& shot);
// A letter in the letter colour in each of the eight outer cells.
QStringList lettersInAllCells(const Screenshot& shot);
// Eight different black order numbers at the cells' top-left label spots.
QStringList orderNumbersShown(const Screenshot& shot);
// No black in any label spot.
QStringList orderNumbersHidden(const Screenshot& shot);
// The check box's indicator against the look it had while unticked.
QStringList ticked(const Screenshot& shot, const Screenshot& unticked);
QStringList unticked(const Screenshot& shot, const Screenshot& unticked);
// The critical icon and some text in a message box at `box` (screen coordinates).
QStringList errorBox(const Screenshot& shot, QRect box);

// Everything of the window as it opens.
QStringList startScreen(const Screenshot& shot);

} // namespace screen_checks
