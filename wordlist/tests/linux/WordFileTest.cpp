// What only Linux has: FIFOs, devices, /proc and iconv.

#include "../WordFileTesting.h"
#include "wordlist/OpenedWordFile.h"

#include <gtest/gtest.h>

#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace kring {
namespace {

using namespace std::string_literals;

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

TEST(WordFile, OpensOnlyRegularFilesAndClosesThem) {
    AppFolder app;
    const fs::path fifo = app.wordFile().parent_path() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string names[] = {app.wordFile(), app.path().string() + "/Data", fifo, "/dev/zero",
                                 app.path().string() + "/Data/\0/etc/passwd"s};
    const auto openFiles = [] {
        return std::distance(fs::directory_iterator("/proc/self/fd"), {});
    };
    const auto openBefore = openFiles();
    for (const std::string& name : names) {
        EXPECT_EQ(Read(name).result, WordFileResult::NotOpened) << name;
    }
    app.write("AAP\r\n");
    EXPECT_EQ(Read(app.wordFile()).lines.size(), 1u);
    EXPECT_EQ(openFiles(), openBefore); // and each file it opened, it closed
}

TEST(WordFile, AProcFileThatSaysItIsEmptyGivesNoLines) {
    const Outcome outcome = Read("/proc/self/pagemap");
    EXPECT_EQ(outcome.result, WordFileResult::Complete);
    EXPECT_TRUE(outcome.lines.empty());
}

// An earlier call left EINTR in errno, and the file shrinks once opened.
TEST(WordFile, AStaleEintrNeitherStopsTheOpeningNorTheEnd) {
    AppFolder app;
    app.write("AAP\r\n");
    ::alarm(5); // a call that never ends is stopped by the signal
    errno = EINTR;
    OpenedWordFile file(app.wordFile());
    ASSERT_TRUE(file.isOpen());
    fs::resize_file(app.wordFile(), 0);
    errno = EINTR;
    char byte;
    EXPECT_EQ(file.read(&byte, 1), 0);
    ::alarm(0);
}

} // namespace
} // namespace kring
