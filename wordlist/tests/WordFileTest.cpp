#include "wordlist/WordFile.h"

#include "wordlist/Windows1252.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <random>
#include <string>
#include <vector>

namespace {

// What operator new is asked for while a test watches.
struct Allocations {
    bool watching = false;
    std::size_t largest = 0;
    std::size_t total = 0;
};
Allocations allocations;

void* Allocate(std::size_t size) noexcept {
    if (allocations.watching) {
        allocations.largest = std::max(allocations.largest, size);
        allocations.total += size;
    }
    return std::malloc(size == 0 ? 1 : size);
}

} // namespace

void* operator new(std::size_t size) {
    if (void* block = Allocate(size)) {
        return block;
    }
    throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
// The operator new above takes its blocks from malloc, so free is right here;
// GCC pairs operator new with operator delete only and would warn.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
#pragma GCC diagnostic pop

namespace kring {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// A fresh application folder with an empty Data sub-folder, removed afterwards.
class AppFolder {
public:
    AppFolder() {
        std::string pattern = (fs::temp_directory_path() / "kring-wordfile-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("mkdtemp failed");
        }
        root_ = pattern;
        fs::create_directory(data());
    }
    ~AppFolder() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    AppFolder(const AppFolder&) = delete;
    AppFolder& operator=(const AppFolder&) = delete;
    std::string path() const { return root_.string(); }
    fs::path data() const { return root_ / "Data"; }
    fs::path wordFile(const std::string& name = "Woorden") const {
        return data() / (name + ".txt");
    }

    void write(const std::string& bytes, const std::string& name = "Woorden") const {
        std::ofstream out(wordFile(name), std::ios::binary);
        out << bytes;
    }

private:
    fs::path root_;
};

struct Outcome {
    WordFileResult result;
    std::vector<std::u16string> lines;
};

// acceptCount: the sink refuses every line after that many.
Outcome Read(const std::string& appFolder, const std::string& name = "Woorden",
             std::size_t acceptCount = SIZE_MAX) {
    Outcome outcome;
    outcome.result = ReadWordFile(appFolder, name, [&](std::u16string_view line) {
        if (outcome.lines.size() == acceptCount) {
            return false;
        }
        outcome.lines.emplace_back(line);
        return true;
    });
    return outcome;
}

// The text of line i in Lines().
std::string LineText(std::size_t i) {
    std::string text = "W";
    text += std::to_string(i);
    return text;
}

std::string Lines(int count, const std::string& lineEnd) {
    std::string bytes;
    for (int i = 0; i < count; ++i) {
        bytes += LineText(static_cast<std::size_t>(i));
        bytes += lineEnd;
    }
    return bytes;
}

std::string Letters(std::size_t count) {
    std::string text(count, ' ');
    for (std::size_t i = 0; i < count; ++i) {
        text[i] = static_cast<char>('A' + i % 26);
    }
    return text;
}

// Latin-1 bytes as characters.
std::u16string Widen(const std::string& bytes) {
    std::u16string text;
    for (const char byte : bytes) {
        text += static_cast<char16_t>(static_cast<unsigned char>(byte));
    }
    return text;
}

constexpr std::size_t R = WordFileReadSize;

struct SplitCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

TEST(WordFile, SplitsLines) {
    const std::vector<SplitCase> cases = {
        {"empty file", "", {}},
        {"two words, CR LF after each", "AAP\r\nNOOT\r\n", {"AAP", "NOOT"}},
        {"last line without line end", "AAP\r\nNOOT", {"AAP", "NOOT"}},
        {"blank line in between", "AAP\r\n\r\nNOOT\r\n", {"AAP", "", "NOOT"}},
        {"second CR LF at the end", "AAP\r\n\r\n", {"AAP", ""}},
        {"blanks kept", "  AAP \r\n\t\r\n", {"  AAP ", "\t"}},
        {"lone LF stays", "AAP\nNOOT\r\n", {"AAP\nNOOT"}},
        {"lone CR ends a line", "AAP\rNOOT\r\n", {"AAP", "NOOT"}},
        {"CR at the very end", "AAP\r", {"AAP"}},
        {"only CR LF", "\r\n", {""}},
        {"only CR", "\r", {""}},
        {"CR then CR LF", "\r\r\n", {"", ""}},
        {"CR LF then LF", "\r\n\n", {"", "\n"}},
        {"LF CR LF", "\n\r\n", {"\n"}},
        {"byte-order-mark bytes belong to the first line",
         "\xEF\xBB\xBF"
         "AAP",
         {"\xEF\xBB\xBF"
          "AAP"}},
        {"NUL bytes", "A\0B\r\n\0"s, {"A\0B"s, "\0"s}},
        {"CR LF split over two reads", Letters(R - 1) + "\r\nB", {Letters(R - 1), "B"}},
        {"CR ends a read, text follows", Letters(R - 1) + "\rB", {Letters(R - 1), "B"}},
        {"CR ends a read, LF LF follow", Letters(R - 1) + "\r\n\n", {Letters(R - 1), "\n"}},
        {"CR ends the file on a read boundary", Letters(R - 1) + "\r", {Letters(R - 1)}},
        {"line fills a read exactly", Letters(R), {Letters(R)}},
        {"LF opens the second read", Letters(R) + "\nB", {Letters(R) + "\nB"}},
        {"line over three reads",
         "A\r\n" + Letters(2 * R + 10) + "\r\nB",
         {"A", Letters(2 * R + 10), "B"}},
        {"line from an earlier read ends past the next read's first block",
         Letters(R + 100) + "\r\nAB\r\nC",
         {Letters(R + 100), "AB", "C"}},
        {"CR LF across a block boundary", Letters(63) + "\r\nB\r\n", {Letters(63), "B"}},
        {"CR opens a block", Letters(64) + "\rB", {Letters(64), "B"}},
        {"lines fill a block exactly",
         Letters(62) + "\r\n" + Letters(62) + "\r\n",
         {Letters(62), Letters(62)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const AppFolder app;
        app.write(c.bytes);
        const Outcome outcome = Read(app.path());
        EXPECT_EQ(outcome.result, WordFileResult::Complete);
        std::vector<std::u16string> expected;
        std::transform(c.lines.begin(), c.lines.end(), std::back_inserter(expected),
                       [](const std::string& text) { return Widen(text); });
        EXPECT_EQ(outcome.lines, expected);
    }
}

TEST(WordFile, DecodesEveryHighByte) {
    std::string bytes;
    std::u16string expected;
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        bytes += static_cast<char>(byte);
        expected += DecodeWindows1252(static_cast<unsigned char>(byte));
    }
    const AppFolder app;
    app.write(bytes + "\r\n" + "\xC9\xC9N\x8C\r\n");
    const Outcome outcome = Read(app.path());
    EXPECT_EQ(outcome.result, WordFileResult::Complete);
    EXPECT_EQ(outcome.lines, (std::vector<std::u16string>{expected, u"\u00C9\u00C9N\u0152"}));
}

struct LimitCase {
    const char* name;
    std::string bytes;
    WordFileResult result;
    std::size_t lineCount;
};

TEST(WordFile, StopsAfterTheLastLineTheListCanHold) {
    const std::vector<LimitCase> cases = {
        {"40,000 lines", Lines(40000, "\r\n"), WordFileResult::LimitReached, MaxWordCount},
        {"exactly the limit", Lines(MaxWordCount, "\r\n"), WordFileResult::Complete, MaxWordCount},
        {"the limit, last line end missing", Lines(MaxWordCount - 1, "\r\n") + "W32766",
         WordFileResult::Complete, MaxWordCount},
        {"the limit, lone CRs", Lines(MaxWordCount, "\r"), WordFileResult::Complete, MaxWordCount},
        {"one blank line too many", Lines(MaxWordCount, "\r\n") + "\r\n",
         WordFileResult::LimitReached, MaxWordCount},
        {"one below the limit", Lines(MaxWordCount - 1, "\r\n"), WordFileResult::Complete,
         MaxWordCount - 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const AppFolder app;
        app.write(c.bytes);
        const Outcome outcome = Read(app.path());
        EXPECT_EQ(outcome.result, c.result);
        ASSERT_EQ(outcome.lines.size(), c.lineCount);
        EXPECT_EQ(outcome.lines.front(), u"W0");
        EXPECT_EQ(outcome.lines.back(), Widen(LineText(c.lineCount - 1)));
    }
}

TEST(WordFile, OpensOnlyRegularFiles) {
    struct Case {
        const char* name;
        void (*prepare)(const AppFolder&);
    };
    const std::vector<Case> cases = {
        {"no word file", [](const AppFolder&) {}},
        {"no Data folder", [](const AppFolder& app) { fs::remove(app.data()); }},
        {"FIFO",
         [](const AppFolder& app) { ASSERT_EQ(::mkfifo(app.wordFile().c_str(), 0600), 0); }},
        {"folder named Woorden.txt",
         [](const AppFolder& app) { fs::create_directory(app.wordFile()); }},
        {"endless device",
         [](const AppFolder& app) { fs::create_symlink("/dev/zero", app.wordFile()); }},
        {"dangling link",
         [](const AppFolder& app) { fs::create_symlink("Weg.txt", app.wordFile()); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const AppFolder app;
        c.prepare(app);
        const Outcome outcome = Read(app.path());
        EXPECT_EQ(outcome.result, WordFileResult::NotOpened);
        EXPECT_TRUE(outcome.lines.empty());
    }
}

TEST(WordFile, NameWithNulOpensNothing) {
    const AppFolder app;
    app.write("AAP\r\n", "Woorden");
    EXPECT_EQ(Read(app.path(), "Woorden\0.bak"s).result, WordFileResult::NotOpened);
    EXPECT_EQ(Read(app.path() + "\0/elders"s).result, WordFileResult::NotOpened);
}

TEST(WordFile, PathIsFolderDataNameTxt) {
    struct Case {
        std::string folder;
        std::string name;
        std::string path;
    };
    const std::vector<Case> cases = {
        {"/opt/kringwoord", "Woorden", "/opt/kringwoord/Data/Woorden.txt"},
        {"/", "Woorden", "//Data/Woorden.txt"},
        {"/opt/kringwoord/", "Woorden", "/opt/kringwoord//Data/Woorden.txt"},
        {"/home/an de Vries/spel", "woorden.v2", "/home/an de Vries/spel/Data/woorden.v2.txt"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WordFilePath(c.folder, c.name), c.path);
    }
}

TEST(WordFile, RefusedLineKeepsEarlierLinesAndNextReadStartsAfresh) {
    const AppFolder app;
    app.write("AAP\r\nNOOT\r\nMIES\r\nWIM\r\n");
    const Outcome refused = Read(app.path(), "Woorden", 2);
    EXPECT_EQ(refused.result, WordFileResult::Refused);
    EXPECT_EQ(refused.lines, (std::vector<std::u16string>{u"AAP", u"NOOT"}));

    const Outcome again = Read(app.path());
    EXPECT_EQ(again.result, WordFileResult::Complete);
    EXPECT_EQ(again.lines, (std::vector<std::u16string>{u"AAP", u"NOOT", u"MIES", u"WIM"}));
}

TEST(WordFile, FailedReadIsReported) {
    const AppFolder app;
    // A regular file by fstat whose first read fails: this process's memory at address 0.
    fs::create_symlink("/proc/self/mem", app.wordFile());
    const Outcome outcome = Read(app.path());
    EXPECT_EQ(outcome.result, WordFileResult::ReadFailed);
    EXPECT_TRUE(outcome.lines.empty());
}

TEST(WordFile, LeavesFileAndFolderUntouched) {
    const AppFolder app;
    const std::string bytes = "AAP\r\nNOOT\r\n";
    app.write(bytes);
    const timespec past[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, app.wordFile().c_str(), past, 0), 0);
    ASSERT_EQ(::utimensat(AT_FDCWD, app.data().c_str(), past, 0), 0);

    ASSERT_EQ(Read(app.path()).result, WordFileResult::Complete);

    struct stat file {};
    struct stat folder {};
    ASSERT_EQ(::stat(app.wordFile().c_str(), &file), 0);
    ASSERT_EQ(::stat(app.data().c_str(), &folder), 0);
    EXPECT_EQ(file.st_mtim.tv_sec, past[1].tv_sec);
    EXPECT_EQ(file.st_mtim.tv_nsec, 0);
    EXPECT_EQ(folder.st_mtim.tv_sec, past[1].tv_sec);
    std::ifstream in(app.wordFile(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), bytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(app.data()), fs::directory_iterator()), 1);
}

// A line that spans reads is gathered in a buffer that grows geometrically,
// but never past the bytes left in the file, and is handed over without a copy
// of its own.
TEST(WordFile, LongLineTakesNoMoreRoomThanTheFileHolds) {
    for (const std::size_t size :
         {std::size_t{1}, R - 1, R, R + 1, 3 * R + 7, (std::size_t{1} << 20) + 3}) {
        for (const std::string lineEnd : {"", "\r\n"}) {
            SCOPED_TRACE(std::to_string(size) + (lineEnd.empty() ? " bytes" : " bytes and CR LF"));
            const AppFolder app;
            const std::string bytes = Letters(size) + lineEnd;
            app.write(bytes);
            Outcome outcome;
            outcome.lines.reserve(1);
            allocations = {true, 0, 0};
            outcome.result = ReadWordFile(app.path(), "Woorden", [&](std::u16string_view line) {
                outcome.lines.emplace_back(line);
                return true;
            });
            allocations.watching = false;
            EXPECT_EQ(outcome.result, WordFileResult::Complete);
            ASSERT_EQ(outcome.lines.size(), 1u);
            EXPECT_EQ(outcome.lines[0], Widen(Letters(size)));
            // Past the reader's own fixed buffers, the line buffer and the
            // sink's copy are the largest blocks: two bytes a character each.
            // Geometric growth adds up to a few times the line; growing a
            // read at a time would add up to reads times the line.
            if (size > 2 * R) {
                EXPECT_LE(allocations.largest, 2 * bytes.size() + 2);
                EXPECT_LE(allocations.total, 10 * bytes.size());
            }
        }
    }
}

// The rules, one byte at a time.
std::vector<std::u16string> SplitByTheRules(const std::string& bytes) {
    std::vector<std::u16string> lines;
    std::u16string line;
    bool lineStarted = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            lines.push_back(line);
            line.clear();
            lineStarted = false;
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++i;
            }
        } else {
            line += DecodeWindows1252(static_cast<unsigned char>(bytes[i]));
            lineStarted = true;
        }
    }
    if (lineStarted) {
        lines.push_back(line);
    }
    return lines;
}

// Line ends, LFs and bytes that need the table at every place in the reader's
// blocks and reads, with lines from empty to longer than a read.
TEST(WordFile, AgreesWithTheRulesOnMixedText) {
    std::mt19937 random(20240617);
    const std::string palette = "ABCDEFGH\n\0\x80\x8C\x9F\xA0\xC9\xFF"s;
    std::string bytes;
    while (bytes.size() < 3 * R + 1000) {
        // Stretches of dense and sparse line ends.
        const std::size_t meanLine = std::vector<std::size_t>{1, 4, 10, 70, 3000}[random() % 5];
        for (int i = 0; i < 400; ++i) {
            if (random() % meanLine == 0) {
                bytes += random() % 3 == 0 ? "\r" : "\r\n";
            } else {
                bytes += palette[random() % palette.size()];
            }
        }
    }
    ASSERT_GT(SplitByTheRules(bytes).size(), 1000u);
    // Each cut puts every byte at another place in the blocks and reads.
    for (const std::size_t cut : {std::size_t{0}, std::size_t{1}, std::size_t{37}}) {
        SCOPED_TRACE("first " + std::to_string(cut) + " bytes dropped");
        const AppFolder app;
        app.write(bytes.substr(cut));
        const Outcome outcome = Read(app.path());
        EXPECT_EQ(outcome.result, WordFileResult::Complete);
        EXPECT_EQ(outcome.lines, SplitByTheRules(bytes.substr(cut)));
    }
}

TEST(ShippedWordList, BuildFolderHoldsTheWholeList) {
    const Outcome outcome = Read(KRING_BUILD_FOLDER);
    EXPECT_EQ(outcome.result, WordFileResult::Complete);
    EXPECT_EQ(outcome.lines.size(), 18000u);
}

} // namespace
} // namespace kring
