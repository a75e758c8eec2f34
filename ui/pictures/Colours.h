#pragma once

#include <QRgb>

namespace kring {

// The window's colours, each written once: the window and its controls are
// painted in them, and the pictures drawn for it (tools/make_pictures) and the
// game's icon (tools/make_icons) use them too.

inline constexpr QRgb WindowColour = qRgb(210, 210, 180);

// The board: grey, with white cells in a black frame, the olive centre with
// the knight, green letters, and order numbers drawn in the cell's own colour
// until the solution shows them.
inline constexpr QRgb BoardGrey = qRgb(150, 150, 150);
inline constexpr QRgb CellWhite = qRgb(255, 255, 255);
inline constexpr QRgb FrameBlack = qRgb(0, 0, 0);
inline constexpr QRgb CentreOlive = qRgb(100, 100, 0);
inline constexpr QRgb LetterGreen = qRgb(0, 40, 0);
inline constexpr QRgb NumberHidden = CellWhite;
inline constexpr QRgb NumberShown = qRgb(0, 0, 0);
// The ring around the board's current cell while the board has the focus.
inline constexpr QRgb FocusRing = qRgb(0, 0, 0);

// The word list, the count or word below it, and the check box's text. The
// word is drawn in the window's own colour until the solution shows it.
inline constexpr QRgb ListDark = qRgb(30, 0, 0);
inline constexpr QRgb ListText = qRgb(230, 230, 230);
inline constexpr QRgb WordShown = qRgb(60, 60, 60);
inline constexpr QRgb WordHidden = WindowColour;
inline constexpr QRgb CheckText = qRgb(64, 64, 64);

// The picture buttons: a grey border, and the word and the focus mark.
inline constexpr QRgb ButtonBorder = qRgb(112, 112, 112);
inline constexpr QRgb ButtonText = qRgb(24, 24, 24);

} // namespace kring
