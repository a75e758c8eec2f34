// The game on Windows as a player has it: the words come from Data/ beside the
// program, whatever script its folder is named in, and a word file that
// another program holds locked loads nothing, at once. Each case runs a copy
// of this program in such a folder; the copy plays the game with the real
// desktop and ends with 0 when the word count is the expected one.

#include "ui/KringForm.h"
#include "ui/Label.h"
#include "ui/QtDesktop.h"
#include "core/ClockSeededRandom.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <windows.h>

namespace {

// In the copy: Load, then the caption against KRING_EXPECT.
int LoadInCopy(const QString& expected) {
    kring::QtDesktop desktop;
    kring::ClockSeededRandom random;
    kring::KringForm form(desktop, random);
    form.show();
    form.LoadKnop_Click();
    const QString shown = form.Label2->caption();
    if (shown != expected) {
        qWarning("shown: %s", qPrintable(shown));
        return 1;
    }
    return 0;
}

// A folder named in three scripts, holding a copy of this program and the
// shipped word list.
struct GameFolder {
    GameFolder() {
        const QString name = QStringLiteral("Kringwoord caf\u00e9 \u65e5\u672c");
        if (!QDir(parent.path()).mkpath(name + "/Data"))
            qFatal("cannot make the game's folder");
        path = parent.filePath(name);
        program = path + "/kringwoord.exe";
        wordFile = path + "/Data/Woorden.txt";
        if (!QFile::copy(QCoreApplication::applicationFilePath(), program) ||
            !QFile::copy(QStringLiteral(KRINGWOORD_SOURCE_DIR "/Data/Woorden.txt"), wordFile))
            qFatal("cannot copy the game");
    }
    // The copy's exit status after a Load; -1 when it did not end in time.
    int load(const QString& expected) const {
        QProcess copy;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("KRING_EXPECT"), expected);
        copy.setProcessEnvironment(environment);
        copy.setProcessChannelMode(QProcess::ForwardedChannels);
        // Started from elsewhere: the folder must come from the program's own name.
        copy.setWorkingDirectory(QDir::tempPath());
        copy.start(program, {});
        if (!copy.waitForFinished(60000)) {
            copy.kill();
            return -1;
        }
        return copy.exitStatus() == QProcess::NormalExit ? copy.exitCode() : -1;
    }

    QTemporaryDir parent;
    QString path;
    QString program;
    QString wordFile;
};

} // namespace

class ProgramFolderTest : public QObject {
    Q_OBJECT

private slots:
    void loadsFromAFolderNamedInAnyScript() {
        const GameFolder game;
        QCOMPARE(game.load(QStringLiteral("18000 Woorden")), 0);
    }

    void aWordFileLockedByAnotherProgramGivesNoWordsAtOnce() {
        const GameFolder game;
        const HANDLE owner = ::CreateFileW(reinterpret_cast<const wchar_t*>(game.wordFile.utf16()),
                                           GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                           FILE_ATTRIBUTE_NORMAL, nullptr);
        QVERIFY(owner != INVALID_HANDLE_VALUE);
        QElapsedTimer timer;
        timer.start();
        const int status = game.load(QStringLiteral("0 Woorden"));
        ::CloseHandle(owner);
        QCOMPARE(status, 0);
        QVERIFY(timer.elapsed() < 30000);
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("KRING_EXPECT"))
        return LoadInCopy(qEnvironmentVariable("KRING_EXPECT"));
    ProgramFolderTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ProgramFolderTest.moc"
