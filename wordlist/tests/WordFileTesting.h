#pragma once

#include "wordlist/WordFile.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace kring {

namespace fs = std::filesystem;

// A fresh application folder with an empty Data sub-folder, removed afterwards.
// Its name ends in nameTail, which may be in any script.
class AppFolder {
public:
    explicit AppFolder(const fs::path& nameTail = {}) {
        fs::path name = "kring-wordfile-" + std::to_string(std::random_device()());
        root_ = fs::temp_directory_path() / (name += nameTail.native());
        if (!fs::create_directories(root_ / "Data"))
            throw std::runtime_error("the test's folder was there already");
    }
    ~AppFolder() { fs::remove_all(root_); }
    const fs::path& path() const { return root_; }
    fs::path wordFile() const { return root_ / "Data" / "Woorden.txt"; }
    void write(const std::string& bytes) const {
        std::ofstream(wordFile(), std::ios::binary) << bytes;
    }

private:
    fs::path root_;
};

struct Outcome {
    WordFileResult result;
    std::vector<std::u16string> lines;
};

// The sink refuses every line after acceptCount.
inline Outcome Read(const fs::path& path, WordFileLimits limits = {},
                    std::size_t acceptCount = SIZE_MAX) {
    Outcome outcome;
    const auto keep = [&](std::u16string_view line) {
        if (outcome.lines.size() == acceptCount) {
            return false;
        }
        outcome.lines.emplace_back(line);
        return true;
    };
    outcome.result = ReadWordFileAt(path, keep, limits);
    return outcome;
}

// Latin-1 bytes as characters.
inline std::vector<std::u16string> Widen(const std::vector<std::string>& lines) {
    std::vector<std::u16string> wide;
    for (const std::string& line : lines) {
        wide.emplace_back(line.begin(), line.end());
        for (char16_t& c : wide.back()) {
            c = static_cast<unsigned char>(c);
        }
    }
    return wide;
}

} // namespace kring
