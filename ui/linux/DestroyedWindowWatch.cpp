#include "ui/desktop/DestroyedWindowWatch.h"

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

namespace kring {

DestroyedWindowWatch::DestroyedWindowWatch(const QWidget& window,
                                           std::function<void()> whenDestroyed)
    : window_(window), whenDestroyed_(std::move(whenDestroyed)) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

DestroyedWindowWatch::~DestroyedWindowWatch() {
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool DestroyedWindowWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_DESTROY_NOTIFY)
        return false;
    const QWindow* shown = window_.windowHandle();
    const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
    if (shown && destroyed->window == shown->winId())
        whenDestroyed_();
    return false;
}

} // namespace kring
