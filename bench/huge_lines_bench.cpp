// A word file of huge lines, one of 50 MiB or 40 of 1 MiB: how long the window
// takes to answer a click after Load and after Plaatsen, and its peak memory
// above what the shown window took, beside the file's size. Qt runs offscreen.

#include "core/ClockSeededRandom.h"
#include "ui/KringForm.h"
#include "ui/desktop/QtDesktop.h"

#include "OffscreenBenchmarkMain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// The real desktop with the word file in folder, and a clock that jumps a
// second at every reading, so a press's wait ends at once.
class FolderDesktop final : public kring::QtDesktop {
public:
    explicit FolderDesktop(std::filesystem::path folder) : folder_(std::move(folder)) {}
    double monotonicSeconds() override { return seconds_ += 1.0; }
    std::filesystem::path applicationFolder() override { return folder_; }

private:
    std::filesystem::path folder_;
    double seconds_ = 0;
};

// A line of /proc/self/status, such as "VmHWM:", in bytes.
double StatusBytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string name;
    double kibibytes = 0;
    while (status >> name) {
        if (name == field && status >> kibibytes)
            return kibibytes * 1024;
        status.ignore(1 << 10, '\n');
    }
    return 0;
}

// From the command until the window has repainted and answered a click on the
// check box.
double AnswerSeconds(kring::KringForm& form, void (kring::KringForm::*command)()) {
    const auto start = std::chrono::steady_clock::now();
    (form.*command)();
    QCoreApplication::processEvents();
    form.Check1->click();
    QCoreApplication::processEvents();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void HugeLines(benchmark::State& state) {
    const auto lines = static_cast<int>(state.range(0));
    const auto lineBytes = static_cast<qsizetype>(state.range(1));
    QTemporaryDir folder;
    QDir(folder.path()).mkpath("Data");
    QFile file(folder.filePath("Data/Woorden.txt"));
    QByteArray line(lineBytes, 'W');
    line.append("\r\n");
    if (!file.open(QIODevice::WriteOnly)) {
        state.SkipWithError("cannot write the word file");
        return;
    }
    for (int i = 0; i < lines; ++i)
        file.write(line);
    file.close();

    for (auto _ : state) {
        FolderDesktop desktop(folder.path().toStdU16String());
        kring::ClockSeededRandom random;
        kring::KringForm form(desktop, random);
        form.show();
        QCoreApplication::processEvents();
        std::ofstream("/proc/self/clear_refs") << "5"; // the peak starts again from here
        const double idle = StatusBytes("VmRSS:");
        state.counters["load_s"] = AnswerSeconds(form, &kring::KringForm::LoadKnop_Click);
        state.counters["make_s"] = AnswerSeconds(form, &kring::KringForm::MakeKnop_Click);
        state.counters["peak_x_file"] = (StatusBytes("VmHWM:") - idle) / double(file.size());
    }
}
BENCHMARK(HugeLines)
    ->ArgNames({"lines", "bytes"})
    ->Args({1, 50 << 20})
    ->Args({40, 1 << 20})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

} // namespace

int main(int argc, char* argv[]) {
    return RunOffscreenBenchmarks(argc, argv);
}
