#include "wordlist/WordFileReader.h"

#include "wordlist/Windows1252.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <limits>
#include <new>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kring {
namespace {

// Bytes decoded and searched for CRs at a time.
constexpr std::size_t Block = 64;

// Room for a read, a NUL after it, and the rest of its last block.
constexpr std::size_t BufferSize = WordFileReadSize + Block;

constexpr unsigned char CR = '\r';

// O_NONBLOCK keeps open() from waiting for a writer when the name is a FIFO;
// on a regular file it changes nothing.
int OpenForReading(const std::string& path) {
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// Decodes one block of Windows-1252 into out and returns its CRs, bit i set
// when in[i] is a CR.
std::uint64_t DecodeBlock(const unsigned char* in, char16_t* out) {
    std::uint64_t crs = 0;
#if defined(__SSE2__)
    // Every byte but 0x80..0x9F is its own character: widen them all, then
    // redo those few through the table. As signed bytes they are the ones
    // below -96.
    const __m128i zero = _mm_setzero_si128();
    const __m128i cr = _mm_set1_epi8(static_cast<char>(CR));
    const __m128i firstLatin1Above7F = _mm_set1_epi8(static_cast<char>(0xA0));
    std::uint64_t redo = 0;
    for (std::size_t i = 0; i < Block; i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_unpacklo_epi8(bytes, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + 8), _mm_unpackhi_epi8(bytes, zero));
        const auto crMask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, cr)));
        const auto redoMask =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmplt_epi8(bytes, firstLatin1Above7F)));
        crs |= std::uint64_t{crMask} << i;
        redo |= std::uint64_t{redoMask} << i;
    }
    for (; redo != 0; redo &= redo - 1) {
        const int i = std::countr_zero(redo);
        out[i] = DecodeWindows1252(in[i]);
    }
#else
    for (std::size_t i = 0; i < Block; ++i) {
        out[i] = DecodeWindows1252(in[i]);
        crs |= std::uint64_t{in[i] == CR} << i;
    }
#endif
    return crs;
}

} // namespace

WordFileReader::WordFileReader(const std::string& path) {
    // open() would stop at a NUL and read some other file.
    if (path.find('\0') != std::string::npos) {
        return;
    }
    fd_ = OpenForReading(path);
    if (fd_ < 0) {
        return;
    }
    struct stat status {};
    if (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        return;
    }
    fileSize_ = static_cast<std::uint64_t>(std::max<off_t>(status.st_size, 0));
    bytes_.reset(new (std::nothrow) unsigned char[BufferSize]);
    text_.reset(new (std::nothrow) char16_t[BufferSize]);
    crs_.reset(new (std::nothrow) std::uint64_t[BufferSize / Block]);
}

WordFileReader::~WordFileReader() {
    if (fd_ >= 0) {
        ::close(fd_); // Linux frees the descriptor even on EINTR
    }
}

bool WordFileReader::read() {
    if (!bytes_ || !text_ || !crs_) {
        return false;
    }
    offset_ += size_;
    ssize_t count;
    do {
        count = ::read(fd_, bytes_.get(), WordFileReadSize);
    } while (count < 0 && errno == EINTR);
    if (count < 0) {
        size_ = 0;
        return false;
    }
    size_ = static_cast<std::size_t>(count);
    // The NULs after the bytes decode to NULs and hold no CR.
    std::memset(bytes_.get() + size_, 0, Block);
    for (std::size_t block = 0; block <= size_; block += Block) {
        crs_[block / Block] = DecodeBlock(bytes_.get() + block, text_.get() + block);
    }
    return true;
}

bool WordFileReader::carry(std::size_t from, std::size_t to, bool lineEnds) {
    carrying_ = true;
    const std::size_t length = to - from;
    if (line_.size() + length > line_.capacity() && !grow(length, offset_ + from, lineEnds)) {
        return false;
    }
    line_.append(text_.get() + from, length);
    return true;
}

void WordFileReader::dropCarried() {
    line_.clear();
    carrying_ = false;
}

// A line may be far longer than one read, so room grows geometrically, but
// never past what the rest of the file can still add: a file that is one long
// line then costs two bytes a byte, not up to four.
bool WordFileReader::grow(std::size_t length, std::uint64_t offset, bool lineEnds) {
    const std::size_t needed = line_.size() + length;
    std::size_t room = needed;
    if (!lineEnds) {
        const std::uint64_t bytesLeft = offset < fileSize_ ? fileSize_ - offset : 0;
        // A file that grew since it was opened has an unknown rest; plain doubling then.
        const std::size_t ceiling =
            bytesLeft >= length && bytesLeft <= std::numeric_limits<std::size_t>::max() / 2
                ? line_.size() + static_cast<std::size_t>(bytesLeft)
                : std::numeric_limits<std::size_t>::max();
        room = std::max(needed, std::min(2 * line_.capacity(), ceiling));
    }
    try {
        // reserve() on a fresh string takes the size asked for; on a used one
        // it may round up to twice the old capacity.
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

} // namespace kring
