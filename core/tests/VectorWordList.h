#pragma once

#include "core/WordList.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kring::test {

// Words held in a vector. The benchmarks use it too, so it stays free of the
// test framework.
class VectorWordList final : public WordList {
public:
    explicit VectorWordList(std::vector<std::u16string> words) : words_(std::move(words)) {}

    std::int16_t count() const override { return static_cast<std::int16_t>(words_.size()); }
    std::u16string item(int index) const override {
        return words_.at(static_cast<std::size_t>(index));
    }

private:
    std::vector<std::u16string> words_;
};

} // namespace kring::test
