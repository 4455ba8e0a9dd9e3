#pragma once
// The folder where running editors keep their unsaved levels, and the slots in it. A slot is
// one editor's pair of files, "<id>.recovery" (the level, replaced whole at each write) and
// "<id>.lock" (never replaced). The editor that owns a slot holds an advisory lock on the lock
// file as long as it runs, so a slot whose lock can be taken belongs to an editor that is gone,
// whatever its process id says. Files that cannot be read as a level are moved to
// "unreadable/" below the folder, which keeps only the newest few. Folders are created 0700,
// files 0600.
//
// The folder is opened once for an editor's run and used only when it, and every folder above
// it up to the state folder ($XDG_STATE_HOME), is a real folder (no symbolic link) that belongs
// to this user and that no other user may write: otherwise another user could read the levels
// kept there, or plant one whose path the editor would then save over. Every file in it is
// reached through the opened folder, never through its path again.
#include "files/Descriptor.h"
#include "files/FileAccess.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// $XDG_STATE_HOME/zapmaze-editor/recovery, or ~/.local/state/zapmaze-editor/recovery when
// XDG_STATE_HOME is unset, empty or relative; empty when neither it nor HOME gives a folder.
std::string RecoveryFolderPath();

// At most this many files stay in unreadable/, the newest; larger ones go at once.
inline constexpr std::size_t KeptUnreadableFiles = 10;
inline constexpr std::size_t LargestUnreadableFile = 64 * 1024;

class RecoveryFolder {
public:
    // Opens the folder at path, making it and the folders above it that are missing (each
    // 0700), and checks it and the folders above it, up to the state folder when path lies
    // below it.
    static RecoveryFolder Open(const std::string& path);

    bool Usable() const { return Folder.valid(); }
    // Why the folder is not used, as the end of a sentence: "/home/ann/.local/state may be
    // written by other users".
    const std::string& Problem() const { return Why; }
    const std::string& Path() const { return Where; }
    int Fd() const { return Folder.get(); }

private:
    Descriptor Folder;
    std::string Where;
    std::string Why;
};

// The ids of every slot in the folder, with or without its level file.
std::vector<std::string> ListRecoverySlots(const RecoveryFolder& folder);

class RecoverySlot {
public:
    // A new slot of this process; nothing when the folder is not usable or takes no file.
    static std::optional<RecoverySlot> Create(const RecoveryFolder& folder);
    // The slot of an editor that is gone, now owned by this process; nothing when an editor
    // that still runs holds it, it was removed meanwhile, or its lock file is not a regular
    // file of this user.
    static std::optional<RecoverySlot> Claim(const RecoveryFolder& folder, const std::string& id);

    RecoverySlot(RecoverySlot&& other) noexcept = default;
    RecoverySlot& operator=(RecoverySlot&& other) noexcept = default;
    // Lets the slot go, keeping its files for a later start.
    ~RecoverySlot() = default;

    bool HasLevelFile() const;
    // The level file's bytes; nothing when it cannot be read or is not a regular file of this
    // user (such a file is never offered).
    std::optional<std::string> Read() const;
    // Replaces the level file durably: it holds the old bytes or the new ones, never a mix.
    ReplaceResult Write(std::string_view bytes) const;
    void RemoveLevelFile() const;
    // Removes both files: the slot is gone.
    void Discard();
    // Moves the level file to unreadable/ and removes the slot; a file that cannot be moved
    // stays where it is.
    void MoveAside();

private:
    RecoverySlot(Descriptor folder, std::string id)
        : Folder(std::move(folder)), Id(std::move(id)) {}
    std::string NameOf(std::string_view extension) const;

    Descriptor Folder;
    std::string Id;
    Descriptor Lock;
};
