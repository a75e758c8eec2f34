#include "RunningGame.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPixmap>
#include <QProcessEnvironment>
#include <QScreen>
#include <QThread>

#include <utility>

namespace {

const QString mainWindowTitle = QStringLiteral("^Kringwoord \\(");
constexpr int pollIntervalMs = 20;
// The screen's bottom-right corner, away from the game's window.
constexpr QPoint parkingSpot{1023, 767};

} // namespace

int scaledTimeout(int milliseconds) {
    return sanitizerBuild ? milliseconds * 4 : milliseconds;
}

QString programPath() {
    return qEnvironmentVariable("KRINGWOORD_PROGRAM");
}

bool programRunnable(QString* error) {
    if (QFileInfo(programPath()).isExecutable())
        return true;
    *error = QStringLiteral("no program at \"%1\" (KRINGWOORD_PROGRAM)").arg(programPath());
    return false;
}

QString screenshotFolder() {
    QString folder = qEnvironmentVariable("KRINGWOORD_E2E_SCREENSHOTS");
    if (folder.isEmpty())
        folder = QDir::current().filePath(QStringLiteral("e2e-screenshots"));
    QDir().mkpath(folder);
    return folder;
}

bool seeOnScreen(const RunningGame& game, const QString& name,
                 const std::function<QStringList(const Screenshot&)>& checks, int timeoutMs,
                 Screenshot* seen) {
    bool accepted = false;
    const Screenshot shot = game.waitFor([&](const Screenshot& s) { return checks(s).isEmpty(); },
                                         timeoutMs, &accepted);
    const QString path = screenshotFolder() + QLatin1Char('/') + name + QStringLiteral(".png");
    shot.save(path);
    if (seen)
        *seen = shot;
    if (!accepted)
        qWarning().noquote() << "screenshot:" << path << "\n  "
                             << checks(shot).join(QStringLiteral("\n  "));
    return accepted;
}

RunningGame::RunningGame(QString display) : xdotool_(display), display_(std::move(display)) {}

RunningGame::~RunningGame() {
    if (running()) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

bool RunningGame::start(const QString& program, QString* error) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_SCALE_FACTOR"));
    process_.setProcessEnvironment(env);
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(program, {});
    if (!process_.waitForStarted(scaledTimeout(10000))) {
        *error = QStringLiteral("%1 did not start: %2").arg(program, process_.errorString());
        return false;
    }

    QElapsedTimer clock;
    clock.start();
    const int timeoutMs = scaledTimeout(20000);
    while (window_.isEmpty()) {
        if (const std::optional<QString> found = findWindow(mainWindowTitle))
            window_ = *found;
        else if (!running()) {
            *error =
                QStringLiteral("the program ended before its window showed:\n%1").arg(output());
            return false;
        } else if (clock.elapsed() > timeoutMs) {
            *error = QStringLiteral("no window titled \"Kringwoord (...)\" within %1 s")
                         .arg(timeoutMs / 1000);
            return false;
        } else {
            QThread::msleep(50);
        }
    }

    const std::optional<QRect> where = geometry(window_);
    if (!where) {
        *error = QStringLiteral("could not read the geometry of window %1").arg(window_);
        return false;
    }
    origin_ = where->topLeft();
    size_ = where->size();
    return true;
}

std::optional<QRect> RunningGame::geometry(const QString& window) const {
    const Xdotool::Result result =
        xdotool_.run({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
    if (!result.ok())
        return std::nullopt;
    int x = -1, y = -1, width = -1, height = -1;
    for (const QString& line : result.output.split(QLatin1Char('\n'))) {
        const QString key = line.section(QLatin1Char('='), 0, 0);
        const int value = line.section(QLatin1Char('='), 1).toInt();
        if (key == QLatin1String("X"))
            x = value;
        else if (key == QLatin1String("Y"))
            y = value;
        else if (key == QLatin1String("WIDTH"))
            width = value;
        else if (key == QLatin1String("HEIGHT"))
            height = value;
    }
    if (width <= 0 || height <= 0)
        return std::nullopt;
    return QRect(x, y, width, height);
}

bool RunningGame::click(QPoint client) {
    return xdotool_
        .run({QStringLiteral("mousemove"), QStringLiteral("--window"), window_,
              QString::number(client.x()), QString::number(client.y()), QStringLiteral("click"),
              QStringLiteral("1"), QStringLiteral("mousemove"), QString::number(parkingSpot.x()),
              QString::number(parkingSpot.y())})
        .ok();
}

Screenshot RunningGame::grab() const {
    QScreen* screen = QGuiApplication::primaryScreen();
    return Screenshot(screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32),
                      origin_);
}

Screenshot RunningGame::waitFor(const std::function<bool(const Screenshot&)>& accept, int timeoutMs,
                                bool* accepted) const {
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        Screenshot shot = grab();
        if (accept(shot)) {
            *accepted = true;
            return shot;
        }
        if (clock.elapsed() > timeoutMs) {
            *accepted = false;
            return shot;
        }
        QThread::msleep(pollIntervalMs);
    }
}

std::optional<QString> RunningGame::findWindow(const QString& pattern) const {
    const Xdotool::Result found =
        xdotool_.run({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                      QStringLiteral("--name"), pattern});
    if (!found.ok() || found.output.isEmpty())
        return std::nullopt;
    return found.output.section(QLatin1Char('\n'), 0, 0);
}

std::optional<QString> RunningGame::waitForWindow(const QString& pattern, int timeoutMs) const {
    QElapsedTimer clock;
    clock.start();
    do {
        if (std::optional<QString> found = findWindow(pattern))
            return found;
        QThread::msleep(50);
    } while (clock.elapsed() <= timeoutMs);
    return std::nullopt;
}

bool RunningGame::waitForExit(int timeoutMs) {
    return process_.waitForFinished(timeoutMs);
}

QString RunningGame::output() {
    output_ += QString::fromLocal8Bit(process_.readAll());
    return output_;
}
