#pragma once

#include <string>
#include <string_view>

namespace kring {

// One byte of Windows-1252 as UTF-16. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control of that number.
char16_t DecodeWindows1252(unsigned char byte);

// Decodes bytes.size() bytes into out, which has room for them; returns the end.
char16_t* DecodeWindows1252(std::string_view bytes, char16_t* out);

// Appends the decoded bytes to text.
void AppendWindows1252(std::u16string& text, std::string_view bytes);

} // namespace kring
