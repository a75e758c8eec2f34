#pragma once

#include <QStyledItemDelegate>

namespace kring {

// Draws and sizes a list item from the part of its text that can show
// (DrawnPrefix); the item itself keeps its whole text. A text cut short ends
// in an ellipsis at MaxDrawnWidth.
class DrawnPrefixDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant& value, const QLocale& locale) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

} // namespace kring
