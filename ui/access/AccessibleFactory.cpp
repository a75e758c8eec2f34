#include "ui/AccessibleFactory.h"

#include "ui/Announcement.h"
#include "ui/Board.h"
#include "ui/BoardAccessible.h"
#include "ui/KringForm.h"
#include "ui/ListBox.h"
#include "ui/ListBoxAccessible.h"

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
