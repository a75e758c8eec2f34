#include "ui/toolkit/ImageButton.h"

#include "ui/pictures/Colours.h"
#include "ui/pictures/DrawnPictures.h"
#include "ui/pictures/Picture.h"
#include "ui/toolkit/Twips.h"

#include <QKeyEvent>
#include <QPainter>

#include <cmath>

namespace kring {

ImageButton::ImageButton(const QString& picturePath, const QString& word, QWidget* parent)
    : QAbstractButton(parent), picturePath_(picturePath) {
    setText(word);
    setAccessibleName(word);
    setFocusPolicy(Qt::TabFocus);
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
    setAccessibleDescription(tip.trimmed());
}

void ImageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    // Made again when the window moves to a screen of another ratio.
    if (face_.isNull() || face_.devicePixelRatio() != ratio)
        face_ = PictureForRatio(picturePath_, ratio,
                                [this](qreal r) { return DrawButtonFace(text(), size(), r); });
    painter.drawPixmap(0, 0, face_);
    // Like Qt's own controls, the mark shows once the keyboard has moved the focus.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(QPen(QColor(ButtonText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void ImageButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double-click: the first one has clicked already.
    event->accept();
}

void ImageButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!event->isAutoRepeat()) // a held key is one press
            click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace kring
