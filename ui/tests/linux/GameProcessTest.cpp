// What the game does in processes of its own on Linux: a program folder whose
// name is not UTF-8, and huge or endless word files under a memory limit.

#include "AppFolder.h"
#include "ShownGame.h"

#include "ui/desktop/QtDesktop.h"
#include "ui/toolkit/ImageButton.h"
#include "ui/toolkit/Label.h"
#include "ui/toolkit/ListBox.h"

#include <QtTest>

#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>

extern char** environ;

namespace {

bool InChild() {
    return qEnvironmentVariableIsSet("KRING_CHILD");
}

// Runs the test program at path again with only the named test function,
// after prefix (a command such as prlimit); true when that passed.
bool PassesInChild(std::string program, const char* function,
                   std::vector<std::string> prefix = {}) {
    prefix.push_back(std::move(program));
    prefix.push_back(function);
    std::vector<char*> argv;
    for (std::string& arg : prefix)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    qputenv("KRING_CHILD", "1");
    pid_t pid = 0;
    const int spawned = ::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
    qunsetenv("KRING_CHILD");
    int status = 0;
    return spawned == 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

std::string ThisProgram() {
    return std::filesystem::read_symlink("/proc/self/exe");
}

} // namespace

class GameProcessTest : public QObject {
    Q_OBJECT

private slots:
    void loadsFromAProgramFolderNamedInLatin1() {
        if (InChild()) {
            kring::QtDesktop desktop;
            kring::test::ScriptedRandom random({0.0f});
            kring::KringForm form(desktop, random);
            form.LoadWords("Woorden");
            QCOMPARE(form.List1->listCount(), 18000);
            return;
        }
        namespace fs = std::filesystem;
        QTemporaryDir dir;
        const fs::path folder = fs::path(dir.path().toStdString()) / "caf\xE9";
        fs::create_directories(folder / "Data");
        fs::copy_file(KRINGWOORD_SOURCE_DIR "/Data/Woorden.txt", folder / "Data/Woorden.txt");
        fs::copy_file(ThisProgram(), folder / "GameProcessTest");
        QVERIFY(PassesInChild(folder / "GameProcessTest", "loadsFromAProgramFolderNamedInLatin1"));
        fs::remove_all(folder); // a name Qt cannot spell
    }

    void hugeAndEndlessFilesLoadNothingUnderAMemoryLimit() {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("AddressSanitizer's shadow memory counts against the limit");
#endif
        if (!InChild()) {
            QVERIFY(PassesInChild(ThisProgram(), "hugeAndEndlessFilesLoadNothingUnderAMemoryLimit",
                                  {"prlimit", "--data=1073741824", "--"}));
            return;
        }
        for (const bool sparse : {true, false}) {
            AppFolder folder("");
            const QString wordFile = folder.path() + "/Data/Woorden.txt";
            QFile::remove(wordFile);
            if (sparse) {
                QFile file(wordFile);
                QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(qint64(4) << 30));
            } else {
                QVERIFY(QFile::link("/proc/self/pagemap", wordFile));
            }
            ShownGame g(folder.path());
            Click(g.form.LoadKnop);
            QCOMPARE(g.form.Label2->caption(), QStringLiteral("0 Woorden"));
        }
    }
};

QTEST_MAIN(GameProcessTest)
#include "GameProcessTest.moc"
