#pragma once

#include "core/RandomSource.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace kring::test {

// Hands out the given draws in turn, from the first again after the last, and
// logs every call: 'S' for a re-seed, 'N' for a draw. The window's tests use it
// too, so it stays free of the test framework.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> draws) : draws_(std::move(draws)) {}

    void reseedFromClock() override { calls += 'S'; }
    float next() override {
        calls += 'N';
        const float r = draws_.at(nextDraw_);
        nextDraw_ = (nextDraw_ + 1) % draws_.size();
        return r;
    }

    std::string calls;

private:
    std::vector<float> draws_;
    std::size_t nextDraw_ = 0;
};

} // namespace kring::test
