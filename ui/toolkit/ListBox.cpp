#include "ui/toolkit/ListBox.h"

#include "ui/toolkit/DrawnPrefixDelegate.h"

#include <QAccessible>
#include <QStringListModel>

#include <limits>
#include <stdexcept>

namespace kring {

ListBox::ListBox(QWidget* parent) : QListView(parent), items_(new QStringListModel(this)) {
    setModel(items_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every item is one line of the same font, so the first one sizes them all.
    setUniformItemSizes(true);
    // A line of megabytes is drawn only as far as it can show.
    setItemDelegate(new DrawnPrefixDelegate(this));
}

void ListBox::setBackColor(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    setPalette(p);
}

void ListBox::setForeColor(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Text, colour);
    setPalette(p);
}

void ListBox::clear() {
    items_->setStringList({});
}

void ListBox::addItems(const QStringList& items) {
    // Into an empty list the given list is taken as it is: joining it to an
    // empty one would copy 18,000 strings for nothing, half of Load's time.
    if (items_->rowCount() == 0) {
        items_->setStringList(items);
        return;
    }
    items_->setStringList(items_->stringList() + items);
}

std::int16_t ListBox::listCount() const {
    const int n = items_->rowCount();
    if (n > std::numeric_limits<std::int16_t>::max())
        throw std::overflow_error("Overflow");
    return static_cast<std::int16_t>(n);
}

QString ListBox::list(int index) const {
    if (index < 0 || index >= items_->rowCount())
        throw std::out_of_range("Subscript out of range");
    return items_->index(index).data().toString();
}

std::pair<int, int> ListBox::rowsInView() const {
    const QModelIndex first = indexAt(QPoint(0, 0));
    if (!first.isValid())
        return {0, 0};
    const QModelIndex last = indexAt(QPoint(0, viewport()->height() - 1));
    return {first.row(), last.isValid() ? last.row() + 1 : items_->rowCount()};
}

void ListBox::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QAbstractItemView::currentChanged(current, previous); // scrolls it into view
    const auto [first, last] = rowsInView();
    if (!QAccessible::isActive() || !hasFocus() || current.row() < first || current.row() >= last)
        return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(current.row() - first);
    QAccessible::updateAccessibility(&focus);
}

void ListBox::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QAbstractItemView::selectionChanged(selected, deselected);
}

} // namespace kring
