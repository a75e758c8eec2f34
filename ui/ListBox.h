#pragma once

#include <QListWidget>

#include <cstdint>

namespace kring {

// The list of words: items stay in the order they were added, one can be
// selected at a time, and the count fits 16 signed bits.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent);

    void setBackColor(const QColor& colour);
    void setForeColor(const QColor& colour);
    // Throws std::overflow_error beyond 32,767 items.
    std::int16_t listCount() const;
    // Throws std::out_of_range unless 0 <= index < listCount().
    QString list(int index) const;
};

} // namespace kring
