#include "ui/toolkit/DrawnPrefixDelegate.h"

#include "ui/toolkit/DrawnPrefix.h"

#include <algorithm>

namespace kring {

QString DrawnPrefixDelegate::displayText(const QVariant& value, const QLocale& locale) const {
    // Turning line feeds into line separators goes over the whole text, and
    // copies it if it holds one: only what can be drawn goes through.
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString();
        if (text.size() > MaxDrawnLength)
            return QStyledItemDelegate::displayText(LongestDrawn(text), locale);
    }
    return QStyledItemDelegate::displayText(value, locale);
}

void DrawnPrefixDelegate::initStyleOption(QStyleOptionViewItem* option,
                                          const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->text = DrawnPrefix(option->text, option->font);
}

QSize DrawnPrefixDelegate::sizeHint(const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setWidth(std::min(size.width(), MaxDrawnWidth));
    return size;
}

} // namespace kring
