#pragma once

#include <QString>

#include <sys/types.h>

// A private X server (Xvfb) on a display number it picks itself, so that tests
// never touch the desktop of whoever runs them and can run side by side.
class XvfbServer {
public:
    XvfbServer() = default;
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;
    ~XvfbServer();

    // Starts `Xvfb -displayfd` with one 1024 × 768 × 24 screen at 96 DPI and waits
    // until it is ready. On failure returns false and says why in `error`.
    bool start(QString* error);
    void stop();

    // ":N", empty until started.
    QString display() const { return display_; }

private:
    pid_t pid_ = -1;
    QString display_;
};
