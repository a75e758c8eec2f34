#include "ui/toolkit/Board.h"

#include "ui/pictures/Colours.h"
#include "ui/toolkit/Label.h"
#include "ui/toolkit/PictureBox.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace kring {

namespace {

// The ring lies in the grey gap around the cell: 6 pixels lie between two
// cells, and the ring takes half of them.
constexpr int RingGap = 1;
constexpr int RingWidth = 2;

} // namespace

Board::Board(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QStringLiteral("Bord"));
}

void Board::setCells(const std::array<PictureBox*, 9>& cells,
                     const std::array<Label*, 8>& numbers) {
    cells_ = cells;
    for (int i = 0, n = 0; i < Size * Size; ++i)
        numbers_[i] = isCentre(i) ? nullptr : numbers[n++];
}

QString Board::shownNumber(int index) const {
    const Label* number = numbers_.at(index);
    return number ? number->accessibleName() : QString();
}

void Board::keyPressEvent(QKeyEvent* event) {
    const int row = current_ / Size;
    const int column = current_ % Size;
    switch (event->key()) {
    case Qt::Key_Left:
        moveTo(row * Size + std::max(column - 1, 0));
        break;
    case Qt::Key_Right:
        moveTo(row * Size + std::min(column + 1, Size - 1));
        break;
    case Qt::Key_Up:
        moveTo(std::max(row - 1, 0) * Size + column);
        break;
    case Qt::Key_Down:
        moveTo(std::min(row + 1, Size - 1) * Size + column);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void Board::moveTo(int index) {
    if (index == current_)
        return;
    current_ = index;
    update();
    tellScreenReadersOfFocus();
}

void Board::tellScreenReadersOfFocus() {
    if (!hasFocus())
        return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(current_);
    QAccessible::updateAccessibility(&focus);
}

void Board::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
    // Screen readers hear of the board taking the focus after this event;
    // the cell's focus must follow it, or they stay on the board.
    QMetaObject::invokeMethod(this, &Board::tellScreenReadersOfFocus, Qt::QueuedConnection);
}

void Board::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void Board::paintEvent(QPaintEvent*) {
    if (!hasFocus() || !cells_[current_])
        return;
    QPainter painter(this);
    const QRect cell = cells_[current_]->geometry();
    const int out = RingGap + RingWidth;
    const QRect ring = cell.adjusted(-out, -out, out, out);
    painter.fillRect(QRect(ring.left(), ring.top(), ring.width(), RingWidth), FocusRing);
    painter.fillRect(QRect(ring.left(), ring.bottom() - RingWidth + 1, ring.width(), RingWidth),
                     FocusRing);
    painter.fillRect(QRect(ring.left(), ring.top(), RingWidth, ring.height()), FocusRing);
    painter.fillRect(QRect(ring.right() - RingWidth + 1, ring.top(), RingWidth, ring.height()),
                     FocusRing);
}

} // namespace kring
