#pragma once

#include "BoardLayout.h"

#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>

// Where the game's controls beside the board stand, in pixels from the top-left
// corner of its client area, and the colours the player should see there.
namespace client_layout {

inline constexpr QSize clientSize{612, 394};

// The order number sits 7 px right and 5 px down in its cell; one bold digit
// takes about 7 × 16 px.
inline constexpr QRect orderNumberSpot{7, 5, 8, 16};

inline constexpr QRect wordList{400, 16, 120, 228};
inline constexpr QRect countLabel{402, 248, 140, 16};
inline constexpr QRect checkBox{402, 292, 120, 14};
// Inside the check box's indicator.
inline constexpr QPoint checkBoxSpot{checkBox.left() + 7, checkBox.center().y()};
inline constexpr QRect loadButton{540, 16, 56, 22};
inline constexpr QRect makeButton{400, 352, 60, 24};
inline constexpr QRect cancelButton{530, 352, 64, 24};

inline constexpr QRgb listColour = qRgb(30, 0, 0);
inline constexpr QRgb listTextColour = qRgb(230, 230, 230);
inline constexpr QRgb buttonBorderColour = qRgb(112, 112, 112);

} // namespace client_layout
