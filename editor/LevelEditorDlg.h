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
//   GridCommands.cpp      Fill Floor, Clear Floor, Show Grid, undo, redo and the status line
//   DocumentCommands.cpp  New, Load, Save, Save As, Close and the window title
//   Fairness.cpp          mirror painting and the Level Analysis window
//   Recovery.cpp          the recovery file of unsaved changes, and recovering at start
#include "editor/DocumentSession.h"
#include "editor/EditorGeometry.h"
#include "files/FileAccess.h"
#include "files/FileStamp.h"
#include "files/RecoveryWriter.h"
#include "level/LevelText.h"
#include "settings/SettingsRecord.h"

#include <QTimer>
#include <QWidget>
#include <optional>
#include <string>

class AnalysisWindow;
class LevelView;
class QCheckBox;
class QLabel;
class TilePicker;

class CLevelEditorDlg : public QWidget {
    Q_OBJECT

public:
    CLevelEditorDlg();
    ~CLevelEditorDlg() override;

    // The level on screen, and the session that changes it.
    const LevelDocument& Document() const { return Session.Document(); }
    DocumentSession& GetSession() { return Session; }

    // DocumentCommands.cpp
    // What Load does once a file has been chosen: also how a file named at start-up opens.
    // When not a single row could be read, it says so and returns false with nothing changed.
    bool LoadLevelFromPath(const std::string& path);
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

protected:
    // LevelEditorDlg.cpp
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
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
    void PlaceTile(TileType tile);
    bool HitsCredits(QPoint point) const;
    void ShowAbout();
    void BeginDrag(Qt::MouseButton button);
    void EndDrag();
    bool MouseButtonHeld() const;

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

    std::string SettingsPath;
    SettingsRecord Settings;
    DocumentSession Session;
    // The button whose drag paints the stroke that the session has open, if any.
    Qt::MouseButton DragButton = Qt::NoButton;
    EditorGeometry::CellHitTable CellHitMap{};
    LevelView* View = nullptr;
    TilePicker* Picker = nullptr;
    QCheckBox* ShowGridBox = nullptr;
    QLabel* Status = nullptr;
    QLabel* Credits = nullptr;
    AnalysisWindow* Analysis = nullptr; // made when F2 first opens it
    std::string RecoveryFolder;
    RecoveryWriter Recovery;
    QTimer RecoveryTimer;
    // What the level's file was when the editor last read or wrote it; none for a level that
    // has no file yet, or whose file it never read.
    std::optional<FileStamp> KnownFileStamp;
};
