#include "ui/ListBoxAccessible.h"

#include "ui/ListBox.h"

#include <QPointer>
#include <QWindow>

namespace kring {

namespace {

class ItemAccessible : public QAccessibleInterface {
public:
    ItemAccessible(ListBox* list, int row) : list_(list), row_(row) {}

    bool isValid() const override { return list_ && row_ < list_->model()->rowCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return list_ ? list_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(list_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid())
            return {};
        return list_->model()->index(row_, 0).data().toString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect shown = list_->visualRect(list_->model()->index(row_, 0));
        return QRect(list_->viewport()->mapToGlobal(shown.topLeft()), shown.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const QModelIndex index = list_->model()->index(row_, 0);
        state.selectable = true;
        state.focusable = true;
        state.selected = list_->selectionModel()->isSelected(index);
        state.focused = list_->hasFocus() && list_->currentIndex() == index;
        const QRect shown = list_->visualRect(index);
        state.invisible = state.offscreen = !list_->viewport()->rect().intersects(shown);
        return state;
    }

private:
    QPointer<ListBox> list_;
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
        found = items_.emplace(row, QAccessible::registerAccessibleInterface(new ItemAccessible(list(), row))).first;
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
