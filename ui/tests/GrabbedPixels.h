#pragma once

#include <QImage>
#include <QScreen>
#include <QTest>
#include <QWidget>

// The window as the player sees it on the screen, once it has repainted
// what changed: one image pixel per window pixel.
inline QImage Grab(QWidget& window) {
    QTest::qWait(20); // the list lays out its items on a timer
    const QImage shot = window.screen()->grabWindow(window.winId()).toImage();
    return shot.convertToFormat(QImage::Format_RGB32);
}

// Whether the grab matches ui/tests/golden/<name>.png pixel for pixel. When
// not, the grab is saved as <name>.png in the working folder, to look at or to
// take the old picture's place.
inline QImage Golden(const QString& name) {
    const QImage golden(QStringLiteral(KRINGWOORD_GOLDEN_DIR "/%1.png").arg(name));
    return golden.convertToFormat(QImage::Format_RGB32);
}
inline bool LooksAsBefore(const QImage& grab, const QString& name) {
    if (Golden(name) == grab)
        return true;
    grab.save(name + QStringLiteral(".png"));
    return false;
}

inline int CountColour(const QImage& image, const QRect& area, QRgb colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixel(x, y) == (colour | 0xff000000);
    return n;
}
