#include "ui/pictures/WindowIconEngine.h"

#include "ui/pictures/DrawnPictures.h"
#include "ui/pictures/Picture.h"

#include <QPainter>

namespace kring {

namespace {
constexpr int IconPixels = 32;
}

QIconEngine* WindowIconEngine::clone() const {
    return new WindowIconEngine;
}

void WindowIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                             QIcon::State state) {
    const qreal scale = painter->device()->devicePixelRatioF();
    painter->drawPixmap(rect, scaledPixmap(rect.size() * scale, mode, state, scale));
}

QPixmap WindowIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return scaledPixmap(size, mode, state, 1.0);
}

QPixmap WindowIconEngine::scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal scale) {
    // QIcon asks for the size in device pixels.
    const qreal ratio = qreal(size.width()) / IconPixels;
    QPixmap icon = PictureForRatio(QStringLiteral(":/images/icon.png"), ratio, DrawWindowIcon);
    icon.setDevicePixelRatio(scale);
    return icon;
}

QList<QSize> WindowIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
    return {QSize(IconPixels, IconPixels), QSize(2 * IconPixels, 2 * IconPixels)};
}

} // namespace kring
