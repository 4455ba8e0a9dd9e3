#pragma once
// The folder where running editors keep their unsaved levels, and the slots in it. A slot is
// one editor's pair of files, "<id>.recovery" (the level, replaced whole at each write) and
// "<id>.lock" (never replaced). The editor that owns a slot holds an advisory lock on the lock
// file as long as it runs, so a slot whose lock can be taken belongs to an editor that is gone,
// whatever its process id says. Files that cannot be read as a level are moved to
// "unreadable/" below the folder. Folders are created 0700, files 0600.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// $XDG_STATE_HOME/zapmaze-editor/recovery, or ~/.local/state/zapmaze-editor/recovery when
// XDG_STATE_HOME is unset, empty or relative; empty when neither it nor HOME gives a folder.
std::string RecoveryFolderPath();

// The ids of every slot in the folder, with or without its level file.
std::vector<std::string> ListRecoverySlots(const std::string& folder);

class RecoverySlot {
public:
    // A new slot of this process, created with its folder when missing; nothing when the
    // folder cannot be made or written.
    static std::optional<RecoverySlot> Create(const std::string& folder);
    // The slot of an editor that is gone, now owned by this process; nothing when an editor
    // that still runs holds it, or it was removed meanwhile.
    static std::optional<RecoverySlot> Claim(const std::string& folder, const std::string& id);

    RecoverySlot(RecoverySlot&& other) noexcept;
    RecoverySlot& operator=(RecoverySlot&& other) noexcept;
    RecoverySlot(const RecoverySlot&) = delete;
    RecoverySlot& operator=(const RecoverySlot&) = delete;
    // Lets the slot go, keeping its files for a later start.
    ~RecoverySlot();

    bool HasLevelFile() const;
    // The level file's bytes; nothing when it cannot be read.
    std::optional<std::string> Read() const;
    // Replaces the level file durably: it holds the old bytes or the new ones, never a mix.
    bool Write(std::string_view bytes) const;
    void RemoveLevelFile() const;
    // Removes both files: the slot is gone.
    void Discard();
    // Moves the level file to unreadable/ and removes the slot; a file that cannot be moved
    // stays where it is.
    void MoveAside();

private:
    RecoverySlot(std::string folder, std::string id, int lockFd);
    std::string PathOf(std::string_view extension) const;

    std::string Folder;
    std::string Id;
    int LockFd = -1;
};
