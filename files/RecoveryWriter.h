#pragma once
// Keeps one editor's recovery file up to date from a thread of its own, so that neither the
// disk's fsync nor a slow folder ever holds up the window. The newest level handed over wins:
// one that arrives while a write is under way replaces any level still waiting. The slot is
// made at the first write. Every call comes from one thread, the editor's. A folder that may
// not be used (see RecoveryFolder) leaves every write undone, for the whole run.
#include "files/RecoveryFolder.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

class RecoveryWriter {
public:
    // Opens and checks the folder at once.
    explicit RecoveryWriter(const std::string& folder);
    // Ends the thread after the write under way; the files stay.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    // Writes bytes soon, on the thread.
    void Post(std::string bytes);
    // These wait for a write under way and then act at once, on the caller's thread.
    // Writes bytes now; for an editor about to end abruptly.
    void WriteNow(const std::string& bytes);
    // Removes the level file, keeping the slot.
    void RemoveNow();
    // Removes the slot: the editor ends normally.
    void DiscardNow();
    // Takes over a slot claimed from an editor that is gone; its level file is this editor's.
    void Adopt(RecoverySlot slot);

    const RecoveryFolder& Folder() const { return Place; }
    // Called, on the thread that wrote, when a write fails after the last one succeeded: one
    // call per run of failures, since a later success starts over. Set it before the first Post.
    void OnFailure(std::function<void(WriteFailure)> listener) {
        FailureListener = std::move(listener);
    }

private:
    void Run();
    void WriteLocked(const std::string& bytes);
    void DropPending();

    const RecoveryFolder Place;
    std::optional<RecoverySlot> Slot;
    // Held for every step on the slot, so that an older level never lands after a newer one.
    std::mutex SlotMutex;
    std::mutex PendingMutex;
    std::condition_variable PendingChanged;
    std::optional<std::string> Pending;
    bool Stopping = false;
    bool Failing = false;
    std::function<void(WriteFailure)> FailureListener;
    std::thread Worker;
};
