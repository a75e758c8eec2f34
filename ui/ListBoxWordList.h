#pragma once

#include "core/WordList.h"
#include "ui/toolkit/ListBox.h"

#include <QString>
#include <QStringView>

namespace kring {

// The puzzle's words, read straight from the list box.
class ListBoxWordList final : public WordList {
public:
    explicit ListBoxWordList(const ListBox& list) : list_(list) {}

    std::int16_t count() const override { return list_.listCount(); }
    std::u16string item(int index) const override {
        lastRead_ = list_.list(index);
        return lastRead_.toStdU16String();
    }

    // The word as the list holds it: the last item read, sharing its text
    // instead of copying a line that may run to megabytes, when word is that.
    QString asListed(const std::u16string& word) const {
        if (QStringView(lastRead_) == QStringView(word))
            return lastRead_;
        return QString::fromStdU16String(word);
    }

private:
    const ListBox& list_;
    mutable QString lastRead_;
};

} // namespace kring
