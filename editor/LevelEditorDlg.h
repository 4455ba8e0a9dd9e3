#pragma once
// The editor window: the view of one level document session, whose changed cells it draws
// and which it edits with the mouse and the buttons. It owns only what it shows besides the
// level: the settings, the tiles of the two buttons, the hover and the status line.
// It is a plain top-level widget of real widgets: LevelView for the grid, TilePicker for the
// palette and the swatches, and Qt's buttons, check box, labels and group box, each at the
// pixel rectangle of the window's layout. Every press, release and move over the window's own
// surface (the grid, the palette, the swatches, the labels and the empty background) reaches
// one mouse handler in window pixels, so that a drag started anywhere on it paints once the
// pointer reaches the grid; the controls keep their mouse events to themselves.
// Its source files, by concern:
//   LevelEditorDlg.cpp    construction, the widgets, the keys, the Settings button, closing
//   MouseEditing.cpp      picking and painting tiles with two buttons, strokes, the credits link
//   KeyboardEditing.cpp   the same with the cell cursor of the focused grid and its keys
//   GridCommands.cpp      Fill Floor, Clear Floor, Show Grid, undo, redo and the status line
//   DocumentCommands.cpp  New, Load, Save, Save As, Close and the window title
//   Fairness.cpp          mirror painting and the Level Analysis window
//   Recovery.cpp          the recovery file of unsaved changes, and recovering at start
//   LevelSetCommands.cpp  the Level Set window (F3), Page Up and Page Down
//   FollowingDisk.cpp     reading the open level again when another program changed its file
//   FileDrop.cpp          opening a level file dropped on the window
#include "editor/DocumentSession.h"
#include "editor/EditorGeometry.h"
#include "editor/LevelSetModel.h"
#include "files/FileAccess.h"
#include "files/FileStamp.h"
#include "files/RecoveryWriter.h"
#include "level/LevelText.h"
#include "settings/SettingsRecord.h"

#include <QFileSystemWatcher>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <string>

struct GridKey;
class LevelSetWindow;
class AnalysisWindow;
class LevelView;
class QCheckBox;
class QLabel;
class ShortcutsWindow;
class TilePicker;

class CLevelEditorDlg : public QWidget {
    Q_OBJECT

public:
    // With a home folder (the editor started in its own settings folder), the editor works in
    // that folder when the settings name no level directory that it can enter.
    explicit CLevelEditorDlg(const std::string& homeFolder = {});
    ~CLevelEditorDlg() override;

    // The level on screen, and the session that changes it.
    const LevelDocument& Document() const { return Session.Document(); }
    DocumentSession& GetSession() { return Session; }

    // DocumentCommands.cpp
    // What Load does once a file has been chosen: also how a file named at start-up opens.
    // When not a single row could be read, it says so and returns false with nothing changed.
    bool LoadLevelFromPath(const std::string& path);
    // Opens a file named from outside the editor (on the command line, dropped on the window)
    // as Load does once its dialog is accepted in the file's folder, unsaved changes first.
    void OpenNamedLevel(const std::string& path);
    bool SaveLevel();
    bool SaveLevelAs();
    // Asks whether to save unsaved changes first; false when the user stops.
    bool AskSaveChanges(bool closing);

    // Recovery.cpp
    // Offers the levels of editors that ended without saving, newest first.
    void OfferRecoveredLevels();
    // Writes the recovery file at once when the level has unsaved changes: the process is
    // about to end without closing the window.
    void PreserveUnsavedWork();

    // LevelSetCommands.cpp
    // The folder whose set the Level Set window and Page Up and Page Down show now.
    std::string LevelSetFolderNow() const;

protected:
    // LevelEditorDlg.cpp
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // FileDrop.cpp
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // MouseEditing.cpp
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    static constexpr char BaseTitle[] = "Zapmaze Level Editor v1.02";

    // LevelEditorDlg.cpp
    void CreateControls();
    void OnSettings();
    void ShowShortcuts();

