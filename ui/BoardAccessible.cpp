#include "ui/BoardAccessible.h"

#include "ui/Board.h"
#include "ui/BoardSpeech.h"
#include "ui/PictureBox.h"

#include <QPointer>
#include <QWindow>

namespace kring {

namespace {

class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccessible(Board* board, int index) : board_(board), index_(index) {}

    bool isValid() const override { return board_; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                       : nullptr;
    }

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(board_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !board_)
            return {};
        return BoardCellSpeech(board_->cell(index_)->accessibleName(), board_->shownNumber(index_),
                               Board::isCentre(index_), rowIndex(), columnIndex());
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!board_)
            return {};
        const PictureBox* cell = board_->cell(index_);
        return QRect(cell->mapToGlobal(QPoint(0, 0)), cell->size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.focused = board_ && board_->hasFocus() && board_->current() == index_;
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
    QPointer<Board> board_;
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
