// The level set in the editor: the Level Set window that F3 opens and closes, Page Down and Page
// Up to the next and the previous level of the set, and the fresh level that a missing slot
// opens. Which folder, and which slot a path takes, are decided in level/.
#include "editor/LevelEditorDlg.h"

#include "editor/LevelSetWindow.h"
#include "files/FileSystem.h"
#include "level/LevelSetFolder.h"

#include <QScreen>
#include <QShortcut>
#include <algorithm>

namespace {

// To the right of the editor, moved left as far as the screen needs to show it whole.
void PlaceBeside(QWidget& window, const QWidget& editor) {
    const QRect screen = editor.screen()->availableGeometry();
    const QRect frame = editor.frameGeometry();
    const int right = screen.right() - window.frameGeometry().width();
    window.move(
        std::max(screen.left(), std::min(frame.right() + CompanionWindow::EditorGap, right)),
        frame.top());
}

} // namespace

// Page Down and Page Up work in the editor and in the Level Set window.
void CLevelEditorDlg::AddPageKeys(QWidget* window) {
    connect(new QShortcut(Qt::Key_PageDown, window), &QShortcut::activated, this,
            [this] { OpenNeighbourLevel(1); });
    connect(new QShortcut(Qt::Key_PageUp, window), &QShortcut::activated, this,
            [this] { OpenNeighbourLevel(-1); });
}

void CLevelEditorDlg::StartLevelSet() {
    AddPageKeys(this);
    connect(&Session, &DocumentSession::PathChanged, this, &CLevelEditorDlg::FollowOpenLevel);
    DiskCheck.setSingleShot(true);
    DiskCheck.setInterval(LevelSetModel::RescanDelayMs);
    connect(&DiskCheck, &QTimer::timeout, this, &CLevelEditorDlg::CheckLevelFileOnDisk);
    const auto soon = [this] { DiskCheck.start(); };
    connect(&LevelFileWatch, &QFileSystemWatcher::fileChanged, this, soon);
    connect(&LevelFileWatch, &QFileSystemWatcher::directoryChanged, this, soon);
}

std::string CLevelEditorDlg::LevelSetFolderNow() const {
    return LevelSetFolder(LevelDirectoryText(Settings), OpenLevelPath(), GetCurrentDirectory());
}

const std::string& CLevelEditorDlg::OpenLevelPath() const {
    return Document().Path().empty() ? FreshSlotPath : Document().Path();
}

// The window opens beside the editor the first time, and where the user left it afterwards.
void CLevelEditorDlg::ToggleLevelSet() {
    if (SetWindow && SetWindow->isVisible())
        return static_cast<void>(SetWindow->close());
    SetModel.SetFolder(LevelSetFolderNow());
    const bool first = !SetWindow;
    if (first) {
        SetWindow = new LevelSetWindow(SetModel, this);
        connect(SetWindow, &LevelSetWindow::LevelChosen, this, &CLevelEditorDlg::OpenSetLevel);
        AddPageKeys(SetWindow);
    }
    FollowOpenLevel();
    SetWindow->show();
    if (first)
        PlaceBeside(*SetWindow, *this);
    SetWindow->activateWindow();
    SetWindow->FocusSlot(LevelInSet(SetModel.Folder(), OpenLevelPath()).value_or(1));
}

void CLevelEditorDlg::OpenSetLevel(int level) {
    if (!AskSaveChanges(false))
        return;
    SetModel.SetFolder(LevelSetFolderNow());
    SetModel.Rescan();
    const SlotVerdict slot = SetModel.Slot(level);
    if (slot.kind != SlotVerdict::Kind::Missing)
        return static_cast<void>(LoadLevelFromPath(slot.path));
    FreshSlotPath = slot.path;
    Session.StartNew();
    KnownFileStamp.reset();
}

// From a level outside the set, Page Down opens L1 and Page Up L10.
void CLevelEditorDlg::OpenNeighbourLevel(int step) {
    SetModel.SetFolder(LevelSetFolderNow());
    const std::optional<int> open = LevelInSet(SetModel.Folder(), OpenLevelPath());
    const int level = open ? *open + step : step > 0 ? 1 : LevelSetSize;
    if (level >= 1 && level <= LevelSetSize)
        OpenSetLevel(level);
}

// The open level's file changed (Load, Save As, New) or the level directory did: the watch, the
// set's folder while the window is shown and its marked slot follow.
void CLevelEditorDlg::FollowOpenLevel() {
    WatchLevelFile();
    if (!SetWindow)
        return;
    if (SetWindow->isVisible())
        SetModel.SetFolder(LevelSetFolderNow());
    SetWindow->MarkOpenLevel(LevelInSet(SetModel.Folder(), OpenLevelPath()));
}
