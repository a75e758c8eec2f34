#pragma once

#include <QIconEngine>

namespace kring {

// The window icon at any size and pixel ratio: the PNG files at 32 and 64
// device pixels, and at any other size drawn for it, so that a screen of
// another ratio gets a sharp icon too.
class WindowIconEngine : public QIconEngine {
public:
    QIconEngine* clone() const override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    // size is in device pixels.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
};

} // namespace kring
