#include "level/LevelSetFolder.h"

#include "files/FileSystem.h"
#include "level/LevelFileName.h"

namespace {

std::string WithoutTrailingSeparators(std::string folder) {
    while (folder.size() > 1 && folder.back() == PathSeparator)
        folder.pop_back();
    return folder;
}

std::string Absolute(const std::string& folder, const std::string& currentFolder) {
    if (folder.empty() || folder.front() == PathSeparator || currentFolder.empty())
        return WithoutTrailingSeparators(folder.empty() ? currentFolder : folder);
    return WithoutTrailingSeparators(JoinPath(currentFolder, folder));
}

} // namespace

std::string LevelSetFolder(const std::string& levelDirectory, const std::string& levelPath,
                           const std::string& currentFolder) {
    if (!levelDirectory.empty())
        return Absolute(levelDirectory, currentFolder);
    return Absolute(FolderOfPath(levelPath), currentFolder);
}

std::optional<int> LevelInSet(const std::string& folder, const std::string& path) {
    if (path.empty() || WithoutTrailingSeparators(FolderOfPath(path)) != folder)
        return std::nullopt;
    return LevelSetNumber(path.substr(path.find_last_of(PathSeparator) + 1));
}
