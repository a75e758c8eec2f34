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

// The bulk decoder widens ASCII stretches on their own; a byte above 0x7F
// anywhere in a stretch, or in the short tail after the last full stretch,
// must still go through the table.
TEST(Windows1252, BulkDecodingMatchesByteByByte) {
    for (std::size_t length = 1; length <= 200; ++length) {
        for (std::size_t at = 0; at < length; ++at) {
            SCOPED_TRACE(testing::Message() << "length " << length << ", high byte at " << at);
            std::string bytes(length, 'a');
            bytes[at] = static_cast<char>(0x80 + (at + length) % 0x80);
            std::u16string decoded(length, u'?');
            ASSERT_EQ(DecodeWindows1252(bytes, decoded.data()), decoded.data() + length);
            for (std::size_t i = 0; i < length; ++i) {
                ASSERT_EQ(decoded[i], DecodeWindows1252(static_cast<unsigned char>(bytes[i])));
            }
        }
    }
}

TEST(Windows1252, AppendsAfterExistingText) {
    std::u16string text = u"AB";
    AppendWindows1252(text, "\x80\xFF"
                            "C");
    EXPECT_EQ(text, u"AB\u20AC\u00FF"
                    u"C");
}

} // namespace
} // namespace kring
