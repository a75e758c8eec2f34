// The foundation's costs, measured in one run: reading and decoding the shipped
// word list, reading its bytes alone (the floor the reader is compared with),
// and making one puzzle with the real random source.

#include "core/ClockSeededRandom.h"
#include "core/GeneratePuzzle.h"
#include "core/tests/VectorWordList.h"
#include "wordlist/WordFile.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The benchmark lives in <build>/bench; the build's word list is in <build>/Data.
const std::filesystem::path& WordFile() {
    static const std::filesystem::path file =
        std::filesystem::canonical("/proc/self/exe").parent_path().parent_path() / "Data" /
        "Woorden.txt";
    return file;
}

std::vector<std::u16string> ShippedWords() {
    std::vector<std::u16string> words;
    kring::ReadWordFileAt(WordFile(), [&](std::u16string_view line) {
        words.emplace_back(line);
        return true;
    });
    return words;
}

// The reader's own work: every line decoded and handed over. The sink adds up
// the lengths and the last characters, so every line must really reach it with
// its text decoded.
void ReadAndDecodeWordFile(benchmark::State& state) {
    std::size_t lines = 0;
    for (auto _ : state) {
        lines = 0;
        std::size_t characters = 0;
        std::uint32_t lastCharacters = 0;
        const kring::WordFileResult result =
            kring::ReadWordFileAt(WordFile(), [&](std::u16string_view line) {
                ++lines;
                characters += line.size();
                if (!line.empty()) {
                    lastCharacters += line.back();
                }
                return true;
            });
        std::size_t seen = characters + lastCharacters;
        benchmark::DoNotOptimize(seen);
        if (result != kring::WordFileResult::Complete || lines == 0) {
            state.SkipWithError("the word list in <build>/Data could not be read");
            break;
        }
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(ReadAndDecodeWordFile)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// The same with every line copied into a vector: adds one heap block per word.
void ReadDecodeAndKeepWordFile(benchmark::State& state) {
    std::vector<std::u16string> lines;
    lines.reserve(kring::MaxWordCount);
    for (auto _ : state) {
        lines.clear();
        kring::ReadWordFileAt(WordFile(), [&](std::u16string_view line) {
            lines.emplace_back(line);
            return true;
        });
        benchmark::DoNotOptimize(lines.data());
    }
    state.counters["lines"] = static_cast<double>(lines.size());
}
BENCHMARK(ReadDecodeAndKeepWordFile)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// The floor: the file's bytes read in one go, nothing done with them.
void ReadWordFileBytesOnly(benchmark::State& state) {
    std::int64_t bytes = 0;
    for (auto _ : state) {
        const kring::WordFileBytes file =
            kring::ReadWordFileBytes(WordFile(), kring::MaxWordFileBytes);
        if (!file.whole) {
            state.SkipWithError("the word list in <build>/Data could not be read");
            break;
        }
        bytes = static_cast<std::int64_t>(file.bytes.size());
        benchmark::DoNotOptimize(file.bytes.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(ReadWordFileBytesOnly)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

void GeneratePuzzleFromShippedWords(benchmark::State& state) {
    const kring::test::VectorWordList words(ShippedWords());
    if (words.count() == 0) {
        state.SkipWithError("the word list in <build>/Data could not be read");
        return;
    }
    kring::ClockSeededRandom random;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kring::GeneratePuzzle(words, random));
    }
}
BENCHMARK(GeneratePuzzleFromShippedWords)->Repetitions(5)->ReportAggregatesOnly();

} // namespace

BENCHMARK_MAIN();
