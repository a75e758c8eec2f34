#pragma once

#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>

// Where the player sees the board, in pixels of the window's client area, and
// its colours.
namespace board {

inline constexpr int CellSize = 110;
// The outer cells in reading order: 0 1 2 / 3 . 4 / 5 6 7.
inline constexpr QPoint CellAt[8] = {{22, 24},   {138, 24}, {254, 24},  {22, 140},
                                     {254, 140}, {22, 256}, {138, 256}, {254, 256}};
inline constexpr QPoint CentreAt{138, 140};
// The grey square the nine cells stand on.
inline constexpr QRect GreySquare{14, 16, 360, 360};

constexpr QRect CellRect(QPoint at) {
    return {at, QSize(CellSize, CellSize)};
}

inline constexpr QRgb Beige = qRgb(210, 210, 180);
inline constexpr QRgb Grey = qRgb(150, 150, 150);
inline constexpr QRgb Olive = qRgb(100, 100, 0);
inline constexpr QRgb Black = qRgb(0, 0, 0);
inline constexpr QRgb White = qRgb(255, 255, 255);
inline constexpr QRgb LetterGreen = qRgb(0, 40, 0);
inline constexpr QRgb WordGrey = qRgb(60, 60, 60);

} // namespace board
