// The game on Windows as a player has it. Each case runs a copy of this
// program from a folder named in three scripts, with the shipped words in its
// Data folder; the copy presses Load on the real desktop and ends with 0 when
// the count reads KRING_EXPECT.

#include "core/ClockSeededRandom.h"
#include "ui/KringForm.h"
#include "ui/desktop/QtDesktop.h"
#include "ui/toolkit/Label.h"

#include <QProcess>
#include <QtTest>

#include <windows.h>

class ProgramFolderTest : public QObject {
    Q_OBJECT

    QTemporaryDir parent_;
    const QString folder_ = parent_.filePath(QStringLiteral("Kringwoord caf\u00e9 \u65e5\u672c"));
    const QString wordFile_ = folder_ + "/Data/Woorden.txt";

    // The copy's exit status, started from another folder; -1 after a minute.
    int loadInCopy(const QString& expected) {
        qputenv("KRING_EXPECT", expected.toUtf8());
        QProcess copy;
        copy.setProcessChannelMode(QProcess::ForwardedChannels);
        copy.setWorkingDirectory(parent_.path());
        copy.start(folder_ + "/kringwoord.exe", {});
        const bool ended = copy.waitForFinished(60000);
        qunsetenv("KRING_EXPECT");
        return ended && copy.exitStatus() == QProcess::NormalExit ? copy.exitCode() : -1;
    }

private slots:
    void initTestCase() {
        QVERIFY(QDir().mkpath(folder_ + "/Data"));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), folder_ + "/kringwoord.exe"));
        QVERIFY(QFile::copy(QStringLiteral(KRINGWOORD_SOURCE_DIR "/Data/Woorden.txt"), wordFile_));
    }

    void loadsFromAFolderNamedInAnyScript() { QCOMPARE(loadInCopy("18000 Woorden"), 0); }

    void aWordFileLockedByAnotherProgramGivesNoWordsAtOnce() {
        const HANDLE owner = ::CreateFileW(reinterpret_cast<const wchar_t*>(wordFile_.utf16()),
                                           GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        QVERIFY(owner != INVALID_HANDLE_VALUE);
        const int status = loadInCopy("0 Woorden");
        ::CloseHandle(owner);
        QCOMPARE(status, 0);
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("KRING_EXPECT")) {
        kring::QtDesktop desktop;
        kring::ClockSeededRandom random;
        kring::KringForm form(desktop, random);
        form.show();
        form.LoadKnop_Click();
        return form.Label2->caption() == qEnvironmentVariable("KRING_EXPECT") ? 0 : 1;
    }
    ProgramFolderTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ProgramFolderTest.moc"
