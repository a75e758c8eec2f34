#pragma once

#include "ui/desktop/Desktop.h"

#include <QCoreApplication>
#include <QStringList>

#include <functional>

// Records what the window asks of the desktop, in one log, with a clock that
// moves only while events are processed: each pass of a wait takes one step.
class FakeDesktop final : public kring::Desktop {
public:
    struct Message {
        QString title;
        QString text;
    };

    explicit FakeDesktop(QString folder = {}) : folder_(std::move(folder)) {}

    QStringList log; // "message", "busy", "default", "end"
    QList<Message> messages;
    int eventPasses = 0;
    double clock = 1000.0;
    double stepSeconds = 0.0625;
    // Runs in every pass of a wait, after the pending events.
    std::function<void()> duringWait;

    void showCriticalMessage(QWidget*, const QString& title, const QString& text) override {
        log << QStringLiteral("message");
        messages.append({title, text});
    }
    void setBusyPointer(bool busy) override {
        log << (busy ? QStringLiteral("busy") : QStringLiteral("default"));
    }
    void waitForEvents(double) override {
        ++eventPasses;
        QCoreApplication::processEvents();
        if (auto hook = duringWait) // a copy: the hook may replace itself
            hook();
        clock += stepSeconds;
    }
    double monotonicSeconds() override { return clock; }
    void endProgram() override {
        log << QStringLiteral("end");
        ended_ = true;
    }
    bool hasEnded() const override { return ended_; }
    std::filesystem::path applicationFolder() override { return folder_.toStdU16String(); }

    // Runs action once, in the first pass of the next wait.
    void onceDuringWait(std::function<void()> action) {
        duringWait = [this, action = std::move(action)] {
            duringWait = nullptr;
            action();
        };
    }

private:
    QString folder_;
    bool ended_ = false;
};
