#pragma once

#include <cstdint>
#include <string>

namespace kring {

// The words the puzzle is made from, read by index. The window's list box
// holds them; the core only reads.
class WordList {
public:
    virtual ~WordList() = default;
    // At most 32,767 words.
    virtual std::int16_t count() const = 0;
    // 0 <= index < count().
    virtual std::u16string item(int index) const = 0;
};

} // namespace kring
