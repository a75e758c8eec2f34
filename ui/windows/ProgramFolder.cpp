#include "ui/desktop/ProgramFolder.h"

#include <windows.h>

#include <string>

namespace kring {

std::filesystem::path ProgramFolder() {
    // The name may be longer than MAX_PATH; a full buffer means it was cut.
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0)
            return {};
        if (length < name.size()) {
            name.resize(length);
            return std::filesystem::path(name).parent_path();
        }
        if (name.size() > 32768) // longer than any path Windows accepts
            return {};
        name.resize(name.size() * 2);
    }
}

} // namespace kring
