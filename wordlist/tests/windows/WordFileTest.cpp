// What only Windows has: wide names, devices by name and files locked by
// their owner.

#include "../WordFileTesting.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace kring {
namespace {

TEST(WordFile, ReadsFromAFolderNamedInAnyScript) {
    const AppFolder app(L" Kringwoord caf\u00e9 \u65e5\u672c");
    app.write("AAP\r\nNOOT\r\n");
    EXPECT_EQ(Read(app.wordFile()).lines, Widen({"AAP", "NOOT"}));
    EXPECT_EQ(Read(app.path() / L"Data" / L"W\u00f6rter.txt").result, WordFileResult::NotOpened);
}

TEST(WordFile, OpensOnlyRegularFiles) {
    const AppFolder app;
    app.write("AAP\r\n");
    const fs::path names[] = {app.path() / "Data", L"NUL", L"\\\\.\\NUL", L"CONIN$",
                              app.path().native() + std::wstring(L"\\Data\\\0\\x", 9)};
    for (const fs::path& name : names) {
        EXPECT_EQ(Read(name).result, WordFileResult::NotOpened) << name;
    }
}

TEST(WordFile, AFileOthersWriteToIsReadAsItWasAtOpening) {
    const AppFolder app;
    app.write("AAP\r\n");
    const HANDLE writer =
        ::CreateFileW(app.wordFile().c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Read(app.wordFile()).lines, Widen({"AAP"}));
    ::CloseHandle(writer);
}

TEST(WordFile, AFileLockedByItsOwnerDoesNotOpen) {
    const AppFolder app;
    app.write("AAP\r\n");
    const HANDLE owner = ::CreateFileW(app.wordFile().c_str(), GENERIC_READ, 0, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(owner, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Read(app.wordFile()).result, WordFileResult::NotOpened);
    ::CloseHandle(owner);
    EXPECT_EQ(Read(app.wordFile()).lines, Widen({"AAP"}));
}

} // namespace
} // namespace kring
