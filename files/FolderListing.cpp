#include "files/FolderListing.h"

#include <algorithm>
#include <filesystem>

std::optional<std::vector<std::string>> FolderNames(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code error;
    std::vector<std::string> names;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error))
        names.push_back(entry->path().filename().string());
    if (error)
        return std::nullopt;
    std::sort(names.begin(), names.end());
    return names;
}
