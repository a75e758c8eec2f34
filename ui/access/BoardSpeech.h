#pragma once

#include <QString>

namespace kring {

// What a screen reader says for a cell of the board, in Dutch: its letter
// ("leeg" when it has none, "paard" for the knight in the centre), then its
// order number once the solution shows, then its place, rows and columns
// counted from 1: "E, rij 1, kolom 1", "E, 7, rij 1, kolom 1".
QString BoardCellSpeech(const QString& letter, const QString& number, bool centre, int row,
                        int column);

} // namespace kring
