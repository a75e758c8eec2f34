#include "wordlist/OpenedWordFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kring {

namespace {

// O_NONBLOCK keeps open() from waiting for a writer when the name is a FIFO;
// on a regular file it changes nothing.
int OpenForReading(const std::filesystem::path& path) {
    // open() would stop at a NUL and read some other file.
    if (path.native().find('\0') != std::string::npos)
        return -1;
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

} // namespace

OpenedWordFile::OpenedWordFile(const std::filesystem::path& path) : handle_(OpenForReading(path)) {
    struct stat status {};
    if (handle_ >= 0 &&
        (::fstat(static_cast<int>(handle_), &status) != 0 || !S_ISREG(status.st_mode))) {
        ::close(static_cast<int>(handle_));
        handle_ = -1;
    }
    // A /proc file says it has no size, however much it would give.
    if (handle_ >= 0)
        size_ = static_cast<std::uint64_t>(std::max<off_t>(status.st_size, 0));
}

OpenedWordFile::~OpenedWordFile() {
    if (handle_ >= 0)
        ::close(static_cast<int>(handle_)); // Linux frees the descriptor even on EINTR
}

bool OpenedWordFile::isOpen() const {
    return handle_ >= 0;
}

std::uint64_t OpenedWordFile::size() const {
    return size_;
}

std::ptrdiff_t OpenedWordFile::read(char* buffer, std::size_t count) {
    ssize_t got;
    do {
        got = ::read(static_cast<int>(handle_), buffer, std::min<std::size_t>(count, SSIZE_MAX));
    } while (got < 0 && errno == EINTR);
    return got;
}

} // namespace kring
