#include "Xdotool.h"

#include <QProcess>
#include <QProcessEnvironment>

Xdotool::Result Xdotool::run(const QStringList& arguments, int timeoutMs) const {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_);
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(QStringLiteral("xdotool"), arguments);

    Result result;
    if (!process.waitForStarted(timeoutMs)) {
        result.output = QStringLiteral("xdotool did not start (is the xdotool package installed?)");
        return result;
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.finished = process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.output = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    return result;
}
