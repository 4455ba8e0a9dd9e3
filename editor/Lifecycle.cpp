#include "editor/LevelEditorDlg.h"

#include "files/RecoveryFolder.h"
#include "platform/FileSystem.h"
#include "res/DialogTemplates.h"
#include "res/Resources.h"

#include "platform/StaticText.h"
#include <QCheckBox>

CLevelEditorDlg::CLevelEditorDlg(QWidget* parent)
    : CPaintedDialog(EditorTemplate(), parent), Icon(LoadIconResource(IconProgram)),
      RecoveryFolder(RecoveryFolderPath()), Recovery(RecoveryFolder) {
    setMouseTracking(true);
    StartRecovery();
}

// An editor that goes away ends its session: no level of it is left to recover.
CLevelEditorDlg::~CLevelEditorDlg() {
    Recovery.DiscardNow();
}

void CLevelEditorDlg::BindControls() {
    ShowGridBox = qobject_cast<QCheckBox*>(GetDlgItem(IdShowGrid));
    StatusBox = static_cast<CStaticText*>(GetDlgItem(IdStatusLine));
}

bool CLevelEditorDlg::OnInitDialog() {
    BindControls();
    // This platform's windows have no window menu to extend; the credits text opens the About
    // box instead.
    setWindowIcon(Icon);
    // A start-up folder that cannot be named (it was deleted) leaves the settings unread and
    // unwritten rather than put somewhere else.
    const std::string startFolder = GetCurrentDirectory();
    SettingsPath = startFolder.empty() ? std::string() : JoinPath(startFolder, SettingsFileName);
    ReadSettings();
    SetCurrentDirectory(LevelDirectoryText(Settings));
    ShowGridBox->setChecked(Settings.ShowGrid != 0);
    BlackBrush = CBrush(RGB(0, 0, 0));
    GridPen = CPen(Settings.GridColor);
    BaseTitle = GetWindowText();
    LeftTile = SolidBlock;
    RightTile = Floor;
    HoverCell = NoCell;
    GridRect = {EditorGeometry::GridLeft, EditorGeometry::GridTop, EditorGeometry::GridRight,
                EditorGeometry::GridBottom};
    Level.ResetToDefault();
    for (int column = 0; column < GridColumns; ++column)
        for (int row = 0; row < GridRows; ++row)
            CellOrigins[column][row] = EditorGeometry::CellOrigin(column, row);
    EditorGeometry::BuildCellHitMap(CellHitMap);
    StatusBox->setText(QString());
    LoadTileBitmaps();
    StartHistory();
    AddAccelerator(QKeySequence(Qt::CTRL | Qt::Key_Z), IdUndo);
    AddAccelerator(QKeySequence(Qt::CTRL | Qt::Key_Y), IdRedo);
    AddAccelerator(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), IdRedo);
    ShowGridBox->setFocus();
    return false;
}

void CLevelEditorDlg::LoadTileBitmaps() {
    TileBitmaps = GridDrawing::LoadTileBitmaps();
}

void CLevelEditorDlg::ReadSettings() {
    ReadSettingsFile(SettingsPath, Settings);
}

void CLevelEditorDlg::WriteSettings() {
    WriteSettingsFile(SettingsPath, Settings);
}

// Every command (Enter and Escape included) first ends a stroke in progress: the box that it
// may open takes the mouse, and the stroke up to there becomes one step.
bool CLevelEditorDlg::OnCommand(int id) {
    static const CommandEntry<CLevelEditorDlg> Commands[] = {
        {IdClearFloor, &CLevelEditorDlg::OnClearFloor},
        {IdFillFloor, &CLevelEditorDlg::OnFillFloor},
        {IdLoad, &CLevelEditorDlg::LoadLevel},
        {IdSave, &CLevelEditorDlg::OnSave},
        {IdNew, &CLevelEditorDlg::NewLevel},
        {IdShowGrid, &CLevelEditorDlg::OnShowGrid},
        {IdSaveAs, &CLevelEditorDlg::OnSaveAs},
        {IdSettings, &CLevelEditorDlg::OnSettings},
        {IdClose, &CLevelEditorDlg::CloseEditor},
        {IdUndo, &CLevelEditorDlg::OnUndo},
        {IdRedo, &CLevelEditorDlg::OnRedo},
    };
    if (id != IdUndo && id != IdRedo)
        EndStroke();
    return DispatchCommand(this, Commands, id) || CPaintedDialog::OnCommand(id);
}

void CLevelEditorDlg::OnOK() {
    CloseEditor();
}

void CLevelEditorDlg::OnCancel() {
    CloseEditor();
}

void CLevelEditorDlg::OnClose() {
    EndStroke();
    CloseEditor();
}
