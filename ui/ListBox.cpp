#include "ui/ListBox.h"

#include "ui/DrawnPrefixDelegate.h"

#include <limits>
#include <stdexcept>

namespace kring {

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setSortingEnabled(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
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

std::int16_t ListBox::listCount() const {
    const int n = count();
    if (n > std::numeric_limits<std::int16_t>::max())
        throw std::overflow_error("Overflow");
    return static_cast<std::int16_t>(n);
}

QString ListBox::list(int index) const {
    if (index < 0 || index >= count())
        throw std::out_of_range("Subscript out of range");
    return item(index)->text();
}

} // namespace kring
