#include "ui/toolkit/Label.h"

#include "ui/toolkit/DrawnPrefix.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>

#include <algorithm>

namespace kring {

namespace {

// Screen readers hear a label as text on the form, not as an empty filler.
QAccessibleInterface* AccessibleLabel(const QString& className, QObject* object) {
    if (className == QLatin1String(Label::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StaticText);
    return nullptr;
}

} // namespace

Label::Label(QWidget* parent)
    : QWidget(parent), foreColor_(palette().color(QPalette::WindowText)),
      backColor_(palette().color(QPalette::Window)) {
    static const bool accessible = (QAccessible::installFactory(AccessibleLabel), true);
    Q_UNUSED(accessible);
}

void Label::setCaption(const QString& caption) {
    caption_ = caption;
    drawn_ = DrawnPrefix(caption_, font());
    fitCaption();
    tellScreenReaders();
    update();
}

void Label::setForeColor(const QColor& colour) {
    foreColor_ = colour;
    tellScreenReaders();
    update();
}

void Label::setHiddenColor(const QColor& colour) {
    hiddenColor_ = colour;
    tellScreenReaders();
}

void Label::tellScreenReaders() {
    setAccessibleName(foreColor_ == hiddenColor_ ? QString() : drawn_);
}

void Label::setBackColor(const QColor& colour) {
    backColor_ = colour;
    update();
}

void Label::setOpaque(bool opaque) {
    opaque_ = opaque;
    setAttribute(Qt::WA_OpaquePaintEvent, opaque);
    update();
}

void Label::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    fitCaption();
}

void Label::fitCaption() {
    if (!autoSize_)
        return;
    // The caption's advance, and room for its ascent and descent.
    const QFontMetricsF metrics(font());
    resize(std::min(qRound(metrics.horizontalAdvance(drawn_)), MaxDrawnWidth),
           qCeil(metrics.ascent() + metrics.descent()));
}

void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (opaque_)
        painter.fillRect(rect(), backColor_);
    painter.setPen(foreColor_);
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, drawn_);
}

void Label::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        drawn_ = DrawnPrefix(caption_, font());
        fitCaption();
        tellScreenReaders();
    }
    QWidget::changeEvent(event);
}

} // namespace kring
