#include "ui/ImageButton.h"

#include "ui/Picture.h"
#include "ui/Twips.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace kring {

ImageButton::ImageButton(const QString& picturePath, QWidget* parent)
    : QWidget(parent), picture_(PictureIcon(picturePath)) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(PictureSize(picturePath));
}

void ImageButton::setLeft(float twips) {
    left_ = twips;
    moveToTwips();
}

void ImageButton::setTop(float twips) {
    top_ = twips;
    moveToTwips();
}

void ImageButton::moveToTwips() {
    move(static_cast<int>(std::lround(left_ / double(TwipsPerPixel))),
         static_cast<int>(std::lround(top_ / double(TwipsPerPixel))));
}

void ImageButton::setToolTipText(const QString& tip) {
    setToolTip(tip);
    setAccessibleName(tip.trimmed());
}

void ImageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    picture_.paint(&painter, rect());
}

void ImageButton::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

} // namespace kring
