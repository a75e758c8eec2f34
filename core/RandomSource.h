#pragma once

namespace kring {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Stirs a reading of the clock into the generator's state.
    virtual void reseedFromClock() = 0;
    // Uniform on 0 <= r < 1; never 1.
    virtual float next() = 0;
};

} // namespace kring
