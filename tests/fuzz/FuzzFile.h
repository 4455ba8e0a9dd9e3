#pragma once
// A file of the fuzzer's own, in a private folder on a memory file system where there is one,
// that each input is written to before the reader under test opens it.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

// Made on first use and removed when the fuzzer ends.
struct FuzzFolderOwner {
    std::string path;
    FuzzFolderOwner() {
        path = access("/dev/shm", W_OK) == 0 ? "/dev/shm/zmfuzz-XXXXXX" : "/tmp/zmfuzz-XXXXXX";
        if (!mkdtemp(path.data()))
            std::abort();
    }
    ~FuzzFolderOwner() {
        std::error_code error;
        std::filesystem::remove_all(path, error);
    }
};

inline const std::string& FuzzFolder() {
    static const FuzzFolderOwner folder;
    return folder.path;
}

inline std::string WriteFuzzFile(const std::uint8_t* data, std::size_t size) {
    const std::string path = FuzzFolder() + "/input";
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!file.flush())
        std::abort();
    return path;
}