    // GridCommands.cpp
    void OnFillFloor();
    void OnClearFloor();
    void OnShowGrid();
    void OnUndo();
    void OnRedo();
    void RefreshStatus();
    // The colour of the grid lines, as the settings record keeps it.
    render::Pixel GridLineColour() const;

    // Fairness.cpp
    void StepPaintMirror();
    void ToggleAnalysisWindow();
    void ShowCell(Cell cell);

    // MouseEditing.cpp
    void PressMouseButton(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point);
    void TrackCursor(bool ctrlHeld, QPoint point);
    bool HitsCredits(QPoint point) const;
    void BeginDrag(Qt::MouseButton button);
    void EndDrag();
    // A mouse button or Space holds a stroke open.
    bool StrokeHeld() const;
    // Player One and Player Two are placed by the press alone and never dragged.
    static bool EndsDragAtOnce(int tile);

    // KeyboardEditing.cpp
    void ConnectGridKeys();
    void OnGridKey(const GridKey& key);
    void OnCursorMoved();
    void BeginKeyStroke(Qt::MouseButton button);
    void PaintAtCursor();
    void EndKeyStroke();

    // Recovery.cpp
    void StartRecovery();
    void NoteLevelChange();
    void KeepRecoveryFile();
    std::optional<std::string> RecoveryBytes() const;
    void ReportRecoveryFailure(WriteFailure failure);

    // DocumentCommands.cpp
    // The close routine of every way of closing the window (the close box, Close, Escape and
    // Enter): asks whether to save unsaved changes, then writes "settings.dat". False when the
    // editor stays open.
    bool CloseEditor();
    void NewLevel();
    void LoadLevel();
    void ShowLevelPath();
    bool CheckLevelForSave();
    LevelFileWrite WriteLevelFile();
    bool WriteOrReport();
    bool MayOverwriteLevelFile();
    bool SaveLevelTo(const std::string& path);
    bool SaveToFreshSlot();

    // LevelSetCommands.cpp
    void StartLevelSet();
    void AddPageKeys(QWidget* window);
    void ToggleLevelSet();
    // Opens the set's level (1..10) as Load does, or a fresh level for its missing file.
    void OpenSetLevel(int level);
    void OpenNeighbourLevel(int step);
    // The open level's file, or the file that the fresh level of a missing slot will be.
    const std::string& OpenLevelPath() const;
    void FollowOpenLevel();

    // FollowingDisk.cpp
    void WatchLevelFile();
    void CheckLevelFileOnDisk();

    std::string SettingsPath;
    SettingsRecord Settings;
    DocumentSession Session;
    // The button whose drag paints the stroke that the session has open, if any.
    Qt::MouseButton DragButton = Qt::NoButton;
    // The button whose tile Space (or Shift+Space), held down, paints, if any.
    Qt::MouseButton KeyButton = Qt::NoButton;
    EditorGeometry::CellHitTable CellHitMap{};
    LevelView* View = nullptr;
    TilePicker* Picker = nullptr;
    QCheckBox* ShowGridBox = nullptr;
    QLabel* Status = nullptr;
    QLabel* Credits = nullptr;
    ShortcutsWindow* Shortcuts = nullptr;
    AnalysisWindow* Analysis = nullptr; // made when F2 first opens it
    std::string RecoveryFolder;
    RecoveryWriter Recovery;
    QTimer RecoveryTimer;
    // What the level's file was when the editor last read or wrote it; none for a level that
    // has no file yet, or whose file it never read.
    std::optional<FileStamp> KnownFileStamp;
    // The set of the open level's folder (or the level directory) and its window, made at the
    // first F3.
    LevelSetModel SetModel;
    LevelSetWindow* SetWindow = nullptr;
    // Where the first Save of a fresh level opened for a missing slot writes it; it counts only
    // while the level has no file, so that a failed first Save keeps it, and New forgets it.
    std::string FreshSlotPath;
    // The open level's file and folder, watched for other programs' writes.
    QFileSystemWatcher LevelFileWatch;
    QTimer DiskCheck;
    // The last state of the file on disk that the editor has already answered for.
    std::optional<FileStamp> DiskStampSeen;
    bool CheckingDisk = false;
};
