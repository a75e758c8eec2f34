#pragma once

#include <QWidget>

#include <array>

namespace kring {

class Label;
class PictureBox;

// The 3 x 3 board as the keyboard and screen readers meet it: one stop in
// the Tab order, the arrow keys move between its nine cells, and a ring
// around the current cell shows only while the board has the focus. The
// cells are its children; it draws nothing else, so the board looks the
// same with or without it. A mouse click does not give it the focus.
class Board : public QWidget {
    Q_OBJECT
public:
    static constexpr int Size = 3;

    explicit Board(QWidget* parent);

    // The cells in reading order, the centre one in the middle, and the
    // labels with the order numbers of the eight outer cells.
    void setCells(const std::array<PictureBox*, 9>& cells, const std::array<Label*, 8>& numbers);

    // Row by row, 0 to 8.
    int current() const { return current_; }
    PictureBox* cell(int index) const { return cells_.at(index); }
    // The order number shown on the cell, empty while hidden or for the centre.
    QString shownNumber(int index) const;
    static bool isCentre(int index) { return index == Size * Size / 2; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void moveTo(int index);
    void tellScreenReadersOfFocus();

    std::array<PictureBox*, 9> cells_{};
    std::array<Label*, 9> numbers_{};
    int current_ = 0;
};

} // namespace kring
