#pragma once

#include "wordlist/Windows1252.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>

namespace kring {

// The list box counts its items in 16 bits, so no more lines are read.
inline constexpr int MaxWordCount = 32767;
// About 350 times the shipped list; nothing past it is read.
inline constexpr std::size_t MaxWordFileBytes = std::size_t{64} << 20;

struct WordFileLimits {
    std::size_t maxBytes = MaxWordFileBytes;
    int maxLines = MaxWordCount;
};

enum class WordFileResult {
    Complete,     // read to the end of the file
    NotOpened,    // missing, not a regular file, or not readable
    ReadFailed,   // reading failed part-way, or the file is larger than maxBytes;
                  // the complete lines before that were handed over
    Refused,      // the caller's sink refused a line
    LimitReached, // maxLines lines were handed over; the rest was not read
};

// The bytes of a regular file, read in one go: at most the size the file had
// when it was opened, and never more than maxBytes. whole is false when the
// file is larger than maxBytes or a read failed part-way.
struct WordFileBytes {
    bool opened = false;
    bool whole = false;
    std::string bytes;
};
WordFileBytes ReadWordFileBytes(const std::filesystem::path& path, std::size_t maxBytes);

// The reading itself, for a file already opened whose size at open was
// sizeAtOpen. readSome(into, count) reads at most count bytes and returns how
// many it read, 0 at the end of the file, or -1 when reading failed. A file
// that gives fewer bytes than its size at open has shrunk meanwhile: what came
// is kept, but it is not whole.
using ReadSome = std::function<std::ptrdiff_t(char* into, std::size_t count)>;
WordFileBytes ReadOpenedFile(std::uint64_t sizeAtOpen, std::size_t maxBytes,
                             const ReadSome& readSome);

// Takes one line's text, which lives only as long as the call, and returns
// false to stop the reading.
template <class Sink>
concept LineSink = std::is_invocable_r_v<bool, Sink&, std::u16string_view>;

// Hands each line of the file's bytes, decoded from Windows-1252, to onLine.
// CR LF and a lone CR end a line; a lone LF stays in the text; a last line
// without a line end counts, unless the file was not read whole.
template <LineSink Sink>
WordFileResult SplitWordFileLines(const WordFileBytes& file, Sink&& onLine, int maxLines) {
    if (!file.opened) {
        return WordFileResult::NotOpened;
    }
    std::string_view rest = file.bytes;
    std::u16string line;
    for (int count = 0; !rest.empty(); ++count) {
        if (count == maxLines) {
            return WordFileResult::LimitReached;
        }
        const std::size_t end = rest.find('\r');
        if (end == std::string_view::npos && !file.whole) {
            break; // the line goes on past what was read
        }
        DecodeWindows1252(rest.substr(0, end), line);
        if (!onLine(std::u16string_view(line))) {
            return WordFileResult::Refused;
        }
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (rest.starts_with('\n')) {
            rest.remove_prefix(1);
        }
    }
    return file.whole ? WordFileResult::Complete : WordFileResult::ReadFailed;
}

// Reads the file at path and hands each line to onLine, as SplitWordFileLines
// does. The file is opened read-only, never blocks opening (a FIFO, a device
// or a folder is NotOpened) and is closed before the lines are handed over.
template <LineSink Sink>
WordFileResult ReadWordFileAt(const std::filesystem::path& path, Sink&& onLine,
                              WordFileLimits limits = {}) {
    return SplitWordFileLines(ReadWordFileBytes(path, limits.maxBytes), onLine, limits.maxLines);
}

} // namespace kring
