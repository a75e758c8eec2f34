#pragma once

#include <exception>

namespace kring {

// The boundary of every event handler: an overflow or a bad index stops the
// handler there, and no exception travels into Qt's event loop.
template <typename Body> void RunHandler(Body&& body) noexcept {
    try {
        body();
    } catch (const std::exception&) {
        // The handler stops; the window stays as far as it got.
    }
}

} // namespace kring
