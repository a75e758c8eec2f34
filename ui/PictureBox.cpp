#include "ui/PictureBox.h"

#include "ui/Twips.h"

#include <QPainter>

namespace kring {

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent), backColor_(palette().color(QPalette::Base)),
      foreColor_(palette().color(QPalette::Text)) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_ = blankImage(size());
}

QImage PictureBox::blankImage(QSize size) const {
    const qreal ratio = devicePixelRatioF();
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(backColor_);
    if (!picture_.isNull()) {
        QPainter painter(&image);
        painter.drawPixmap(0, 0, picture_);
    }
    return image;
}

void PictureBox::setBackColor(const QColor& colour) {
    backColor_ = colour;
    image_ = blankImage(size());
    update();
}

void PictureBox::setFontBold(bool bold) {
    QFont f = font();
    f.setBold(bold);
    setFont(f);
}

void PictureBox::setFontSize(double points) {
    QFont f = font();
    f.setPixelSize(PixelsFromPoints(points));
    setFont(f);
}

void PictureBox::setPicture(const QPixmap& picture) {
    picture_ = picture;
    image_ = blankImage(size());
    update();
}

void PictureBox::clearPicture() {
    picture_ = QPixmap();
    image_ = blankImage(size());
    update();
}

void PictureBox::lineBox(int x1, int y1, int x2, int y2, const QColor& colour) {
    const QRect box = QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized();
    QPainter painter(&canvas());
    // Filled one-pixel strips land on whole pixels at any pixel density.
    painter.fillRect(QRect(box.left(), box.top(), box.width(), 1), colour);
    painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), colour);
    painter.fillRect(QRect(box.left(), box.top(), 1, box.height()), colour);
    painter.fillRect(QRect(box.right(), box.top(), 1, box.height()), colour);
    update();
}

void PictureBox::print(const QString& text) {
    const QFontMetrics metrics(font());
    QPainter painter(&canvas());
    painter.setFont(font());
    painter.setPen(foreColor_);
    painter.drawText(QPointF(currentX, currentY + metrics.ascent()), text);
    currentX = 0;
    currentY += metrics.height();
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, canvas());
}

QImage& PictureBox::canvas() {
    // A hidden widget hears of its new size only when shown, so the drawing
    // follows the size itself. What was drawn stays; new room shows the background.
    if (image_.deviceIndependentSize().toSize() != size()) {
        QImage resized = blankImage(size());
        QPainter painter(&resized);
        painter.drawImage(0, 0, image_);
        painter.end();
        image_ = resized;
    }
    return image_;
}

} // namespace kring
