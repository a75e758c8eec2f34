#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace kring {

// Bytes asked of each read. A line may span any number of reads.
inline constexpr std::size_t WordFileReadSize = 32 * 1024;

// The word file, open for reading: each read is decoded from Windows-1252 and
// its CRs are marked, ready to be cut into lines. The text of a line that goes
// on past the end of a read is kept here until the line ends. The file is
// opened read-only and closed when the reader goes. Only regular files are
// opened: a FIFO, a device or a folder is not, and trying never blocks.
class WordFileReader {
public:
    explicit WordFileReader(const std::string& path);
    ~WordFileReader();
    WordFileReader(const WordFileReader&) = delete;
    WordFileReader& operator=(const WordFileReader&) = delete;

    bool isOpen() const { return fd_ >= 0; }

    // Reads and decodes the next bytes; false if reading failed. size() is 0
    // at the end of the file.
    bool read();

    std::size_t size() const { return size_; }
    // The decoded read, size() characters and a NUL after them.
    const char16_t* text() const { return text_.get(); }
    // Bit i % 64 of crs()[i / 64] is set when text()[i] is a CR, for i < size().
    const std::uint64_t* crs() const { return crs_.get(); }

    // The line that began in an earlier read and has not ended yet.
    bool carrying() const { return carrying_; }
    std::u16string_view carried() const { return line_; }
    // Adds text()[from, to) to the carried line; lineEnds when the line ends at
    // to. False when there is no memory for it.
    bool carry(std::size_t from, std::size_t to, bool lineEnds);
    // Empties the carried line but keeps its room for the next long line.
    void dropCarried();

private:
    bool grow(std::size_t length, std::uint64_t offset, bool lineEnds);

    int fd_ = -1;
    std::uint64_t fileSize_ = 0; // as it was when opened
    std::unique_ptr<unsigned char[]> bytes_;
    std::unique_ptr<char16_t[]> text_;
    std::unique_ptr<std::uint64_t[]> crs_;
    std::size_t size_ = 0;
    std::uint64_t offset_ = 0; // of the current read in the file
    std::u16string line_;
    bool carrying_ = false;
};

} // namespace kring
