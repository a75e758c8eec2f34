#include "ui/access/AccessibleFactory.h"

#include "ui/KringForm.h"
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
    // frame, whose title they read.
    if (className == QLatin1String(KringForm::staticMetaObject.className()))
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
