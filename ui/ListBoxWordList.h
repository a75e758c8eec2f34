#pragma once

#include "core/WordList.h"
#include "ui/ListBox.h"

namespace kring {

// The puzzle's words, read straight from the list box.
class ListBoxWordList final : public WordList {
public:
    explicit ListBoxWordList(const ListBox& list) : list_(list) {}

    std::int16_t count() const override { return list_.listCount(); }
    std::u16string item(int index) const override { return list_.list(index).toStdU16String(); }

private:
    const ListBox& list_;
};

} // namespace kring
