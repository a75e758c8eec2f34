#include "ui/access/BoardAccessible.h"

#include "ui/access/AccessibleLeaf.h"
#include "ui/access/BoardSpeech.h"
#include "ui/toolkit/Board.h"
#include "ui/toolkit/PictureBox.h"

namespace kring {

namespace {

class CellAccessible : public AccessibleLeaf<Board>, public QAccessibleTableCellInterface {
public:
    CellAccessible(Board* board, int index) : AccessibleLeaf(board), index_(index) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !owner())
            return {};
        return BoardCellSpeech(owner()->cell(index_)->accessibleName(),
                               owner()->shownNumber(index_), Board::isCentre(index_), rowIndex(),
                               columnIndex());
    }
    QRect rect() const override {
        if (!owner())
            return {};
        const PictureBox* cell = owner()->cell(index_);
        return QRect(cell->mapToGlobal(QPoint(0, 0)), cell->size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.focused = owner() && owner()->hasFocus() && owner()->current() == index_;
        state.readOnly = true;
        return state;
    }

    // The table cell.
    int columnExtent() const override { return 1; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    int columnIndex() const override { return index_ % Board::Size; }
    int rowExtent() const override { return 1; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int rowIndex() const override { return index_ / Board::Size; }
    bool isSelected() const override { return false; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    int index_;
};

} // namespace

BoardAccessible::BoardAccessible(Board* board) : QAccessibleWidget(board, QAccessible::Table) {}

BoardAccessible::~BoardAccessible() {
    for (QAccessible::Id id : cells_) {
        if (id)
            QAccessible::deleteAccessibleInterface(id);
    }
}

Board* BoardAccessible::board() const {
    return static_cast<Board*>(widget());
}

void* BoardAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

int BoardAccessible::childCount() const {
    return Board::Size * Board::Size;
}

QAccessibleInterface* BoardAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    QAccessible::Id& id = cells_[index];
    if (!id)
        id = QAccessible::registerAccessibleInterface(new CellAccessible(board(), index));
    return QAccessible::accessibleInterface(id);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < childCount(); ++i) {
        if (cells_[i] && QAccessible::accessibleInterface(cells_[i]) == child)
            return i;
    }
    return -1;
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const {
    for (int i = 0; i < childCount(); ++i) {
        if (child(i)->rect().contains(x, y))
            return child(i);
    }
    return nullptr;
}

QAccessibleInterface* BoardAccessible::focusChild() const {
    return board()->hasFocus() ? child(board()->current()) : nullptr;
}

QAccessibleInterface* BoardAccessible::cellAt(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    return child(row * Board::Size + column);
}

int BoardAccessible::columnCount() const {
    return Board::Size;
}

int BoardAccessible::rowCount() const {
    return Board::Size;
}

} // namespace kring
