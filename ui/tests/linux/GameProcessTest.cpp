// What the game does in a process of its own on Linux: a program folder whose
// name is not UTF-8.

#include "core/tests/ScriptedRandom.h"
#include "ui/KringForm.h"
#include "ui/desktop/QtDesktop.h"
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

// Runs the test program at path again with only the named test function;
// true when that passed.
bool PassesInChild(std::string program, std::string function) {
    char* const argv[] = {program.data(), function.data(), nullptr};
    qputenv("KRING_CHILD", "1");
    pid_t pid = 0;
    const int spawned = ::posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ);
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
};

QTEST_MAIN(GameProcessTest)
#include "GameProcessTest.moc"
