// libFuzzer target: each input, less two bytes that set small limits, is
// written to a file and read back; the lines must be those of the plain
// splitter and decoder below, which go byte by byte.

#include "wordlist/WordFile.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

// 0x80..0x9F as the code page's chart gives them; every other byte is Latin-1.
const std::u16string High = u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ";

char16_t Decode(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? High[byte - 0x80] : byte;
}

struct Lines {
    kring::WordFileResult result = kring::WordFileResult::Complete;
    std::vector<std::u16string> lines;
    bool operator==(const Lines&) const = default;
};

Lines Split(const std::string& bytes, kring::WordFileLimits limits) {
    using enum kring::WordFileResult;
    Lines out;
    std::u16string line;
    bool pending = false; // a line has begun
    bool afterCR = false;
    for (std::size_t i = 0; i < bytes.size() && i < limits.maxBytes; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const bool skipped = afterCR && byte == '\n';
        afterCR = byte == '\r';
        if (skipped) {
            continue;
        }
        if (!pending && out.lines.size() == std::size_t(limits.maxLines)) {
            out.result = LimitReached;
            return out;
        }
        pending = true;
        if (byte == '\r') {
            out.lines.push_back(line);
            line.clear();
            pending = false;
        } else {
            line += Decode(byte);
        }
    }
    if (bytes.size() > limits.maxBytes) {
        out.result = ReadFailed;
    } else if (pending) {
        out.lines.push_back(line);
    }
    return out;
}

const std::string& FilePath() {
    static const std::string path = "/tmp/kring-fuzz-" + std::to_string(::getpid()) + ".txt";
    static const bool removedAtExit = std::atexit([] { std::remove(path.c_str()); }) == 0;
    (void)removedAtExit;
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const kring::WordFileLimits limits{
        .maxBytes = data[0] < 128 ? data[0] : kring::MaxWordFileBytes, .maxLines = data[1] % 8 + 1};
    const std::string bytes(reinterpret_cast<const char*>(data) + 2, size - 2);
    std::ofstream(FilePath(), std::ios::binary | std::ios::trunc) << bytes;
    Lines read;
    const auto keep = [&](std::u16string_view line) {
        read.lines.emplace_back(line);
        return true;
    };
    read.result = kring::ReadWordFileAt(FilePath(), keep, limits);
    if (!(read == Split(bytes, limits))) {
        std::abort();
    }
    return 0;
}
