#include "WordFileTesting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace kring {
namespace {

using namespace std::string_literals;

struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
    WordFileResult result = WordFileResult::Complete;
    WordFileLimits limits = {};
};

TEST(WordFile, SplitsLinesWithinTheLimits) {
    using enum WordFileResult;
    const Case cases[] = {
        {"empty file", "", {}},
        {"CR LF after each word", "AAP\r\nNOOT\r\n", {"AAP", "NOOT"}},
        {"last line without line end", "AAP\r\nNOOT", {"AAP", "NOOT"}},
        {"blank line in between", "AAP\r\n\r\nNOOT\r\n", {"AAP", "", "NOOT"}},
        {"second CR LF at the end", "AAP\r\n\r\n", {"AAP", ""}},
        {"blanks and case kept", "  aap \r\n\t\r\n", {"  aap ", "\t"}},
        {"lone LF stays", "AAP\nNOOT\r\n", {"AAP\nNOOT"}},
        {"lone CR ends a line", "AAP\rNOOT\r\n", {"AAP", "NOOT"}},
        {"CR then CR LF", "\r\r\n", {"", ""}},
        {"CR LF then LF", "\r\n\n", {"", "\n"}},
        {"NUL and high bytes", "A\0\xE9\r\n\xFF"s, {"A\0\xE9"s, "\xFF"}},
        {"larger than the cap: the unfinished line goes",
         "AAP\r\nNOOT\r\nMIES",
         {"AAP", "NOOT"},
         ReadFailed,
         {.maxBytes = 13}},
        {"cap ends on a CR", "AAP\r\nNOOT\r\nMIES", {"AAP", "NOOT"}, ReadFailed, {.maxBytes = 10}},
        {"one line past the cap", "AAPNOOTMIES", {}, ReadFailed, {.maxBytes = 4}},
        {"exactly the cap", "AAP\r\nNOOT", {"AAP", "NOOT"}, Complete, {.maxBytes = 9}},
        {"past the line limit", "A\r\nB\r\nC", {"A", "B"}, LimitReached, {.maxLines = 2}},
        {"exactly the line limit", "A\r\nB\r\n", {"A", "B"}, Complete, {.maxLines = 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AppFolder app;
        app.write(c.bytes);
        const Outcome outcome = Read(app.wordFile(), c.limits);
        EXPECT_EQ(outcome.result, c.result);
        EXPECT_EQ(outcome.lines, Widen(c.lines));
    }
}

TEST(WordFile, StopsAfterTheLastLineTheListCanHold) {
    std::string bytes;
    for (int i = 0; i < 40000; ++i) {
        bytes += "W" + std::to_string(i) + "\r\n";
    }
    AppFolder app;
    app.write(bytes);
    const Outcome outcome = Read(app.wordFile());
    EXPECT_EQ(outcome.result, WordFileResult::LimitReached);
    ASSERT_EQ(outcome.lines.size(), std::size_t{MaxWordCount});
    EXPECT_EQ(outcome.lines.back(), u"W32766");
}

// A file that gives fewer bytes than it had when it was opened, a few at a
// time, then ends (it shrank) or fails.
TEST(WordFile, AReadThatEndsEarlyKeepsOnlyTheCompleteLines) {
    using enum WordFileResult;
    struct Row {
        const char* name;
        std::uint64_t sizeAtOpen;
        std::ptrdiff_t last;
        std::vector<std::string> lines;
        WordFileResult result;
    };
    const std::string gives = "AAP\r\nNOOT\r\nMI";
    const Row rows[] = {
        {"all it had", gives.size(), 0, {"AAP", "NOOT", "MI"}, Complete},
        {"shrank", gives.size() + 3, 0, {"AAP", "NOOT"}, ReadFailed},
        {"failed", gives.size() + 3, -1, {"AAP", "NOOT"}, ReadFailed},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::size_t at = 0;
        const WordFileBytes file =
            ReadOpenedFile(row.sizeAtOpen, MaxWordFileBytes, [&](char* into, std::size_t count) {
                const std::size_t n = std::min({count, std::size_t{5}, gives.size() - at});
                gives.copy(into, n, at);
                at += n;
                return n > 0 ? static_cast<std::ptrdiff_t>(n) : row.last;
            });
        std::vector<std::u16string> lines;
        const auto keep = [&](std::u16string_view line) {
            lines.emplace_back(line);
            return true;
        };
        EXPECT_EQ(SplitWordFileLines(file, keep, MaxWordCount), row.result);
        EXPECT_EQ(lines, Widen(row.lines));
    }
}

TEST(WordFile, ARefusedLineStopsTheReadingAndTheNextReadStartsAfresh) {
    AppFolder app;
    app.write("AAP\r\nNOOT\r\nMIES\r\n");
    const Outcome refused = Read(app.wordFile(), {}, 1);
    EXPECT_EQ(refused.result, WordFileResult::Refused);
    EXPECT_EQ(refused.lines, Widen({"AAP"}));
    EXPECT_EQ(Read(app.wordFile()).lines, Widen({"AAP", "NOOT", "MIES"}));
}

} // namespace
} // namespace kring
