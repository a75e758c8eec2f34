#include "ui/access/Announcement.h"

namespace kring {

Announcement::Announcement(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(0, 0);
    hide();
}

void Announcement::say(const QString& text) {
    hide();
    setAccessibleName(text);
    show();
}

} // namespace kring
