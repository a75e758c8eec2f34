#include "ui/desktop/ProgramFolder.h"

namespace kring {

std::filesystem::path ProgramFolder() {
    // The bytes of the name, whatever the locale makes of them.
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return {};
    return program.parent_path();
}

} // namespace kring
