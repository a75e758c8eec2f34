#pragma once

#include "core/RandomSource.h"

#include <vector>

// Hands out the given numbers in turn, from the start again after the last.
class ScriptedRandom final : public kring::RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> numbers) : numbers_(std::move(numbers)) {}

    void reseedFromClock() override {}
    float next() override {
        const float r = numbers_[next_];
        next_ = (next_ + 1) % numbers_.size();
        return r;
    }

private:
    std::vector<float> numbers_;
    std::size_t next_ = 0;
};
