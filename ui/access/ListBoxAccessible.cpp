#include "ui/access/ListBoxAccessible.h"

#include "ui/access/AccessibleLeaf.h"
#include "ui/toolkit/ListBox.h"

namespace kring {

namespace {

class ItemAccessible : public AccessibleLeaf<ListBox> {
public:
    ItemAccessible(ListBox* list, int row) : AccessibleLeaf(list), row_(row) {}

    bool isValid() const override { return owner() && row_ < owner()->model()->rowCount(); }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid())
            return {};
        return owner()->model()->index(row_, 0).data().toString();
    }
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect shown = owner()->visualRect(owner()->model()->index(row_, 0));
        return QRect(owner()->viewport()->mapToGlobal(shown.topLeft()), shown.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const QModelIndex index = owner()->model()->index(row_, 0);
        state.selectable = true;
        state.focusable = true;
        state.selected = owner()->selectionModel()->isSelected(index);
        state.focused = owner()->hasFocus() && owner()->currentIndex() == index;
        const QRect shown = owner()->visualRect(index);
        state.invisible = state.offscreen = !owner()->viewport()->rect().intersects(shown);
        return state;
    }

private:
    int row_;
};

} // namespace

ListBoxAccessible::ListBoxAccessible(ListBox* list) : QAccessibleWidget(list, QAccessible::List) {}

ListBoxAccessible::~ListBoxAccessible() {
    for (const auto& [row, id] : items_)
        QAccessible::deleteAccessibleInterface(id);
}

ListBox* ListBoxAccessible::list() const {
    return static_cast<ListBox*>(widget());
}

int ListBoxAccessible::childCount() const {
    const auto [first, last] = list()->rowsInView();
    return last - first;
}

QAccessibleInterface* ListBoxAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    return item(list()->rowsInView().first + index);
}

QAccessibleInterface* ListBoxAccessible::item(int row) const {
    auto found = items_.find(row);
    if (found == items_.end())
        found =
            items_
                .emplace(row,
                         QAccessible::registerAccessibleInterface(new ItemAccessible(list(), row)))
                .first;
    return QAccessible::accessibleInterface(found->second);
}

int ListBoxAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto [first, last] = list()->rowsInView();
    for (int row = first; row < last; ++row) {
        const auto found = items_.find(row);
        if (found != items_.end() && QAccessible::accessibleInterface(found->second) == child)
            return row - first;
    }
    return -1;
}

QAccessibleInterface* ListBoxAccessible::childAt(int x, int y) const {
    const QModelIndex index = list()->indexAt(list()->viewport()->mapFromGlobal(QPoint(x, y)));
    return index.isValid() ? item(index.row()) : nullptr;
}

QAccessibleInterface* ListBoxAccessible::focusChild() const {
    const QModelIndex current = list()->currentIndex();
    return list()->hasFocus() && current.isValid() ? item(current.row()) : nullptr;
}

} // namespace kring
