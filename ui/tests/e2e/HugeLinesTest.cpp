// Word files whose lines run to megabytes (a file without line ends, a binary
// file, a log saved as the word list): the window must go on answering, and
// its memory must stay in proportion to the file.

#include "ClientLayout.h"
#include "PrivateXServerMain.h"
#include "RunningGame.h"
#include "ScreenChecks.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace client_layout;

namespace {

constexpr qint64 mebibyte = 1024 * 1024;
// The window must answer within this; the test gives up at the wait's time limit.
constexpr qint64 answerLimitMs = 3000;
constexpr int waitLimitMs = 10000;
constexpr double memoryLimitPerFileByte = 6.0;
// Long enough for a click's 0.2 s press feedback to end before the next click.
constexpr unsigned long pressFeedbackMs = 500;

// `lines` lines of capital letters, each `letters` long and ended by CR LF.
bool writeWordFile(const QString& path, int lines, qint64 letters) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray alphabet("KRINGWOORDABCEFHJLMPSTUVXYZ");
    for (int i = 0; i < lines; ++i) {
        const qsizetype shift = i % alphabet.size();
        const QByteArray rotated = alphabet.mid(shift) + alphabet.left(shift);
        const QByteArray line =
            rotated.repeated(letters / rotated.size() + 1).left(letters) + "\r\n";
        if (file.write(line) != line.size())
            return false;
    }
    return true;
}

// A field of /proc/<pid>/status in bytes, or -1.
qint64 statusBytes(qint64 pid, const char* field) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong() * 1024;
    return -1;
}

} // namespace

class HugeLinesTest : public QObject {
    Q_OBJECT

private:
    // Waits until the check box shows `wanted`; returns how long that took on
    // `clock`, or -1 after the time limit.
    qint64 waitForTick(const RunningGame& game, const Screenshot& untickedLook, bool wanted,
                       const QElapsedTimer& clock) {
        bool accepted = false;
        game.waitFor(
            [&](const Screenshot& s) {
                return (wanted ? screen_checks::ticked(s, untickedLook)
                               : screen_checks::unticked(s, untickedLook))
                    .isEmpty();
            },
            scaledTimeout(waitLimitMs), &accepted);
        return accepted ? clock.elapsed() : -1;
    }

    bool see(const RunningGame& game, const QString& name,
             const std::function<QStringList(const Screenshot&)>& checks) {
        return seeOnScreen(game, QStringLiteral("huge-") + name, checks,
                           scaledTimeout(waitLimitMs));
    }

private slots:
    void initTestCase() {
        QString error;
        QVERIFY2(programRunnable(&error), qPrintable(error));
    }

