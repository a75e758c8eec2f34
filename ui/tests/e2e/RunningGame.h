#pragma once

#include "Screenshot.h"
#include "Xdotool.h"

#include <QElapsedTimer>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The game program running on a private X server, seen and worked the way a
// player does: through its window's pixels and the mouse.
class RunningGame {
public:
    explicit RunningGame(QString display);
    RunningGame(const RunningGame&) = delete;
    RunningGame& operator=(const RunningGame&) = delete;
    ~RunningGame();

    // Starts `program` and waits until its window is on the screen. On failure
    // returns false and says why in `error`.
    bool start(const QString& program, QString* error);

    qint64 pid() const { return process_.processId(); }
    QString windowId() const { return window_; }
    QPoint clientOrigin() const { return origin_; }
    QSize clientSize() const { return size_; }
    const Xdotool& xdotool() const { return xdotool_; }

    // Clicks the left button at a point of the client area, then moves the
    // pointer off the window so that no hover look or tool tip covers it.
    bool click(QPoint client);

    Screenshot grab() const;
    // Grabs the screen again and again until `accept` is content or `timeoutMs`
    // has passed; gives back the last picture either way.
    Screenshot waitFor(const std::function<bool(const Screenshot&)>& accept, int timeoutMs,
                       bool* accepted) const;

    // The id of a visible window whose title matches `pattern`, once one shows
    // within `timeoutMs`.
    std::optional<QString> waitForWindow(const QString& pattern, int timeoutMs) const;
    // The id of a visible window whose title matches `pattern`, if one shows now.
    std::optional<QString> findWindow(const QString& pattern) const;
    // The window's position and size on the screen.
    std::optional<QRect> geometry(const QString& window) const;

    bool waitForExit(int timeoutMs);
    bool running() const { return process_.state() != QProcess::NotRunning; }
    QProcess::ExitStatus exitStatus() const { return process_.exitStatus(); }
    int exitCode() const { return process_.exitCode(); }
    // Everything the program wrote to standard output and error so far.
    QString output();

private:
    Xdotool xdotool_;
    QString display_;
    QProcess process_;
    QString output_;
    QString window_;
    QPoint origin_;
    QSize size_;
};

#ifdef KRINGWOORD_E2E_SANITIZED
inline constexpr bool sanitizerBuild = true;
#else
inline constexpr bool sanitizerBuild = false;
#endif

// How long waits may take: sanitizer builds run several times slower.
int scaledTimeout(int milliseconds);

// The game program under test, as KRINGWOORD_PROGRAM names it.
QString programPath();
// Whether that program can be run; if not, says why in `error`.
bool programRunnable(QString* error);

// Where the end-to-end tests leave their screenshots.
QString screenshotFolder();

// Grabs the screen until `checks` finds nothing wrong or `timeoutMs` has
// passed, and saves the last picture as <screenshot folder>/<name>.png (and in
// `seen` if given). If it never came right, warns with the picture's path and
// what was wrong, and returns false.
bool seeOnScreen(const RunningGame& game, const QString& name,
                 const std::function<QStringList(const Screenshot&)>& checks, int timeoutMs,
                 Screenshot* seen = nullptr);
