#pragma once

#include "core/RandomSource.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace kring::test {

// Hands out the given draws in turn and logs every call: 'S' for a re-seed,
// 'N' for a draw.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> draws) : draws_(std::move(draws)) {}

    void reseedFromClock() override { calls += 'S'; }
    float next() override {
        calls += 'N';
        return draws_.at(nextDraw_++);
    }

    std::string calls;

private:
    std::vector<float> draws_;
    std::size_t nextDraw_ = 0;
};

} // namespace kring::test
