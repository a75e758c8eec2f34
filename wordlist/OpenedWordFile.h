#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace kring {

// The word file, opened read-only by the platform's own calls; closed when
// this goes. Only a regular file opens, and opening never waits (a FIFO, a
// device or a folder does not open). The reading rules are the reader's.
class OpenedWordFile {
public:
    explicit OpenedWordFile(const std::filesystem::path& path);
    ~OpenedWordFile();
    OpenedWordFile(const OpenedWordFile&) = delete;
    OpenedWordFile& operator=(const OpenedWordFile&) = delete;

    bool isOpen() const;
    // The size when it was opened; 0 when the file does not tell.
    std::uint64_t size() const;
    // Reads at most count bytes into buffer; 0 at the end, -1 on failure.
    std::ptrdiff_t read(char* buffer, std::size_t count);

private:
    std::intptr_t handle_; // a file descriptor on Linux, a HANDLE on Windows
    std::uint64_t size_ = 0;
};

} // namespace kring
