#include "wordlist/OpenedWordFile.h"

#include <windows.h>

#include <algorithm>

namespace kring {

namespace {

HANDLE Handle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

} // namespace

OpenedWordFile::OpenedWordFile(const std::filesystem::path& path)
    : handle_(reinterpret_cast<std::intptr_t>(INVALID_HANDLE_VALUE)) {
    // CreateFileW would stop at a NUL and read some other file.
    if (path.native().find(L'\0') != std::wstring::npos)
        return;
    // The wide name as it is. Others may go on reading and writing the file;
    // a file that another program holds locked does not open.
    const HANDLE file =
        ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    LARGE_INTEGER size{};
    // A pipe, a console or a device is not a word file.
    if (::GetFileType(file) != FILE_TYPE_DISK || !::GetFileSizeEx(file, &size) ||
        size.QuadPart < 0) {
        ::CloseHandle(file);
        return;
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    size_ = static_cast<std::uint64_t>(size.QuadPart);
}

OpenedWordFile::~OpenedWordFile() {
    if (isOpen())
        ::CloseHandle(Handle(handle_));
}

bool OpenedWordFile::isOpen() const {
    return Handle(handle_) != INVALID_HANDLE_VALUE;
}

std::uint64_t OpenedWordFile::size() const {
    return size_;
}

std::ptrdiff_t OpenedWordFile::read(char* buffer, std::size_t count) {
    DWORD got = 0;
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(count, 1u << 30));
    if (!::ReadFile(Handle(handle_), buffer, wanted, &got, nullptr))
        return -1;
    return got;
}

} // namespace kring
