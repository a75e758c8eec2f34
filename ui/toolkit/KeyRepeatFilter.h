#pragma once

#include <QObject>

namespace kring {

// Drops the presses of a held key that Qt does not mark as repeats, so that a
// key held down clicks once. X sends each repeat of a held key as a release
// and a press with the same time stamp, and Qt sometimes delivers the pair as
// a real release and a new press. A press of the key just released, with the
// release's time stamp, is such a repeat; it is dropped before shortcuts or
// widgets see it. Presses that Qt marks as repeats pass: the shortcuts and
// buttons ignore those themselves, and a held arrow key still scrolls the list.
class KeyRepeatFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int releasedKey_ = 0;
    quint64 releasedAt_ = 0; // 0: no time stamp, as in synthetic events
};

} // namespace kring
