#include "ui/toolkit/PictureBox.h"

#include "ui/toolkit/Twips.h"

#include <QPainter>

namespace kring {

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent), backColor_(palette().color(QPalette::Base)),
      foreColor_(palette().color(QPalette::Text)) {
    // Nothing happens on a cell, so the keyboard passes it by.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setBackColor(const QColor& colour) {
    backColor_ = colour;
    wipe();
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

void PictureBox::setPicture(PictureSource picture) {
    picture_ = std::move(picture);
    wipe();
}

void PictureBox::clearPicture() {
    picture_ = nullptr;
    wipe();
}

void PictureBox::wipe() {
    steps_.clear();
    image_ = QImage();
    setAccessibleName(QString());
    update();
}

void PictureBox::draw(Step step) {
    QPainter painter(&canvas());
    step(painter);
    steps_.push_back(std::move(step));
    update();
}

void PictureBox::lineBox(int x1, int y1, int x2, int y2, const QColor& colour) {
    const QRect box = QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized();
    draw([box, colour](QPainter& painter) {
        // Filled one-pixel strips land on whole pixels at any pixel density.
        painter.fillRect(QRect(box.left(), box.top(), box.width(), 1), colour);
        painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), colour);
        painter.fillRect(QRect(box.left(), box.top(), 1, box.height()), colour);
        painter.fillRect(QRect(box.right(), box.top(), 1, box.height()), colour);
    });
}

void PictureBox::print(const QString& text) {
    const QFontMetrics metrics(font());
    const QPointF baseline(currentX, currentY + metrics.ascent());
    draw([font = font(), colour = foreColor_, baseline, text](QPainter& painter) {
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(baseline, text);
    });
    setAccessibleName(accessibleName() + text);
    currentX = 0;
    currentY += metrics.height();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, canvas());
}

QImage& PictureBox::canvas() {
    // A hidden widget hears of its new size only when shown, and a widget
    // that moves to another screen of its new pixel ratio only when painted,
    // so the drawing checks both itself and is made again from its steps.
    const qreal ratio = devicePixelRatioF();
    if (image_.deviceIndependentSize().toSize() != size() || image_.devicePixelRatio() != ratio) {
        image_ = QImage(size() * ratio, QImage::Format_RGB32);
        image_.setDevicePixelRatio(ratio);
        image_.fill(backColor_);
        QPainter painter(&image_);
        if (picture_)
            painter.drawPixmap(0, 0, picture_(ratio));
        for (const Step& step : steps_)
            step(painter);
    }
    return image_;
}

} // namespace kring
