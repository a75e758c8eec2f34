#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace kring {

// The list box counts its items in 16 bits, so no more lines are read.
inline constexpr int MaxWordCount = 32767;

// Bytes asked of each read. A line may span any number of reads.
inline constexpr std::size_t WordFileReadSize = 32 * 1024;

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

// Reads the word file line by line, decoding Windows-1252, and hands each line
// to onLine as soon as it is complete; onLine returns false to stop. CR LF and a
// lone CR end a line; a lone LF stays in the text. The file is opened read-only
// and always closed before this returns. Only regular files are read: a FIFO,
// a device or a folder counts as NotOpened, and opening one never blocks.
// onLine may move the text out of its argument. A line too long to hold in
// memory ends the reading as ReadFailed.
WordFileResult ReadWordFile(std::string_view appFolder, std::string_view baseName,
                            const std::function<bool(std::u16string&& line)>& onLine);

} // namespace kring
