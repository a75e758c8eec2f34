#include "wordlist/Windows1252.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <array>
#include <optional>
#include <string>

namespace kring {
namespace {

// The C library's own Windows-1252 table, as a second opinion. It knows no
// character for the five undefined bytes.
std::optional<char16_t> LibraryDecode(unsigned char byte) {
    const iconv_t converter = ::iconv_open("UTF-16LE", "WINDOWS-1252");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        ADD_FAILURE() << "iconv has no WINDOWS-1252";
        return std::nullopt;
    }
    char in[1] = {static_cast<char>(byte)};
    std::array<unsigned char, 8> out{};
    char* inPtr = in;
    auto* outPtr = reinterpret_cast<char*>(out.data());
    std::size_t inLeft = 1;
    std::size_t outLeft = out.size();
    const std::size_t converted = ::iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
    ::iconv_close(converter);
    if (converted == static_cast<std::size_t>(-1) || out.size() - outLeft != 2) {
        return std::nullopt;
    }
    return static_cast<char16_t>(out[0] | out[1] << 8);
}

TEST(Windows1252, AgreesWithTheCLibraryAndKeepsUndefinedBytesAsControls) {
    int undefined = 0;
    for (int byte = 0; byte < 256; ++byte) {
        SCOPED_TRACE(byte);
        const auto byteValue = static_cast<unsigned char>(byte);
        const std::optional<char16_t> library = LibraryDecode(byteValue);
        if (library) {
            EXPECT_EQ(DecodeWindows1252(byteValue), *library);
        } else {
            ++undefined;
            EXPECT_TRUE(byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 ||
                        byte == 0x9D);
            EXPECT_EQ(DecodeWindows1252(byteValue), static_cast<char16_t>(byte));
        }
    }
    EXPECT_EQ(undefined, 5);
}

} // namespace
} // namespace kring
