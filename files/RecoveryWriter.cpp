#include "files/RecoveryWriter.h"

#include <cstdio>
#include <utility>

RecoveryWriter::RecoveryWriter(const std::string& folder)
    : Place(RecoveryFolder::Open(folder)), Worker([this] { Run(); }) {}

RecoveryWriter::~RecoveryWriter() {
    {
        const std::lock_guard lock(PendingMutex);
        Stopping = true;
    }
    PendingChanged.notify_one();
    Worker.join();
}

void RecoveryWriter::Post(std::string bytes) {
    {
        const std::lock_guard lock(PendingMutex);
        Pending = std::move(bytes);
    }
    PendingChanged.notify_one();
}

void RecoveryWriter::WriteNow(const std::string& bytes) {
    const std::lock_guard lock(SlotMutex);
    DropPending();
    WriteLocked(bytes);
}

void RecoveryWriter::RemoveNow() {
    const std::lock_guard lock(SlotMutex);
    DropPending();
    if (Slot)
        Slot->RemoveLevelFile();
}

void RecoveryWriter::DiscardNow() {
    const std::lock_guard lock(SlotMutex);
    DropPending();
    if (Slot)
        Slot->Discard();
    Slot.reset();
}

void RecoveryWriter::Adopt(RecoverySlot slot) {
    const std::lock_guard lock(SlotMutex);
    DropPending();
    if (Slot)
        Slot->Discard();
    Slot = std::move(slot);
}

void RecoveryWriter::Run() {
    for (;;) {
        std::unique_lock pending(PendingMutex);
        PendingChanged.wait(pending, [this] { return Stopping || Pending; });
        if (Stopping)
            return;
        pending.unlock();
        const std::lock_guard slot(SlotMutex);
        pending.lock();
        std::optional<std::string> bytes = std::exchange(Pending, std::nullopt);
        pending.unlock();
        if (bytes)
            WriteLocked(*bytes);
    }
}

// A failure is told once, on standard error and to the listener, until a write succeeds again:
// the editor goes on, and so does every later try.
void RecoveryWriter::WriteLocked(const std::string& bytes) {
    if (!Place.Usable())
        return;
    if (!Slot)
        Slot = RecoverySlot::Create(Place);
    const WriteFailure failure = Slot ? Slot->Write(bytes).failure : FailureOfWriteError(errno);
    if (failure == WriteFailure::None) {
        Failing = false;
        return;
    }
    if (std::exchange(Failing, true))
        return;
    std::fprintf(stderr, "zapmaze-editor: unsaved changes cannot be kept for recovery in %s: %s\n",
                 Place.Path().c_str(), std::string(WriteFailureText(failure)).c_str());
    if (FailureListener)
        FailureListener(failure);
}

void RecoveryWriter::DropPending() {
    const std::lock_guard lock(PendingMutex);
    Pending.reset();
}
