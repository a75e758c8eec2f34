#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QString>

#include <functional>
#include <utility>

// A picture of the whole X screen, read in the coordinates of the game's client area.
class Screenshot {
public:
    Screenshot() = default;
    Screenshot(QImage screen, QPoint clientOrigin)
        : screen_(std::move(screen)), origin_(clientOrigin) {}

    bool isNull() const { return screen_.isNull(); }
    const QImage& screen() const { return screen_; }

    // The pixel at a point of the client area; black outside the screen.
    QRgb at(QPoint client) const;
    QRgb at(int x, int y) const { return at(QPoint(x, y)); }

    // How many pixels of a client-area rectangle satisfy `test`.
    int count(QRect client, const std::function<bool(QRgb)>& test) const;
    // The rectangle's pixels as a picture of their own.
    QImage part(QRect client) const;

    bool save(const QString& path) const { return screen_.save(path, "PNG"); }

private:
    QImage screen_;
    QPoint origin_;
};

// Whether two colours agree within `tolerance` on every channel.
bool sameColour(QRgb a, QRgb b, int tolerance = 2);
// Every channel at most `limit`.
bool darkerThan(QRgb c, int limit);
// Every channel at least `limit`.
bool lighterThan(QRgb c, int limit);
QString describe(QRgb c);
