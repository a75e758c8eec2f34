#include "ui/access/AccessibleFactory.h"

#include "ui/access/Announcement.h"
#include "ui/access/BoardAccessible.h"
#include "ui/access/ListBoxAccessible.h"
#include "ui/toolkit/Board.h"
#include "ui/toolkit/ListBox.h"

#include <QAccessibleWidget>

namespace kring {

namespace {

QAccessibleInterface* Interface(const QString& className, QObject* object) {
    // A top-level plain widget is a filler to screen readers; the window is a
    // frame, whose title they read. Qt asks for the object's own class first
    // and its base classes after, so QWidget comes when none of them has an
    // interface of its own.
    if (className == QLatin1String("QWidget") && static_cast<QWidget*>(object)->isWindow())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    if (className == QLatin1String(Board::staticMetaObject.className()))
        return new BoardAccessible(static_cast<Board*>(object));
    if (className == QLatin1String(ListBox::staticMetaObject.className()))
        return new ListBoxAccessible(static_cast<ListBox*>(object));
    if (className == QLatin1String(Announcement::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

void InstallAccessibleFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(Interface);
        return true;
    }();
    (void)installed;
}

} // namespace kring
