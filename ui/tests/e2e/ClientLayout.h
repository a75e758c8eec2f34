#pragma once

#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>

#include <array>

// Where the game's controls stand, in pixels from the top-left corner of its
// client area, and the colours the player should see there.
namespace client_layout {

inline constexpr QSize clientSize{612, 394};

inline constexpr int cellSize = 110;
// The outer cells in reading order: 0 1 2 on top, 3 and 4 beside the centre, 5 6 7 below.
inline constexpr std::array<QPoint, 8> cells{{
    {22, 24},
    {138, 24},
    {254, 24},
    {22, 140},
    {254, 140},
    {22, 256},
    {138, 256},
    {254, 256},
}};
inline constexpr QPoint centreCell{138, 140};
inline constexpr QRect greySquare{14, 16, 360, 360};

// The order number sits 7 px right and 5 px down in its cell; one bold digit
// takes about 7 × 16 px.
inline constexpr QRect orderNumberSpot{7, 5, 8, 16};

inline constexpr QRect wordList{400, 16, 120, 228};
inline constexpr QRect countLabel{402, 248, 140, 16};
inline constexpr QRect checkBox{402, 292, 120, 14};
inline constexpr QRect loadButton{540, 16, 56, 22};
inline constexpr QRect makeButton{400, 352, 60, 24};
inline constexpr QRect cancelButton{530, 352, 64, 24};

inline constexpr QRgb windowColour = qRgb(210, 210, 180);
inline constexpr QRgb greyColour = qRgb(150, 150, 150);
inline constexpr QRgb cellColour = qRgb(255, 255, 255);
inline constexpr QRgb frameColour = qRgb(0, 0, 0);
inline constexpr QRgb centreColour = qRgb(100, 100, 0);
inline constexpr QRgb listColour = qRgb(30, 0, 0);
inline constexpr QRgb listTextColour = qRgb(230, 230, 230);
inline constexpr QRgb countColour = qRgb(60, 60, 60);
inline constexpr QRgb letterColour = qRgb(0, 40, 0);
inline constexpr QRgb buttonBorderColour = qRgb(112, 112, 112);

} // namespace client_layout
