#include "ui/toolkit/KeyRepeatFilter.h"

#include <QKeyEvent>

namespace kring {

bool KeyRepeatFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (type == QEvent::KeyRelease) {
        releasedKey_ = key->key();
        releasedAt_ = key->timestamp();
        return false;
    }
    if (releasedAt_ != 0 && key->key() == releasedKey_ && key->timestamp() == releasedAt_) {
        // Accepted, the override keeps the shortcuts from firing.
        event->accept();
        return true;
    }
    return false;
}

} // namespace kring
