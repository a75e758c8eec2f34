#pragma once

#include <string>
#include <string_view>

namespace kring {

// Bytes of Windows-1252 as UTF-16, one character a byte. The five bytes the
// code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control
// of that number. Replaces what text held.
void DecodeWindows1252(std::string_view bytes, std::u16string& text);

} // namespace kring
