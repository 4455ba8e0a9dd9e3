#pragma once
// The editor window: one dialog that holds the level, draws it and edits it with the mouse.
// Its members are grouped by concern, and so are its source files:
//   Lifecycle.cpp         construction, start-up, the command table, closing
//   Drawing.cpp           the painted area: grid, cells, hover frame, swatches, palette
//   GridCommands.cpp      Fill Floor, Clear Floor, Show Grid and the status line
//   MouseEditing.cpp      picking and painting tiles with two buttons, the credits link
//   DocumentCommands.cpp  New, Load, Save, Save As, Close and the window title
//   SettingsCommand.cpp   the Settings button
#include "editor/EditorGeometry.h"
#include "level/Level.h"
#include "platform/Drawing.h"
#include "platform/PaintedDialog.h"
#include "platform/StaticText.h"
#include "settings/SettingsRecord.h"

#include <QIcon>
#include <QImage>
#include <array>
#include <string>

class QCheckBox;

class CLevelEditorDlg : public CPaintedDialog {
public:
    explicit CLevelEditorDlg(QWidget* parent = nullptr);
    ~CLevelEditorDlg() override;

    // The settings record's level directory, which the Settings dialog shows and replaces.
    SettingsRecord& GetSettings() { return Settings; }

    // Drawing.cpp
    void PaintEditor();
    void DrawAllCells();
    void DrawCell(int column, int row);
    void DrawHoverFrame();
    void DrawSwatches();
    void DrawPalette();
    void DrawTileImage(CDC& target, int x, int y, const QImage& bitmap);

    // GridCommands.cpp
    void OnFillFloor();
    void OnClearFloor();
    void OnShowGrid();
    void RefreshStatus();

    // MouseEditing.cpp
    void TrackCursor(bool ctrlHeld, QPoint point);
    void PlaceTile(TileType tile);
    bool CheckCreditsClick(QPoint point);
    void OnSysCommand(unsigned id);

    // SettingsCommand.cpp
    void OnSettings();

    // DocumentCommands.cpp
    void NewLevel();
    void LoadLevel();
    // What Load does once a file has been chosen: also how a file named at start-up opens.
    void LoadLevelFromPath(const std::string& path);
    bool SaveLevel();
    bool SaveLevelAs();
    void OnSave() { SaveLevel(); }
    void OnSaveAs() { SaveLevelAs(); }
    void CloseEditor();
    bool AskSaveChanges(bool closing);
    void SetLevelPath(const std::string& path);
    bool CheckLevelForSave();
    bool WriteLevelFile();
    void ReadLevelFile();

    // Lifecycle.cpp
    void ResetToDefaultLevel();
    void ReadSettings();
    void WriteSettings();
    const QIcon& OnQueryDragIcon() const { return Icon; }

    // State, in the order the window's start-up sets it.
    std::string SettingsPath;
    SettingsRecord Settings;
    std::array<QImage, TileCount> TileBitmaps;
    ::PlayerStarts PlayerStarts;
    bool LeftDrag = false;
    bool RightDrag = false;
    CBrush BlackBrush;
    CPen GridPen;
    CBrush WhiteBrush;
    Cell HoverCell = NoCell;
    RECT GridRect{};
    std::string StatusText;
    std::string BaseTitle;
    std::string CurrentPath;
    bool Modified = false;
    int LeftTile = SolidBlock;
    int RightTile = Floor;
    LevelGrid Grid{};
    EditorGeometry::CellOriginTable CellOrigins{};
    EditorGeometry::CellHitTable CellHitMap{};
    QCheckBox* ShowGridBox = nullptr;
    CStaticText* StatusBox = nullptr;
    QIcon Icon;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnClose() override;
    bool OnCommand(int id) override;
    void OnPaint() override { PaintEditor(); }

    // MouseEditing.cpp
    void OnLButtonDown(unsigned flags, QPoint point) override;
    void OnLButtonUp(unsigned flags, QPoint point) override;
    void OnRButtonDown(unsigned flags, QPoint point) override;
    void OnRButtonUp(unsigned flags, QPoint point) override;
    void OnMouseMove(unsigned flags, QPoint point) override;

private:
    void LoadTileBitmaps();
    void BindControls();
};
