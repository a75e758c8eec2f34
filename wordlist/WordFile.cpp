#include "wordlist/WordFile.h"

#include "wordlist/OpenedWordFile.h"

#include <algorithm>

namespace kring {

WordFileBytes ReadWordFileBytes(const std::filesystem::path& path, std::size_t maxBytes) {
    OpenedWordFile file(path);
    if (!file.isOpen()) {
        return {};
    }
    return ReadOpenedFile(file.size(), maxBytes, [&file](char* into, std::size_t count) {
        return file.read(into, count);
    });
}

WordFileBytes ReadOpenedFile(std::uint64_t sizeAtOpen, std::size_t maxBytes,
                             const ReadSome& readSome) {
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
