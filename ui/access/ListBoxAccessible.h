#pragma once

#include <QAccessibleWidget>

#include <map>

namespace kring {

class ListBox;

// The list for screen readers, with only the items in view as its children.
// A screen reader walks every child of a list to count and review it, one
// call across the accessibility bus each: for 18,000 words that froze it for
// seconds on every visit, and for half a minute in a review of the window.
class ListBoxAccessible : public QAccessibleWidget {
public:
    explicit ListBoxAccessible(ListBox* list);
    ~ListBoxAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    ListBox* list() const;
    QAccessibleInterface* item(int row) const;

    mutable std::map<int, QAccessible::Id> items_;
};

} // namespace kring
