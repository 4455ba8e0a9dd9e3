// The recovery file: while the level has unsaved changes, a file outside the user's levels
// holds it as on screen, so that an editor that dies (killed, out of memory, the session gone)
// loses at most the last moments of work. Changes start a timer rather than a write each:
// a stroke of many cells is kept a few times a second at most, and the writing itself, with
// its fsync, runs on the writer's own thread. The next editor started offers the level back.
#include "editor/LevelEditorDlg.h"

#include "dialogs/MessageBox.h"
#include "level/RecoveryRecord.h"

#include <QDateTime>
#include <algorithm>
#include <ctime>

namespace {

// Changes are written at most this long after they were made.
constexpr int RecoveryDelayMs = 300;

constexpr const char* RecoverCaption = "Recover Level?";

std::string RecoverQuestion(const RecoveryRecord& record) {
    const std::string level = record.path.empty() ? std::string("a new level") : record.path;
    const std::string when = QDateTime::fromSecsSinceEpoch(record.savedAt)
                                 .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                                 .toLocal8Bit()
                                 .toStdString();
    return "The editor ended without saving changes to " + level + " at " + when +
           ". Open them now?";
}

struct EndedEditorLevel {
    RecoverySlot slot;
    RecoveryRecord record;
};

// The levels of editors that are gone, newest first, each slot held by this editor. A slot
// without a level belongs to an editor that had nothing unsaved and goes; a level file that
// does not read back whole is moved aside and never offered.
std::vector<EndedEditorLevel> LevelsOfEndedEditors(const std::string& folder) {
    std::vector<EndedEditorLevel> found;
    for (const std::string& id : ListRecoverySlots(folder)) {
        std::optional<RecoverySlot> slot = RecoverySlot::Claim(folder, id);
        if (!slot)
            continue;
        if (!slot->HasLevelFile()) {
            slot->Discard();
            continue;
        }
        const std::optional<std::string> bytes = slot->Read();
        std::optional<RecoveryRecord> record = bytes ? DecodeRecovery(*bytes) : std::nullopt;
        if (!record) {
            slot->MoveAside();
            continue;
        }
        found.push_back({std::move(*slot), std::move(*record)});
    }
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return a.record.savedAt > b.record.savedAt;
    });
    return found;
}

} // namespace

void CLevelEditorDlg::StartRecovery() {
    RecoveryTimer.setSingleShot(true);
    RecoveryTimer.setInterval(RecoveryDelayMs);
    connect(&RecoveryTimer, &QTimer::timeout, this, &CLevelEditorDlg::KeepRecoveryFile);
    connect(&Session, &DocumentSession::DocumentChanged, this, &CLevelEditorDlg::NoteLevelChange);
}

// Runs after every change of the level, also on each cell of a stroke: it costs a timer check
// there. A
// level that became unmodified loses its recovery file at once.
void CLevelEditorDlg::NoteLevelChange() {
    if (!Document().IsModified()) {
        RecoveryTimer.stop();
        Recovery.RemoveNow();
    } else if (!RecoveryTimer.isActive()) {
        RecoveryTimer.start();
    }
}

void CLevelEditorDlg::KeepRecoveryFile() {
    if (!Document().IsModified())
        Recovery.RemoveNow();
    else if (std::optional<std::string> bytes = RecoveryBytes())
        Recovery.Post(std::move(*bytes));
}

// The level as on screen, a stroke in progress included.
std::optional<std::string> CLevelEditorDlg::RecoveryBytes() const {
    return EncodeRecovery(
        {Document().State(), Document().Path(), static_cast<std::int64_t>(std::time(nullptr))});
}

void CLevelEditorDlg::PreserveUnsavedWork() {
    if (!Document().IsModified())
        return;
    if (const std::optional<std::string> bytes = RecoveryBytes())
        Recovery.WriteNow(*bytes);
}

// Yes opens the level with its file's path, modified, and its recovery file becomes this
// editor's; the levels not asked about yet wait for a later start. No deletes the level.
void CLevelEditorDlg::OfferRecoveredLevels() {
    for (EndedEditorLevel& ended : LevelsOfEndedEditors(RecoveryFolder)) {
        if (MessageBox(this, RecoverQuestion(ended.record), RecoverCaption,
                       QMessageBox::Yes | QMessageBox::No,
                       QMessageBox::Question) != QMessageBox::Yes) {
            ended.slot.Discard();
            continue;
        }
        Recovery.Adopt(std::move(ended.slot));
        Session.Open(LevelDocument(ended.record.level, ended.record.path, true));
        // The recovery file holds this level already, with the time of its changes.
        RecoveryTimer.stop();
        return;
    }
}
