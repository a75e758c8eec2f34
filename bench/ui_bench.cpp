// The window's costs, each beside what it is compared with:
// - Load: the load command's work after its press (busy pointer, reading the
//   shipped list into the list box, the count, default pointer), beside
//   reading and decoding the same file alone.
// - Make: the make command's work after its press until the board has been
//   repainted.
// - A press: the CPU time one press of a picture button takes with the real
//   clock and its 0.2-second wait, from getrusage (user and system time).
// - Start-up: a fresh process until the game's window is shown, in turn with
//   one until a window of its size with one label is shown, and one until an
//   empty window is shown.
// Qt runs on its offscreen platform throughout.

#include "core/ClockSeededRandom.h"
#include "ui/KringForm.h"
#include "ui/PressFeedback.h"
#include "ui/desktop/QtDesktop.h"
#include "ui/toolkit/ImageButton.h"
#include "ui/toolkit/ListBox.h"
#include "wordlist/WordFile.h"

#include "OffscreenBenchmarkMain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QWindow>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

extern char** environ;

namespace {

// The benchmark lives in <build>/bench; the build's Data folder sits one up.
QString BuildFolder() {
    return QDir(QCoreApplication::applicationDirPath() + "/..").canonicalPath();
}

// The real desktop, but its clock jumps a second at every reading, so the
// press's wait ends at its first check, without processing any event.
class NoWaitDesktop final : public kring::QtDesktop {
public:
    double monotonicSeconds() override { return seconds_ += 1.0; }
    std::filesystem::path applicationFolder() override { return BuildFolder().toStdU16String(); }

private:
    double seconds_ = 0;
};

struct ShownForm {
    ShownForm() {
        form.show();
        QCoreApplication::processEvents();
    }
    NoWaitDesktop desktop;
    kring::ClockSeededRandom random;
    kring::KringForm form{desktop, random};
};

void Load(benchmark::State& state) {
    ShownForm shown;
    for (auto _ : state)
        shown.form.LoadKnop_Click();
    if (shown.form.List1->listCount() != 18000)
        state.SkipWithError("the shipped list did not load");
}

// The same, and then the list laid out and painted once, as the player sees it.
void LoadUntilRepainted(benchmark::State& state) {
    ShownForm shown;
    for (auto _ : state) {
        shown.form.LoadKnop_Click();
        QCoreApplication::processEvents();
    }
}

void ReadAndDecodeWordFileAlone(benchmark::State& state) {
    const std::filesystem::path file =
        std::filesystem::path(BuildFolder().toStdU16String()) / "Data" / "Woorden.txt";
    for (auto _ : state) {
        std::size_t lines = 0;
        kring::ReadWordFileAt(file, [&](std::u16string_view line) {
            benchmark::DoNotOptimize(line.data());
            ++lines;
            return true;
        });
        if (lines != 18000)
            state.SkipWithError("the shipped list was not read");
    }
}

void MakeUntilRepainted(benchmark::State& state) {
    ShownForm shown;
    shown.form.LoadKnop_Click();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        shown.form.MakeKnop_Click();
        QCoreApplication::processEvents();
    }
}

double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void PressCpu(benchmark::State& state) {
    kring::QtDesktop desktop;
    kring::ClockSeededRandom random;
    kring::KringForm form(desktop, random);
    form.show();
    QCoreApplication::processEvents();
    const double before = ProcessCpuSeconds();
    for (auto _ : state)
        kring::PressFeedback(*form.MakeKnop, desktop);
    state.counters["cpu_ms_per_press"] =
        1000.0 * (ProcessCpuSeconds() - before) / double(state.iterations());
}

// --- Start-up, measured over whole processes: this program again, told what to show.

constexpr const char* ChildFlag = "--show-and-exit=";

void ShowAndExit(const char* what, int argc, char** argv) {
    QApplication app(argc, argv);
    NoWaitDesktop desktop;
    kring::ClockSeededRandom random;
    std::unique_ptr<QWidget> window;
    if (std::strcmp(what, "game") == 0) {
        window = std::make_unique<kring::KringForm>(desktop, random);
    } else {
        window = std::make_unique<QWidget>();
        window->setFixedSize(612, 394);
        window->setWindowTitle("Kringwoord");
        if (std::strcmp(what, "text") == 0)
            new QLabel("0 Woorden", window.get());
    }
    window->show();
    while (!window->windowHandle()->isExposed())
        QCoreApplication::processEvents();
    QCoreApplication::processEvents(); // the first paint
    std::_Exit(0);
}

// Seconds a fresh process of this program takes to show what it is told.
double StartUpSeconds(const char* what) {
    const std::string self = QCoreApplication::applicationFilePath().toStdString();
    std::string flag = std::string(ChildFlag) + what;
    char* args[] = {const_cast<char*>(self.c_str()), flag.data(), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    int status = 0;
    if (posix_spawn(&child, self.c_str(), nullptr, nullptr, args, environ) != 0 ||
        waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// The game's window beside one of the same size that shows one label (what
// showing any text costs at start, most of it fontconfig reading its
// configuration and caches) and an empty one. They start in turn, so that
// whatever else the machine does falls on all three alike.
void StartUpSideBySide(benchmark::State& state) {
    std::vector<double> game, label, empty;
    for (auto _ : state) {
        game.push_back(StartUpSeconds("game"));
        label.push_back(StartUpSeconds("text"));
        empty.push_back(StartUpSeconds("empty"));
        if (game.back() < 0 || label.back() < 0 || empty.back() < 0) {
            state.SkipWithError("a start-up process failed");
            return;
        }
    }
    state.counters["game_ms"] = Median(game) * 1e3;
    state.counters["label_ms"] = Median(label) * 1e3;
    state.counters["empty_ms"] = Median(empty) * 1e3;
    state.counters["game_per_label"] = Median(game) / Median(label);
}

void Configure(benchmark::internal::Benchmark* benchmark) {
    benchmark->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
}

BENCHMARK(Load)->Apply(Configure);
BENCHMARK(LoadUntilRepainted)->Apply(Configure);
BENCHMARK(ReadAndDecodeWordFileAlone)->Apply(Configure);
BENCHMARK(MakeUntilRepainted)->Apply(Configure)->Unit(benchmark::kMicrosecond);
BENCHMARK(PressCpu)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(StartUpSideBySide)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(40);

} // namespace

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (argc == 2 && std::strncmp(argv[1], ChildFlag, std::strlen(ChildFlag)) == 0)
        ShowAndExit(argv[1] + std::strlen(ChildFlag), argc, argv);
    return RunOffscreenBenchmarks(argc, argv);
}
