#pragma once

#include <QListView>

#include <cstdint>

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

private:
    QStringListModel* items_;
};

} // namespace kring