    void windowKeepsAnswering_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<qint64>("letters");
        QTest::newRow("one-50MiB-line") << 1 << 50 * mebibyte;
        QTest::newRow("40-lines-of-1MiB") << 40 << mebibyte;
    }

    void windowKeepsAnswering() {
        QFETCH(int, lines);
        QFETCH(qint64, letters);
        const QString row = QString::fromLatin1(QTest::currentDataTag());

        // A copy of the program with a word file of its own beside it.
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString program = folder.filePath(QStringLiteral("kringwoord"));
        QVERIFY(QFile::copy(programPath(), program));
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Data")));
        const QString wordFile = folder.filePath(QStringLiteral("Data/Woorden.txt"));
        QVERIFY(writeWordFile(wordFile, lines, letters));
        const qint64 fileSize = QFileInfo(wordFile).size();

        RunningGame game(qEnvironmentVariable("DISPLAY"));
        QString error;
        QVERIFY2(game.start(program, &error), qPrintable(error));
        QVERIFY(see(game, row + QStringLiteral("-0-start"), screen_checks::startScreen));
        const Screenshot untickedLook = game.grab();
        const qint64 idle = statusBytes(game.pid(), "VmRSS");
        QVERIFY(idle > 0);

        // Says what a phase measured, also when it then fails.
        auto report = [&](const char* phase, qint64 answeredMs, qint64 checkClickedMs) {
            const qint64 peak = statusBytes(game.pid(), "VmHWM");
            const QString answer =
                answeredMs >= 0
                    ? QStringLiteral("answered in %1 ms").arg(answeredMs)
                    : QStringLiteral("no answer within %1 ms").arg(scaledTimeout(waitLimitMs));
            qInfo().noquote()
                << QStringLiteral(
                       "%1 (%2 MiB file): %3 + check box %4 (check box clicked at %5 ms); "
                       "peak memory %6 MiB, idle %7 MiB: %8 × the file's size above idle")
                       .arg(row)
                       .arg(double(fileSize) / mebibyte, 0, 'f', 1)
                       .arg(QString::fromLatin1(phase), answer)
                       .arg(checkClickedMs)
                       .arg(double(peak) / mebibyte, 0, 'f', 1)
                       .arg(double(idle) / mebibyte, 0, 'f', 1)
                       .arg(double(peak - idle) / double(fileSize), 0, 'f', 2);
            return peak;
        };

        // Load, then the check box while the load may still be busy.
        QElapsedTimer clock;
        clock.start();
        QVERIFY(game.click(loadButton.center()));
        QThread::msleep(pressFeedbackMs);
        const qint64 checkClickedAfterLoad = clock.elapsed();
        QVERIFY(game.click(checkBoxSpot));
        const qint64 loadAnswered = waitForTick(game, untickedLook, true, clock);
        report("Load", loadAnswered, checkClickedAfterLoad);
        QVERIFY2(loadAnswered >= 0,
                 "after Load the check box showed no tick within the time limit");
        QVERIFY(see(game, row + QStringLiteral("-1-loaded"), [](const Screenshot& s) {
            return screen_checks::board(s) + screen_checks::filledWordList(s) +
                   screen_checks::countShown(s);
        }));

        // Untick, so that the tick after Plaatsen is a fresh one.
        QVERIFY(game.click(checkBoxSpot));
        QVERIFY2(waitForTick(game, untickedLook, false, clock) >= 0,
                 "the check box did not untick");

        clock.restart();
        QVERIFY(game.click(makeButton.center()));
        QThread::msleep(pressFeedbackMs);
        const qint64 checkClickedAfterMake = clock.elapsed();
        QVERIFY(game.click(checkBoxSpot));
        const qint64 makeAnswered = waitForTick(game, untickedLook, true, clock);
        const qint64 peak = report("Plaatsen", makeAnswered, checkClickedAfterMake);
        QVERIFY2(makeAnswered >= 0,
                 "after Plaatsen the check box showed no tick within the time limit");
        QVERIFY(see(game, row + QStringLiteral("-2-made"), [](const Screenshot& s) {
            return screen_checks::board(s) + screen_checks::lettersInAllCells(s) +
                   screen_checks::orderNumbersShown(s) + screen_checks::countShown(s);
        }));

        QVERIFY(game.click(cancelButton.center()));
        QVERIFY2(game.waitForExit(scaledTimeout(10000)), "Annuleren did not end the program");
        QVERIFY2(game.exitStatus() == QProcess::NormalExit && game.exitCode() == 0,
                 qPrintable(QStringLiteral("the program ended with status %1:\n%2")
                                .arg(game.exitCode())
                                .arg(game.output())));
        if (sanitizerBuild) {
            // Several times slower, and freed memory waits in quarantine: only
            // that the window answered at all counts here.
            return;
        }
        QVERIFY2(loadAnswered <= answerLimitMs,
                 qPrintable(QStringLiteral("Load took %1 ms to answer").arg(loadAnswered)));
        QVERIFY2(makeAnswered <= answerLimitMs,
                 qPrintable(QStringLiteral("Plaatsen took %1 ms to answer").arg(makeAnswered)));
        const double growth = double(peak - idle) / double(fileSize);
        QVERIFY2(
            growth <= memoryLimitPerFileByte,
            qPrintable(
                QStringLiteral("peak memory grew %1 × the file's size").arg(growth, 0, 'f', 2)));
    }
};

int main(int argc, char** argv) {
    return runOnPrivateXServer<HugeLinesTest>(argc, argv);
}

#include "HugeLinesTest.moc"
