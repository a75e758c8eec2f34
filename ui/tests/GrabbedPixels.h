#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

#include <cstdlib>

// The window as the player sees it, one image pixel per window pixel.
inline QImage Grab(QWidget& window) {
    QPixmap pixmap = window.grab();
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

inline int CountColour(const QImage& image, const QRect& area, QRgb colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += (image.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
    return n;
}

inline bool AllColour(const QImage& image, const QRect& area, QRgb colour) {
    return CountColour(image, area, colour) == area.width() * area.height();
}

// The one-pixel ring along the inside of area's edges.
inline bool RingIsColour(const QImage& image, const QRect& area, QRgb colour) {
    return AllColour(image, QRect(area.left(), area.top(), area.width(), 1), colour) &&
           AllColour(image, QRect(area.left(), area.bottom(), area.width(), 1), colour) &&
           AllColour(image, QRect(area.left(), area.top(), 1, area.height()), colour) &&
           AllColour(image, QRect(area.right(), area.top(), 1, area.height()), colour);
}

// Whether pixel is a mix of background and text, as antialiased text gives.
inline bool IsMixOf(QRgb pixel, QRgb background, QRgb text) {
    const int channels[3][3] = {{qRed(pixel), qRed(background), qRed(text)},
                                {qGreen(pixel), qGreen(background), qGreen(text)},
                                {qBlue(pixel), qBlue(background), qBlue(text)}};
    // The share of the text colour, taken from the channel that tells it best.
    int best = 0;
    for (int c = 1; c < 3; ++c)
        if (std::abs(channels[c][2] - channels[c][1]) >
            std::abs(channels[best][2] - channels[best][1]))
            best = c;
    const double span = channels[best][2] - channels[best][1];
    const double share = span == 0 ? 0 : (channels[best][0] - channels[best][1]) / span;
    if (share < -0.02 || share > 1.02)
        return false;
    for (const auto& ch : channels)
        if (std::abs(ch[0] - (ch[1] + share * (ch[2] - ch[1]))) > 3)
            return false;
    return true;
}

// Text in the given colour shows in area: every pixel is a mix of the
// background and the text colour, and some are the text colour itself, give
// or take the rounding of the antialiasing. Small text has few such pixels.
inline bool ShowsText(const QImage& image, const QRect& area, QRgb background, QRgb text) {
    int solid = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (!IsMixOf(pixel, background, text))
                return false;
            solid += std::abs(qRed(pixel) - qRed(text)) <= 8 &&
                     std::abs(qGreen(pixel) - qGreen(text)) <= 8 &&
                     std::abs(qBlue(pixel) - qBlue(text)) <= 8;
        }
    return solid > 0;
}
