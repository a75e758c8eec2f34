#include "wordlist/WordFile.h"

namespace kring {

std::string WordFilePath(std::string_view appFolder, std::string_view baseName) {
    std::string path;
    path.reserve(appFolder.size() + baseName.size() + 10);
    path.append(appFolder).append("/Data/").append(baseName).append(".txt");
    return path;
}

} // namespace kring
