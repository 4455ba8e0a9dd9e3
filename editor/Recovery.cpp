// The recovery file: while the level has unsaved changes, a file outside the user's levels
// holds it as on screen, so that an editor that dies (killed, out of memory, the session gone)
// loses at most the last moments of work. Changes start a timer rather than a write each:
// a stroke of many cells is kept a few times a second at most, and the writing itself, with
// its fsync, runs on the writer's own thread. The next editor started offers the level back.
#include "editor/LevelEditorDlg.h"

#include "dialogs/MessageBox.h"
#include "level/LevelText.h"
#include "level/RecoveryRecord.h"

#include <QApplication>
#include <QDateTime>
#include <algorithm>
#include <ctime>

namespace {

// Changes are written at most this long after they were made.
constexpr int RecoveryDelayMs = 300;

constexpr const char* RecoverCaption = "Recover Level?";
constexpr const char* RecoveryOffCaption = "Recovery Off";
constexpr const char* RecoveryFailedCaption = "Recovery Failed";

std::string SavedAtText(std::int64_t savedAt) {
    const QDateTime when = QDateTime::fromSecsSinceEpoch(savedAt);
    if (!when.isValid())
        return "an unknown time";
    return when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toLocal8Bit().toStdString();
}

// What has become of the level's file since the editor last read or wrote it, as a sentence
// for the offer; empty when it is as it was, or when nothing was known of it.
std::string FileSinceThen(const RecoveryRecord& record) {
    if (!record.stamp)
        return {};
    const std::optional<FileStamp> now = LevelFileStampNow(record.path);
    if (!now)
        return " The file is no longer there, or can no longer be read.";
    if (HoldsSameAs(*record.stamp, *now))
        return {};
    return " The file has been changed on disk since then; Save will ask before it replaces the "
           "newer file.";
}

std::string RecoverQuestion(const RecoveryRecord& record) {
    const std::string level = record.path.empty() ? std::string("a new level") : record.path;
    return "The editor ended without saving changes to " + level + " at " +
           SavedAtText(record.savedAt) + "." + FileSinceThen(record) + " Open them now?";
}

std::string RecoveryOffText(const std::string& problem) {
    return "Unsaved changes will not be kept for recovery while this editor runs, and levels "
           "kept earlier are not offered, because " +
           problem + ". Nothing was lost; save your work as usual.";
}

std::string RecoveryFailedText(const std::string& folder, WriteFailure failure) {
    return "Unsaved changes cannot be kept for recovery in " + folder + ": " +
           std::string(WriteFailureText(failure)) +
           ". Nothing was lost: the level is still open; save it to keep it.";
}

struct EndedEditorLevel {
    RecoverySlot slot;
    RecoveryRecord record;
};

// The levels of editors that are gone, newest first, each slot held by this editor. A slot
// without a level belongs to an editor that had nothing unsaved and goes; a level file that
// does not read back whole, or that is not this user's own regular file, is moved aside and
// never offered.
std::vector<EndedEditorLevel> LevelsOfEndedEditors(const RecoveryFolder& folder) {
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
    Recovery.OnFailure([this](WriteFailure failure) {
        QMetaObject::invokeMethod(
            this, [this, failure] { ReportRecoveryFailure(failure); }, Qt::QueuedConnection);
    });
}

// Runs after every change of the level, also on each cell of a stroke: it costs a timer check
// there. A level that became unmodified loses its recovery file at once.
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
    return EncodeRecovery({Document().State(), Document().Path(),
                           static_cast<std::int64_t>(std::time(nullptr)), KnownFileStamp});
}

void CLevelEditorDlg::PreserveUnsavedWork() {
    if (!Document().IsModified())
        return;
    if (const std::optional<std::string> bytes = RecoveryBytes())
        Recovery.WriteNow(*bytes);
}

// A box that opened while a mouse button is held would end the stroke under it: the report
// waits for the release.
void CLevelEditorDlg::ReportRecoveryFailure(WriteFailure failure) {
    if (QApplication::mouseButtons() != Qt::NoButton) {
        QTimer::singleShot(RecoveryDelayMs, this,
                           [this, failure] { ReportRecoveryFailure(failure); });
        return;
    }
    MessageBox(this, RecoveryFailedText(Recovery.Folder().Path(), failure), RecoveryFailedCaption,
               QMessageBox::Ok, QMessageBox::Warning);
}

// Yes opens the level with its file's path, modified, and its recovery file becomes this
// editor's; the levels not asked about yet wait for a later start. No deletes the level;
// Escape or the close box answer nothing and keep it for a later start.
void CLevelEditorDlg::OfferRecoveredLevels() {
    const auto& folder = Recovery.Folder();
    if (!folder.Usable()) {
        MessageBox(this, RecoveryOffText(folder.Problem()), RecoveryOffCaption, QMessageBox::Ok,
                   QMessageBox::Warning);
        return;
    }
    for (EndedEditorLevel& ended : LevelsOfEndedEditors(folder)) {
        const auto answer = MessageBox(this, RecoverQuestion(ended.record), RecoverCaption,
                                       QMessageBox::Yes | QMessageBox::No, QMessageBox::Question);
        if (answer == QMessageBox::No)
            ended.slot.Discard();
        if (answer != QMessageBox::Yes)
            continue;
        Recovery.Adopt(std::move(ended.slot));
        Session.Open(LevelDocument(ended.record.level, ended.record.path, true));
        KnownFileStamp = ended.record.stamp;
        // The recovery file holds this level already, with the time of its changes.
        RecoveryTimer.stop();
        return;
    }
}
