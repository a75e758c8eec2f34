#pragma once

#include <QString>
#include <QStringList>

#include <utility>

// Runs xdotool against one X display and gives back what it printed.
class Xdotool {
public:
    explicit Xdotool(QString display) : display_(std::move(display)) {}

    struct Result {
        bool finished = false; // false when it ran past the time limit and was killed
        int exitCode = -1;
        QString output;
        bool ok() const { return finished && exitCode == 0; }
    };

    Result run(const QStringList& arguments, int timeoutMs = 10000) const;

private:
    QString display_;
};
