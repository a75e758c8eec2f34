#pragma once

namespace kring {

// One byte of Windows-1252 as UTF-16. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control of that number.
char16_t DecodeWindows1252(unsigned char byte);

} // namespace kring
