#pragma once

#include <QListView>

#include <cstdint>
#include <utility>

class QStringListModel;

namespace kring {

// The list of words: items stay in the order they were added, one can be
// selected at a time, nothing can be edited, and the count fits 16 signed bits.
class ListBox : public QListView {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent);

    void setBackColor(const QColor& colour);
    void setForeColor(const QColor& colour);
    void clear();
    // Appends the items at the end, in their order.
    void addItems(const QStringList& items);
    // Throws std::overflow_error beyond 32,767 items.
    std::int16_t listCount() const;
    // Throws std::out_of_range unless 0 <= index < listCount().
    QString list(int index) const;
    // The rows that show, from first up to but not including last.
    std::pair<int, int> rowsInView() const;

protected:
    // Screen readers know the items in view only (ListBoxAccessible), so they
    // hear of the current item by its place among those. QListView's own
    // events, which count it among all items, are left out.
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;

private:
    QStringListModel* items_;
};

} // namespace kring
