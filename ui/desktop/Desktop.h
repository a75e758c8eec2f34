#pragma once

#include <QString>

#include <filesystem>

class QWidget;

namespace kring {

// What the window asks of the desktop besides its own controls. Production
// uses Qt for all of it (QtDesktop); the tests put a recording fake in its place.
class Desktop {
public:
    virtual ~Desktop() = default;

    // Modal; returns when the user has closed it. Lines are separated by CR LF.
    virtual void showCriticalMessage(QWidget* parent, const QString& title,
                                     const QString& text) = 0;
    // The busy pointer over the whole application, until it is set again.
    virtual void setBusyPointer(bool busy) = 0;
    // Sleeps until an event comes or the given seconds have passed, then
    // processes the pending events. Other handlers may run to their end inside.
    virtual void waitForEvents(double atMostSeconds) = 0;
    // Seconds on a clock that never jumps.
    virtual double monotonicSeconds() = 0;
    // Ends the program at once. Production never returns from it; a fake that
    // does reports hasEnded() from then on, and nothing may act any more.
    virtual void endProgram() = 0;
    virtual bool hasEnded() const = 0;
    // The folder that holds the program, as the file system names it; empty
    // when it cannot be told.
    virtual std::filesystem::path applicationFolder() = 0;
};

} // namespace kring
