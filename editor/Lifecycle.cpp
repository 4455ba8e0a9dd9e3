#include "editor/LevelEditorDlg.h"

#include "files/FileSystem.h"
#include "files/RecoveryFolder.h"
#include "res/DialogTemplates.h"
#include "res/Resources.h"

#include "platform/StaticText.h"
#include <QCheckBox>
#include <QShortcut>

CLevelEditorDlg::CLevelEditorDlg(QWidget* parent)
    : CPaintedDialog(EditorTemplate(), parent), Icon(LoadIconResource(IconProgram)),
      RecoveryFolder(RecoveryFolderPath()), Recovery(RecoveryFolder) {
    setMouseTracking(true);
    connect(&Session, &DocumentSession::CellsChanged, this, &CLevelEditorDlg::DrawChangedCells);
    connect(&Session, &DocumentSession::PathChanged, this, &CLevelEditorDlg::ShowLevelPath);
    ConnectCommands();
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
    GridPen = CPen(StoredColour(Settings.GridColor));
    BaseTitle = GetWindowText();
    LeftTile = SolidBlock;
    RightTile = Floor;
    HoverCell = NoCell;
    for (int column = 0; column < GridColumns; ++column)
        for (int row = 0; row < GridRows; ++row)
            CellOrigins[column][row] = EditorGeometry::CellOrigin(column, row);
    EditorGeometry::BuildCellHitMap(CellHitMap);
    StatusBox->setText(QString());
    LoadTileBitmaps();
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

void CLevelEditorDlg::ConnectCommands() {
    const std::pair<int, void (CLevelEditorDlg::*)()> buttons[] = {
        {IdClearFloor, &CLevelEditorDlg::OnClearFloor},
        {IdFillFloor, &CLevelEditorDlg::OnFillFloor},
        {IdLoad, &CLevelEditorDlg::LoadLevel},
        {IdSave, &CLevelEditorDlg::OnSave},
        {IdNew, &CLevelEditorDlg::NewLevel},
        {IdShowGrid, &CLevelEditorDlg::OnShowGrid},
        {IdSaveAs, &CLevelEditorDlg::OnSaveAs},
        {IdSettings, &CLevelEditorDlg::OnSettings},
        {IdClose, &CLevelEditorDlg::CloseEditor},
    };
    for (const auto& [id, command] : buttons)
        ConnectClicked(id, [this, command] { (this->*command)(); });
    // Undo and redo work whichever control has the focus.
    const std::pair<QKeySequence, void (CLevelEditorDlg::*)()> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Z), &CLevelEditorDlg::OnUndo},
        {QKeySequence(Qt::CTRL | Qt::Key_Y), &CLevelEditorDlg::OnRedo},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &CLevelEditorDlg::OnRedo},
    };
    for (const auto& [sequence, command] : keys) {
        auto* shortcut = new QShortcut(sequence, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, command);
    }
}

void CLevelEditorDlg::OnOK() {
    CloseEditor();
}

void CLevelEditorDlg::OnCancel() {
    CloseEditor();
}

void CLevelEditorDlg::OnClose() {
    CloseEditor();
}
