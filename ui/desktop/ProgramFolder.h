#pragma once

#include <filesystem>

namespace kring {

// The folder that holds the running program, in the platform's own encoding
// (bytes on Linux, UTF-16 on Windows); empty when it cannot be told.
std::filesystem::path ProgramFolder();

} // namespace kring
