#pragma once

#include <QAbstractNativeEventFilter>

#include <functional>

class QWidget;

namespace kring {

// Runs whenDestroyed when another X client destroys the window's X window:
// Qt itself would go on running with nothing left on screen. On other
// platforms it never runs.
class DestroyedWindowWatch : public QAbstractNativeEventFilter {
public:
    DestroyedWindowWatch(const QWidget& window, std::function<void()> whenDestroyed);
    ~DestroyedWindowWatch() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    const QWidget& window_;
    std::function<void()> whenDestroyed_;
};

} // namespace kring
