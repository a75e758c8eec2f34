// Filling the word list control with 18,000 words, the way the load command
// does: the control is already on screen, it is emptied, the reader hands the
// words over one at a time, and then the list is laid out and painted.
//
// Compared: QListWidget::addItem per word, and QListView over a
// QStringListModel with one row appended per word; the model filled in one
// go with setStringList is there for reference. Each runs with and without
// uniform item sizes.

#include "OffscreenBenchmarkMain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListView>
#include <QListWidget>
#include <QStringList>
#include <QStringListModel>

#include <memory>

namespace {

constexpr int wordCount = 18000;

// Eight-letter upper-case words, all different, from a fixed sequence.
const QStringList& words() {
    static const QStringList list = [] {
        QStringList result;
        result.reserve(wordCount);
        unsigned state = 12345;
        for (int i = 0; i < wordCount; ++i) {
            QString word(8, QChar(u'A'));
            for (QChar& letter : word) {
                state = state * 1103515245u + 12345u;
                letter = QChar(u'A' + (state >> 16) % 26);
            }
            result.append(word);
        }
        return result;
    }();
    return list;
}

// The list's place in the window: 1800 × 3420 twips.
constexpr int listWidth = 120;
constexpr int listHeight = 228;

template <typename View> void showOnScreen(View& view, bool uniformItemSizes) {
    view.setUniformItemSizes(uniformItemSizes);
    view.resize(listWidth, listHeight);
    view.show();
    QApplication::processEvents();
}

// What it takes before the user sees the filled list: the deferred layout
// runs and the visible part is painted once.
void layOutAndPaint(QWidget& view) {
    QApplication::processEvents();
    benchmark::DoNotOptimize(view.grab());
}

void listWidgetAddItem(benchmark::State& state) {
    const QStringList& list = words();
    for (auto _ : state) {
        state.PauseTiming();
        auto view = std::make_unique<QListWidget>();
        showOnScreen(*view, state.range(0) != 0);
        state.ResumeTiming();

        view->clear();
        for (const QString& word : list) {
            view->addItem(word);
        }
        layOutAndPaint(*view);

        state.PauseTiming();
        if (view->count() != wordCount) {
            state.SkipWithError("list widget lost words");
        }
        view.reset();
        state.ResumeTiming();
    }
}

// Times fill(model) and the layout and paint that follow, each round on a
// fresh list view over an empty model; making and destroying them is not timed.
template <typename Fill> void timeModelFill(benchmark::State& state, Fill fill) {
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<QStringListModel>();
        auto view = std::make_unique<QListView>();
        view->setModel(model.get());
        showOnScreen(*view, state.range(0) != 0);
        state.ResumeTiming();

        fill(*model);
        layOutAndPaint(*view);

        state.PauseTiming();
        if (model->rowCount() != wordCount) {
            state.SkipWithError("model lost words");
        }
        view.reset();
        model.reset();
        state.ResumeTiming();
    }
}

void listViewAppendRows(benchmark::State& state) {
    const QStringList& list = words();
    timeModelFill(state, [&list](QStringListModel& model) {
        model.setStringList({});
        for (const QString& word : list) {
            const int row = model.rowCount();
            model.insertRows(row, 1);
            model.setData(model.index(row), word);
        }
    });
}

void listViewSetStringList(benchmark::State& state) {
    const QStringList& list = words();
    timeModelFill(state, [&list](QStringListModel& model) {
        QStringList collected;
        for (const QString& word : list) {
            collected.append(word);
        }
        model.setStringList(collected);
    });
}

void configure(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgName("uniform")
        ->Arg(0)
        ->Arg(1)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
}

BENCHMARK(listWidgetAddItem)->Apply(configure);
BENCHMARK(listViewAppendRows)->Apply(configure);
BENCHMARK(listViewSetStringList)->Apply(configure);

} // namespace

int main(int argc, char* argv[]) {
    return RunOffscreenBenchmarks(argc, argv);
}
