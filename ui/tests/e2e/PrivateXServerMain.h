#pragma once

#include "XvfbServer.h"

#include <QGuiApplication>
#include <QTest>

#include <cstdio>

// main() for a Qt Test program that works on a private X server: it starts
// Xvfb, connects to it through the xcb platform, runs the tests and stops it.
template <typename Test> int runOnPrivateXServer(int argc, char** argv) {
    XvfbServer server;
    QString error;
    if (!server.start(&error)) {
        std::fprintf(stderr, "cannot start the X server: %s\n", qPrintable(error));
        return 1;
    }
    qputenv("DISPLAY", server.display().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    qunsetenv("WAYLAND_DISPLAY");
    int status = 0;
    {
        QGuiApplication app(argc, argv);
        Test test;
        status = QTest::qExec(&test, argc, argv);
    }
    server.stop();
    return status;
}
