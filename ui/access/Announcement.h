#pragma once

#include <QWidget>

namespace kring {

// Tells screen readers what a command did, as a notification that shows
// for a moment: Orca speaks a notification when it shows. It has no size
// and draws nothing, so the window looks the same.
class Announcement : public QWidget {
    Q_OBJECT
public:
    explicit Announcement(QWidget* parent);

    void say(const QString& text);
};

} // namespace kring
