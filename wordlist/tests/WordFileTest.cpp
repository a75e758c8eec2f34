#include "wordlist/WordFile.h"

#include <gtest/gtest.h>

#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace kring {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// A fresh application folder with an empty Data sub-folder, removed afterwards.
class AppFolder {
public:
    AppFolder() : root_(fs::temp_directory_path() / "kring-wordfile-XXXXXX") {
        std::string pattern = root_.string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("mkdtemp failed");
        }
        root_ = pattern;
        fs::create_directory(root_ / "Data");
    }
    ~AppFolder() { fs::remove_all(root_); }
    std::string path() const { return root_.string(); }
    fs::path wordFile() const { return root_ / "Data" / "Woorden.txt"; }
    void write(const std::string& bytes) const {
        std::ofstream(wordFile(), std::ios::binary) << bytes;
    }

private:
    fs::path root_;
};

struct Outcome {
    WordFileResult result;
    std::vector<std::u16string> lines;
};

// The sink refuses every line after acceptCount.
Outcome Read(const std::string& path, WordFileLimits limits = {}, std::size_t acceptCount = SIZE_MAX) {
    Outcome outcome;
    outcome.result = ReadWordFileAt(path, [&](std::u16string_view line) {
        if (outcome.lines.size() == acceptCount) {
            return false;
        }
        outcome.lines.emplace_back(line);
        return true;
    }, limits);
    return outcome;
}

// Latin-1 bytes as characters.
std::vector<std::u16string> Widen(const std::vector<std::string>& lines) {
    std::vector<std::u16string> wide;
    for (const std::string& line : lines) {
        wide.emplace_back(line.begin(), line.end());
        for (char16_t& c : wide.back()) {
            c = static_cast<unsigned char>(c);
        }
    }
    return wide;
}

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
        {"larger than the cap: the unfinished line goes", "AAP\r\nNOOT\r\nMIES", {"AAP", "NOOT"},
         ReadFailed, {.maxBytes = 13}},
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

TEST(WordFile, DecodesWindows1252LikeTheCLibrary) {
    const iconv_t converter = ::iconv_open("UTF-16LE", "WINDOWS-1252");
    std::u16string text;
    for (int byte = 0; byte < 256; ++byte) {
        char in = static_cast<char>(byte), *inAt = &in;
        char16_t out = static_cast<char16_t>(byte); // stays for the five undefined bytes
        char* outAt = reinterpret_cast<char*>(&out);
        std::size_t inLeft = 1, outLeft = 2;
        ::iconv(converter, &inAt, &inLeft, &outAt, &outLeft);
        DecodeWindows1252(std::string(1, in), text);
        EXPECT_EQ(text, std::u16string(1, out)) << byte;
    }
    ::iconv_close(converter);
}

TEST(WordFile, OpensOnlyRegularFilesInAKnownFolder) {
    AppFolder app;
    const fs::path fifo = app.wordFile().parent_path() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string names[] = {app.wordFile(), app.path() + "/Data", fifo, "/dev/zero",
                                 app.path() + "/Data/\0/etc/passwd"s};
    for (const std::string& name : names) {
        EXPECT_EQ(Read(name).result, WordFileResult::NotOpened) << name;
    }
    app.write("AAP\r\n");
    const auto noLines = [](std::u16string_view) { return false; };
    EXPECT_EQ(ReadWordFile(app.path(), "Woorden", noLines), WordFileResult::Refused);
    EXPECT_EQ(ReadWordFile("", "Woorden", noLines), WordFileResult::NotOpened);
    EXPECT_EQ(WordFilePath("/", "Woorden"), "//Data/Woorden.txt");
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
        EXPECT_EQ(SplitWordFileLines(file, [&](std::u16string_view line) {
                      lines.emplace_back(line);
                      return true;
                  }, MaxWordCount),
                  row.result);
        EXPECT_EQ(lines, Widen(row.lines));
    }
}

TEST(WordFile, AProcFileThatSaysItIsEmptyGivesNoLines) {
    const Outcome outcome = Read("/proc/self/pagemap");
    EXPECT_EQ(outcome.result, WordFileResult::Complete);
    EXPECT_TRUE(outcome.lines.empty());
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
