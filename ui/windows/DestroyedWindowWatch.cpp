#include "ui/desktop/DestroyedWindowWatch.h"

namespace kring {

// Only another X client can destroy the window behind Qt's back; on Windows
// the watch has nothing to see.
DestroyedWindowWatch::DestroyedWindowWatch(const QWidget& window,
                                           std::function<void()> whenDestroyed)
    : window_(window), whenDestroyed_(std::move(whenDestroyed)) {}

DestroyedWindowWatch::~DestroyedWindowWatch() = default;

bool DestroyedWindowWatch::nativeEventFilter(const QByteArray&, void*, qintptr*) {
    return false;
}

} // namespace kring
