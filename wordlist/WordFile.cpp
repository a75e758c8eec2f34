#include "wordlist/WordFile.h"

#include "wordlist/Windows1252.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kring {
namespace {

constexpr char CR = '\r';
constexpr char LF = '\n';

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { ::close(fd_); } // Linux frees the descriptor even on EINTR
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// O_NONBLOCK keeps open() from waiting for a writer when the name is a FIFO;
// on a regular file it changes nothing.
int OpenForReading(const std::string& path) {
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// Cuts the byte stream into lines and hands each one over the moment its line
// end is seen.
class LineSplitter {
public:
    LineSplitter(std::uint64_t fileSize, const std::function<bool(std::u16string&&)>& onLine)
        : fileSize_(fileSize), onLine_(onLine) {}

    // Returns Complete to ask for more bytes.
    WordFileResult take(std::string_view bytes, const char16_t* decoded) {
        const char* const start = bytes.data();
        const char* const end = start + bytes.size();
        const char* p = start;
        if (afterCR_ && p < end) {
            afterCR_ = false;
            if (*p == LF) {
                ++p;
            }
        }
        while (p < end) {
            if (handedOver_ == MaxWordCount) {
                return WordFileResult::LimitReached;
            }
            const auto* cr = static_cast<const char*>(std::memchr(p, CR, end - p));
            const char* textEnd = cr != nullptr ? cr : end;
            const std::size_t at = p - start;
            if (!append(decoded + at, textEnd - p, offset_ + at, cr != nullptr)) {
                return WordFileResult::ReadFailed;
            }
            if (cr == nullptr) {
                break;
            }
            if (!handOver()) {
                return WordFileResult::Refused;
            }
            p = cr + 1;
            if (p == end) {
                afterCR_ = true;
            } else if (*p == LF) {
                ++p;
            }
        }
        offset_ += bytes.size();
        return WordFileResult::Complete;
    }

    // The last line may lack its line end.
    WordFileResult finish() {
        if (lineStarted_ && !handOver()) {
            return WordFileResult::Refused;
        }
        return WordFileResult::Complete;
    }

private:
    bool append(const char16_t* text, std::size_t length, std::uint64_t offset, bool lineEnds) {
        lineStarted_ = true;
        if (line_.size() + length > line_.capacity() && !grow(length, offset, lineEnds)) {
            return false;
        }
        line_.append(text, length);
        return true;
    }

    // A line may be far longer than one read, so room grows geometrically, but
    // never past what the rest of the file can still add: a file that is one
    // long line then costs two bytes a byte, not up to four.
    bool grow(std::size_t length, std::uint64_t offset, bool lineEnds) {
        const std::size_t needed = line_.size() + length;
        std::size_t room = needed;
        if (!lineEnds) {
            const std::uint64_t bytesLeft = offset < fileSize_ ? fileSize_ - offset : 0;
            // A file that grew since fstat has an unknown rest; plain doubling then.
            const std::size_t ceiling =
                bytesLeft >= length && bytesLeft <= std::numeric_limits<std::size_t>::max() / 2
                    ? line_.size() + static_cast<std::size_t>(bytesLeft)
                    : std::numeric_limits<std::size_t>::max();
            room = std::max(needed, std::min(2 * line_.capacity(), ceiling));
        }
        try {
            // reserve() on a fresh string takes the size asked for; on a used
            // one it may round up to twice the old capacity.
            std::u16string larger;
            larger.reserve(room);
            larger.append(line_);
            line_.swap(larger);
        } catch (const std::bad_alloc&) {
            return false;
        } catch (const std::length_error&) {
            return false;
        }
        return true;
    }

    bool handOver() {
        const bool accepted = onLine_(std::move(line_));
        // A sink that only read the line leaves its room for the next one.
        line_.clear();
        lineStarted_ = false;
        if (accepted) {
            ++handedOver_;
        }
        return accepted;
    }

    const std::uint64_t fileSize_;
    const std::function<bool(std::u16string&&)>& onLine_;
    std::u16string line_;
    std::uint64_t offset_ = 0;
    int handedOver_ = 0;
    bool lineStarted_ = false;
    bool afterCR_ = false; // the previous read ended in a CR; an LF next belongs to it
};

} // namespace

std::string WordFilePath(std::string_view appFolder, std::string_view baseName) {
    std::string path;
    path.reserve(appFolder.size() + baseName.size() + 10);
    path.append(appFolder).append("/Data/").append(baseName).append(".txt");
    return path;
}

WordFileResult ReadWordFile(std::string_view appFolder, std::string_view baseName,
                            const std::function<bool(std::u16string&& line)>& onLine) {
    const std::string path = WordFilePath(appFolder, baseName);
    // open() would stop at a NUL and read some other file.
    if (path.find('\0') != std::string::npos) {
        return WordFileResult::NotOpened;
    }
    const int fd = OpenForReading(path);
    if (fd < 0) {
        return WordFileResult::NotOpened;
    }
    const FileDescriptor file(fd);
    struct stat status {};
    if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return WordFileResult::NotOpened;
    }

    const std::unique_ptr<char[]> chunk(new (std::nothrow) char[WordFileReadSize]);
    const std::unique_ptr<char16_t[]> decoded(new (std::nothrow) char16_t[WordFileReadSize]);
    if (!chunk || !decoded) {
        return WordFileResult::ReadFailed;
    }
    LineSplitter lines(static_cast<std::uint64_t>(std::max<off_t>(status.st_size, 0)), onLine);
    for (;;) {
        const ssize_t count = ::read(file.get(), chunk.get(), WordFileReadSize);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return WordFileResult::ReadFailed;
        }
        if (count == 0) {
            return lines.finish();
        }
        const std::string_view bytes(chunk.get(), static_cast<std::size_t>(count));
        DecodeWindows1252(bytes, decoded.get());
        const WordFileResult result = lines.take(bytes, decoded.get());
        if (result != WordFileResult::Complete) {
            return result;
        }
    }
}

} // namespace kring
