#include "wordlist/WordFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kring {

std::string WordFilePath(std::string_view appFolder, std::string_view baseName) {
    std::string path(appFolder);
    path.append("/Data/").append(baseName).append(".txt");
    return path;
}

namespace {

// Closes the file on every way out.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_); // Linux frees the descriptor even on EINTR
        }
    }
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

} // namespace

WordFileBytes ReadWordFileBytes(const std::string& path, std::size_t maxBytes) {
    WordFileBytes result;
    // open() would stop at a NUL and read some other file.
    if (path.find('\0') != std::string::npos) {
        return result;
    }
    const FileDescriptor file(OpenForReading(path));
    struct stat status {};
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return result;
    }
    // A /proc file says it has no size, however much it would give.
    const auto size = static_cast<std::uint64_t>(std::max<off_t>(status.st_size, 0));
    return ReadOpenedFile(size, maxBytes, [&file](char* into, std::size_t count) {
        ssize_t got;
        do {
            got = ::read(file.get(), into, count);
        } while (got < 0 && errno == EINTR);
        return static_cast<std::ptrdiff_t>(got);
    });
}

WordFileBytes ReadOpenedFile(std::uint64_t sizeAtOpen, std::size_t maxBytes, const ReadSome& readSome) {
    WordFileBytes result;
    result.opened = true;
    const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(sizeAtOpen, maxBytes));
    result.bytes.resize(wanted);
    std::size_t got = 0;
    while (got < wanted) {
        const std::ptrdiff_t count = readSome(result.bytes.data() + got, wanted - got);
        if (count <= 0) {
            break; // failed, or the file shrank: either way the read ended early
        }
        got += static_cast<std::size_t>(count);
    }
    result.bytes.resize(got);
    result.whole = got == wanted && sizeAtOpen <= maxBytes;
    return result;
}

} // namespace kring
