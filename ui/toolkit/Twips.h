#pragma once

#include <QRect>

namespace kring {

// Positions and sizes of the window's controls are kept in twips, the
// program's own unit: 15 twips make one pixel at 96 DPI. Qt's high-DPI
// scaling takes the device-independent pixels from there.
inline constexpr int TwipsPerPixel = 15;

constexpr int PixelsFromTwips(int twips) {
    return twips / TwipsPerPixel;
}

constexpr QRect PixelRectFromTwips(int left, int top, int width, int height) {
    return {PixelsFromTwips(left), PixelsFromTwips(top), PixelsFromTwips(width),
            PixelsFromTwips(height)};
}

// Font sizes come in points; the pixel size at 96 DPI is set, so the layout
// does not follow the DPI that the display reports.
constexpr int PixelsFromPoints(double points) {
    return static_cast<int>(points * 96.0 / 72.0 + 0.5);
}

} // namespace kring
