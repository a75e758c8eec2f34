#pragma once

#include "wordlist/WordFileReader.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace kring {

// The list box counts its items in 16 bits, so no more lines are read.
inline constexpr int MaxWordCount = 32767;

enum class WordFileResult {
    Complete,     // read to the end of the file
    NotOpened,    // missing, not a regular file, or not readable
    ReadFailed,   // reading failed part-way; the lines before it were handed over
    Refused,      // the caller's sink refused a line
    LimitReached, // MaxWordCount lines were handed over; the rest was not read
};

// "<appFolder>/Data/<baseName>.txt", joined as plain text. The folder comes as
// the platform reports it: no trailing separator, except at the root.
std::string WordFilePath(std::string_view appFolder, std::string_view baseName);

// Takes one line's text, which lives only as long as the call, and returns
// false to stop the reading.
template <class Sink>
concept LineSink = std::is_invocable_r_v<bool, Sink&, std::u16string_view>;

// Reads the word file line by line, decoding Windows-1252, and hands each line
// to onLine(std::u16string_view) as soon as it is complete; onLine returns
// false to stop. The text is valid only during the call: a sink that keeps a
// line copies it. CR LF and a lone CR end a line; a lone LF stays in the text.
// The file is opened read-only and always closed before this returns. Only
// regular files are read: a FIFO, a device or a folder counts as NotOpened, and
// opening one never blocks. A line too long to hold in memory ends the reading
// as ReadFailed.
template <LineSink Sink>
WordFileResult ReadWordFile(std::string_view appFolder, std::string_view baseName, Sink&& onLine) {
    WordFileReader file(WordFilePath(appFolder, baseName));
    if (!file.isOpen()) {
        return WordFileResult::NotOpened;
    }
    int linesLeft = MaxWordCount;
    bool afterCR = false; // the previous read ended in a CR; an LF next belongs to it
    for (;;) {
        if (!file.read()) {
            return WordFileResult::ReadFailed;
        }
        const std::size_t size = file.size();
        if (size == 0) {
            // The last line may lack its line end.
            if (file.carrying() && !onLine(file.carried())) {
                return WordFileResult::Refused;
            }
            return WordFileResult::Complete;
        }
        const char16_t* const text = file.text();
        const char16_t* const end = text + size;
        const char16_t* lineStart = text + (afterCR && text[0] == u'\n' ? 1 : 0);
        afterCR = end[-1] == u'\r';
        if (lineStart == end) {
            continue;
        }
        if (linesLeft == 0) {
            return WordFileResult::LimitReached;
        }
        // The CRs come 64 characters to a word.
        const std::uint64_t* const crs = file.crs();
        const std::size_t words = (size + 63) / 64;
        std::size_t word = 0;
        std::uint64_t bits = crs[0];
        if (file.carrying()) {
            // Only the first line end of a read can end a line begun earlier.
            while (bits == 0 && ++word < words) {
                bits = crs[word];
            }
            if (bits == 0) {
                if (!file.carry(lineStart - text, size, false)) {
                    return WordFileResult::ReadFailed;
                }
                continue;
            }
            const char16_t* const cr = text + 64 * word + std::countr_zero(bits);
            bits &= bits - 1;
            if (!file.carry(lineStart - text, cr - text, true)) {
                return WordFileResult::ReadFailed;
            }
            const bool accepted = onLine(file.carried());
            file.dropCarried();
            if (!accepted) {
                return WordFileResult::Refused;
            }
            // The NUL after the text is no LF.
            lineStart = cr + 1 + (cr[1] == u'\n');
            if (--linesLeft == 0 && lineStart < end) {
                return WordFileResult::LimitReached;
            }
        }
        for (;;) {
            const char16_t* const blockText = text + 64 * word;
            const auto handOver = [&] {
                const char16_t* const cr =
                    blockText + static_cast<unsigned>(std::countr_zero(bits));
                const bool accepted = onLine(
                    std::u16string_view(lineStart, static_cast<std::size_t>(cr - lineStart)));
                lineStart = cr + 1;
                if (*lineStart == u'\n') {
                    ++lineStart;
                }
                --linesLeft;
                return accepted;
            };
            if (linesLeft > 64) {
                // The limit lies beyond this word.
                for (; bits != 0; bits &= bits - 1) {
                    if (!handOver()) {
                        return WordFileResult::Refused;
                    }
                }
            } else {
                for (; bits != 0; bits &= bits - 1) {
                    if (!handOver()) {
                        return WordFileResult::Refused;
                    }
                    if (linesLeft == 0 && lineStart < end) {
                        return WordFileResult::LimitReached;
                    }
                }
            }
            if (++word == words) {
                break;
            }
            bits = crs[word];
        }
        if (lineStart < end && !file.carry(lineStart - text, size, false)) {
            return WordFileResult::ReadFailed;
        }
    }
}

} // namespace kring
