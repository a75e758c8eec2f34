#include "ui/desktop/QtDesktop.h"

#include "ui/desktop/DestroyedWindowWatch.h"
#include "ui/desktop/ProgramFolder.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kring {

void QtDesktop::showCriticalMessage(QWidget* parent, const QString& title, const QString& text) {
    // Qt breaks lines at LF; a CR would show as a blank.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::Critical, title, shown, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    // A box that another X client destroys counts as dismissed; Qt would go
    // on waiting for it, modal, forever.
    const DestroyedWindowWatch watch(box, [&box] { box.reject(); });
    box.exec();
}

void QtDesktop::setBusyPointer(bool busy) {
    // Not a stack: busy twice and default once leaves the default pointer.
    if (busy && !busy_)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (!busy && busy_)
        QApplication::restoreOverrideCursor();
    busy_ = busy;
}

void QtDesktop::waitForEvents(double atMostSeconds) {
    // The timer's event ends the sleep when nothing else does.
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    deadline.start(std::max(1, static_cast<int>(std::ceil(atMostSeconds * 1000.0))));
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

double QtDesktop::monotonicSeconds() {
    using Seconds = std::chrono::duration<double>;
    return std::chrono::duration_cast<Seconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void QtDesktop::endProgram() {
    // At once: no handler that waits further down the stack may go on.
    std::fflush(nullptr);
    std::_Exit(0);
}

std::filesystem::path QtDesktop::applicationFolder() {
    return ProgramFolder();
}

} // namespace kring
