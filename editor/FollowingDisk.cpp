// The open level's file changed on disk by another program. The editor watches the file and
// its folder (a file replaced by a rename is a change of the folder) and compares what is there
// with what it last read or wrote, the record that Save's guard keeps: a save of the editor's
// own therefore never counts. An unmodified level is read again; a modified one asks first.
#include "editor/LevelEditorDlg.h"

#include "dialogs/MessageBox.h"
#include "files/FileSystem.h"

#include <QApplication>
#include <QLabel>

namespace {

constexpr const char* ReadAgainStatus = "Changed on disk by another program: read again";

std::string KeepEditorsVersionQuestion(const std::string& path) {
    return "The file " + path +
           " has been changed on disk by another program. Keep the level as it is in the "
           "editor? Yes keeps the editor's version, with its changes unsaved; No reads the "
           "version on disk and drops the editor's changes.";
}

} // namespace

void CLevelEditorDlg::WatchLevelFile() {
    const std::string& path = Document().Path();
    QStringList wanted;
    if (!path.empty()) {
        const std::string folder = FolderOfPath(path);
        wanted = {QString::fromLocal8Bit(path),
                  QString::fromLocal8Bit(folder.empty() ? "." : folder)};
    }
    const QStringList watched = LevelFileWatch.files() + LevelFileWatch.directories();
    if (watched == wanted)
        return;
    if (!watched.isEmpty())
        LevelFileWatch.removePaths(watched);
    if (!wanted.isEmpty())
        LevelFileWatch.addPaths(wanted);
}

// A stroke, a box or another check under way is left to finish; the check comes after it.
void CLevelEditorDlg::CheckLevelFileOnDisk() {
    WatchLevelFile();
    const std::string path = Document().Path();
    if (!KnownFileStamp || path.empty())
        return;
    if (CheckingDisk || Session.StrokeOpen() || QApplication::activeModalWidget())
        return DiskCheck.start();
    const std::optional<FileStamp> now = LevelFileStampNow(path);
    if (!now || HoldsSameAs(*KnownFileStamp, *now) ||
        (DiskStampSeen && HoldsSameAs(*DiskStampSeen, *now)))
        return;
    DiskStampSeen = now;
    CheckingDisk = true;
    const bool take =
        !Document().IsModified() ||
        MessageBox(this, KeepEditorsVersionQuestion(path), "File Changed",
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::Question) == QMessageBox::No;
    if (take && LoadLevelFromPath(path))
        Status->setText(QString::fromLatin1(ReadAgainStatus));
    CheckingDisk = false;
}
