#include "files/FileAccess.h"

#include "files/Descriptor.h"

#include <atomic>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view TemporaryPrefix = ".zapmaze-editor-";
constexpr std::string_view TemporarySuffix = ".tmp";

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const fs::path folder = fs::path(path).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

std::string TemporaryName() {
    static const unsigned processTag = std::random_device{}();
    static std::atomic<unsigned> counter{0};
    return std::string(TemporaryPrefix) + std::to_string(::getpid()) + "-" +
           std::to_string(processTag) + "-" + std::to_string(counter.fetch_add(1)) +
           std::string(TemporarySuffix);
}

// Creates a new temporary file in folder; never opens one that exists already.
int CreateTemporary(const std::string& folder, std::string& temporary) {
    constexpr int attempts = 100;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        temporary = (fs::path(folder) / TemporaryName()).string();
        const int fd =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool WriteTemporary(int fd, std::string_view bytes, std::optional<mode_t> mode) {
    Descriptor file(fd);
    if (!WriteAll(file.get(), bytes))
        return false;
    if (mode) // best effort: some file systems keep no permissions
        ::fchmod(file.get(), *mode);
    if (::fsync(file.get()) != 0)
        return false;
    return file.Close();
}

// The rename itself reaches the disk only with the folder's entry.
void SyncFolder(const std::string& folder) {
    Descriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0)
        ::fsync(directory.get());
}

bool IsStale(const struct stat& status) {
    const auto modified = std::chrono::system_clock::from_time_t(status.st_mtime);
    return S_ISREG(status.st_mode) && status.st_uid == ::geteuid() &&
           std::chrono::system_clock::now() - modified > StaleTemporaryAge;
}

// Removes temporary files that a killed save of this user left behind, once they are old
// enough that no save still running can own them. Reads the folder's names only, so that a
// folder with many files costs little.
void RemoveStaleTemporaryFiles(const std::string& folder) {
    DIR* listing = ::opendir(folder.c_str());
    if (!listing)
        return;
    const int folderFd = ::dirfd(listing);
    while (const dirent* entry = ::readdir(listing)) {
        struct stat status {};
        if (IsEditorTemporaryName(entry->d_name) &&
            ::fstatat(folderFd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            IsStale(status))
            ::unlinkat(folderFd, entry->d_name, 0);
    }
    ::closedir(listing);
}

} // namespace

bool ReplaceFile(const std::string& path, std::string_view bytes, std::optional<mode_t> mode) {
    if (path.empty())
        return false;
    const std::string folder = FolderOf(path);
    std::string temporary;
    const int fd = CreateTemporary(folder, temporary);
    if (fd < 0)
        return false;
    if (!WriteTemporary(fd, bytes, mode) || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(folder);
    RemoveStaleTemporaryFiles(folder);
    return true;
}

bool IsEditorTemporaryName(std::string_view name) {
    return name.size() > TemporaryPrefix.size() + TemporarySuffix.size() &&
           name.starts_with(TemporaryPrefix) && name.ends_with(TemporarySuffix);
}
