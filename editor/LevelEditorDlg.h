#pragma once
// The editor window: the view of one level document session, whose changed cells it draws
// and which it edits with the mouse and the buttons. It owns only what it shows besides the
// level: the hover, the tiles of the two buttons and the status line.
// Its members are grouped by concern, and so are its source files:
//   Lifecycle.cpp         construction, start-up, the buttons and keys, closing
//   Drawing.cpp           the painted area: grid, cells, hover frame, swatches, palette
//   GridCommands.cpp      Fill Floor, Clear Floor, Show Grid and the status line
//   MouseEditing.cpp      picking and painting tiles with two buttons, the credits link
//   DocumentCommands.cpp  New, Load, Save, Save As, Close and the window title
//   SettingsCommand.cpp   the Settings button
//   UndoHistory.cpp       strokes of the mouse buttons, and the undo and redo keys
//   Recovery.cpp          the recovery file of unsaved changes, and recovering at start
#include "editor/DocumentSession.h"
#include "editor/EditorGeometry.h"
#include "editor/GridDrawing.h"
#include "files/FileAccess.h"
#include "files/FileStamp.h"
#include "files/RecoveryWriter.h"
#include "level/LevelText.h"
#include "platform/Drawing.h"
#include "platform/PaintedDialog.h"
#include "platform/StaticText.h"
#include "settings/SettingsRecord.h"

#include <QIcon>
#include <QImage>
#include <QTimer>
#include <array>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;

class CLevelEditorDlg : public CPaintedDialog {
public:
    explicit CLevelEditorDlg(QWidget* parent = nullptr);
    ~CLevelEditorDlg() override;

    // The settings record's level directory, which the Settings dialog shows and replaces.
    SettingsRecord& GetSettings() { return Settings; }
    const std::string& GetSettingsPath() const { return SettingsPath; }

    // The level on screen, and the session that changes it.
    const LevelDocument& Document() const { return Session.Document(); }
    DocumentSession& GetSession() { return Session; }

    // What the window shows besides the level.
    Cell GetHoverCell() const { return HoverCell; }
    int GetLeftTile() const { return LeftTile; }
    int GetRightTile() const { return RightTile; }
    bool GetLeftDrag() const { return LeftDrag; }
    bool GetRightDrag() const { return RightDrag; }
    const std::string& GetBaseTitle() const { return BaseTitle; }
    const CPen& GetGridPen() const { return GridPen; }
    const QImage& GetTileBitmap(int tile) const { return TileBitmaps[tile]; }

    // Drawing.cpp
    void PaintEditor();
    void DrawAllCells();
    void DrawCell(int column, int row);
    void DrawHoverFrame();
    void DrawSwatches();

    // DocumentCommands.cpp
    // What Load does once a file has been chosen: also how a file named at start-up opens.
    // When not a single row could be read, it says so and returns false with nothing changed.
    bool LoadLevelFromPath(const std::string& path);
    bool SaveLevel();
    bool SaveLevelAs();
    void CloseEditor();
    // Asks whether to save unsaved changes first; false when the user stops.
    bool AskSaveChanges(bool closing);

    // Recovery.cpp
    // Offers the levels of editors that ended without saving, newest first.
    void OfferRecoveredLevels();
    // Writes the recovery file at once when the level has unsaved changes: the process is
    // about to end without closing the window.
    void PreserveUnsavedWork();

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnClose() override;
    void OnPaint() override { PaintEditor(); }

    // MouseEditing.cpp
    void OnLButtonDown(Qt::MouseButtons, Qt::KeyboardModifiers modifiers, QPoint point) override;
    void OnLButtonUp(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint) override;
    void OnRButtonDown(Qt::MouseButtons, Qt::KeyboardModifiers modifiers, QPoint point) override;
    void OnRButtonUp(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint) override;
    void OnMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                     QPoint point) override;
    // UndoHistory.cpp
    bool event(QEvent* event) override;

private:
    // Lifecycle.cpp
    void LoadTileBitmaps();
    void BindControls();
    void ConnectCommands();
    void ReadSettings();
    void WriteSettings();

    // Drawing.cpp
    void DrawPalette();
    void DrawTileImage(CDC& target, int x, int y, const QImage& bitmap);
    void DrawCells(const std::vector<Cell>& cells);
    void DrawChangedCells(const std::vector<Cell>& cells);
    void DrawHoverFrameOverCells();

    // GridCommands.cpp
    void OnFillFloor();
    void OnClearFloor();
    void OnShowGrid();
    void RefreshStatus();

    // MouseEditing.cpp
    void PressMouseButton(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point);
    void ReleaseMouseButton(Qt::MouseButton button);
    void TrackCursor(bool ctrlHeld, QPoint point);
    void PlaceTile(TileType tile);
    bool CheckCreditsClick(QPoint point);

    // UndoHistory.cpp
    void BeginStroke(Qt::MouseButton button);
    void EndStroke();
    void EndStrokeOfButton(Qt::MouseButton button);
    void OnUndo();
    void OnRedo();
    bool MouseButtonHeld() const;

    // SettingsCommand.cpp
    void OnSettings();

    // Recovery.cpp
    void StartRecovery();
    void NoteLevelChange();
    void KeepRecoveryFile();
    std::optional<std::string> RecoveryBytes() const;
    void ReportRecoveryFailure(WriteFailure failure);

    // DocumentCommands.cpp
    void NewLevel();
    void LoadLevel();
    void OnSave() { SaveLevel(); }
    void OnSaveAs() { SaveLevelAs(); }
    void SetLevelPath(const std::string& path);
    void ShowLevelPath();
    bool CheckLevelForSave();
    LevelFileWrite WriteLevelFile();
    bool WriteOrReport();
    bool MayOverwriteLevelFile();

    // State, in the order the window's start-up sets it.
    std::string SettingsPath;
    SettingsRecord Settings;
    TileBitmapSet TileBitmaps;
    bool LeftDrag = false;
    bool RightDrag = false;
    CPen GridPen;
    Cell HoverCell = NoCell;
    std::string BaseTitle;
    int LeftTile = SolidBlock;
    int RightTile = Floor;
    DocumentSession Session;
    // The button whose stroke the session has open.
    Qt::MouseButton StrokeButton = Qt::NoButton;
    EditorGeometry::CellOriginTable CellOrigins{};
    EditorGeometry::CellHitTable CellHitMap{};
    QCheckBox* ShowGridBox = nullptr;
    CStaticText* StatusBox = nullptr;
    QIcon Icon;
    std::string RecoveryFolder;
    RecoveryWriter Recovery;
    QTimer RecoveryTimer;
    // What the level's file was when the editor last read or wrote it; none for a level that
    // has no file yet, or whose file it never read.
    std::optional<FileStamp> KnownFileStamp;
};
