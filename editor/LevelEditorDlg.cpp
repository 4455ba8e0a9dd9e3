#include "editor/LevelEditorDlg.h"

#include "dialogs/FocusStyle.h"
#include "editor/AnalysisWindow.h"
#include "editor/GridAccessible.h"
#include "editor/KeyList.h"
#include "editor/LevelView.h"
#include "editor/ShortcutsWindow.h"
#include "editor/StatusLine.h"
#include "editor/TilePicker.h"
#include "files/FileSystem.h"
#include "files/RecoveryFolder.h"
#include "res/Resources.h"
#include "settings/SettingsDlg.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <functional>

namespace {

enum class ControlKind { PushButton, CheckBox, StatusLabel, CreditsLabel, GroupBox };

struct Control {
    ControlKind kind;
    const char* name;
    const char* text;
    QRect rect;
    std::function<void(CLevelEditorDlg&)> command;
};

// Flat push buttons in the palette's colours: a one-pixel border and no bevel; the focused one
// gets a border in the highlight colour so that keyboard focus stays visible.
const QString FlatButtonStyle = QStringLiteral(
    "QPushButton { border: 1px solid palette(dark); border-radius: 0; background: palette(base);"
    " color: palette(text); padding: 0 4px; }"
    "QPushButton:hover { border-color: palette(shadow); }"
    "QPushButton:focus { border-color: palette(highlight); background: palette(alternate-base); }"
    "QPushButton:pressed { background: palette(midlight); }");

// A group box as a plain outline: the style's own frame shades its inside, which would dim
// the palette drawn behind it.
const QString GroupBoxStyle = QStringLiteral("QGroupBox { border: 1px solid palette(mid); }");

// The labels and the group box are the window's surface: presses on them reach the window.
QWidget* NewControl(const Control& control, QWidget* parent) {
    const QString text = QString::fromLatin1(control.text);
    switch (control.kind) {
    case ControlKind::PushButton: {
        auto* button = new QPushButton(text, parent);
        button->setStyleSheet(FlatButtonStyle);
        return button;
    }
    case ControlKind::CheckBox:
        return new QCheckBox(text, parent);
    case ControlKind::GroupBox: {
        auto* group = new QGroupBox(text, parent);
        group->setStyleSheet(GroupBoxStyle);
        group->setAttribute(Qt::WA_TransparentForMouseEvents);
        group->setAccessibleName(QStringLiteral("Tiles"));
        return group;
    }
    case ControlKind::StatusLabel:
        return new StatusLine(parent);
    case ControlKind::CreditsLabel:
        break;
    }
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setIndent(0);
    label->setAccessibleName(QStringLiteral("About"));
    label->setAccessibleDescription(label->text());
    return label;
}

} // namespace

CLevelEditorDlg::CLevelEditorDlg(const std::string& homeFolder)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      RecoveryFolder(RecoveryFolderPath()), Recovery(RecoveryFolder) {
    InstallFocusStyle();
    InstallEditorAccessibility();
    setWindowTitle(QString::fromLatin1(BaseTitle));
    setWindowIcon(ProgramIcon());
    setFont(WindowFont());
    setFixedSize(EditorGeometry::ClientWidth, EditorGeometry::ClientHeight);
    setMouseTracking(true);
    // A start-up folder that cannot be named (it was deleted) leaves the settings unread and
    // unwritten rather than put somewhere else.
    const std::string startFolder = GetCurrentDirectory();
    SettingsPath = startFolder.empty() ? std::string() : JoinPath(startFolder, SettingsFileName);
    ReadSettingsFile(SettingsPath, Settings);
    if (!SetCurrentDirectory(LevelDirectoryText(Settings)))
        SetCurrentDirectory(homeFolder);
    setAcceptDrops(true);
    EditorGeometry::BuildCellHitMap(CellHitMap);
    View = new LevelView(Session.Document(), GridLineColour(), this);
    View->setObjectName(QStringLiteral("levelGrid"));
    Picker = new TilePicker(this);
    CreateControls();
    ShowGridBox->setChecked(Settings.ShowGrid != 0);
    ShowGridBox->setFocus();
    connect(&Session, &DocumentSession::CellsChanged, View, &LevelView::ShowCells);
    connect(&Session, &DocumentSession::PathChanged, this, &CLevelEditorDlg::ShowLevelPath);
    ConnectGridKeys();
    connect(&Session, &DocumentSession::PaintMirrorChanged, View,
            [this] { View->ShowMirror(Session.PaintMirror()); });
    StartRecovery();
    StartLevelSet();
}

// An editor that goes away ends its session: no level of it is left to recover. Its widgets go
// first, while the session that they show is still there: closing the window takes the focus
// from the grid, which then draws the cell under its cursor again.
CLevelEditorDlg::~CLevelEditorDlg() {
    Recovery.DiscardNow();
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

// The controls in the layout's order, which is also the tab order, at their pixel rectangles.
// Buttons keep their mouse events: a press that they ignore (the right button) starts no drag.
void CLevelEditorDlg::CreateControls() {
    using enum ControlKind;
    const Control controls[] = {
        {PushButton, "closeButton", "Close", {441, 263, 68, 23}, &QWidget::close},
        {StatusLabel, "statusLine", "", {11, 270, 294, 18}, {}},
        {PushButton, "loadButton", "&Load", {441, 117, 68, 23}, &CLevelEditorDlg::LoadLevel},
        {PushButton, "saveButton", "&Save", {441, 148, 68, 23}, &CLevelEditorDlg::SaveLevel},
        {PushButton,
         "fillFloorButton",
         "Fill Floor",
         {312, 18, 75, 23},
         &CLevelEditorDlg::OnFillFloor},
        {PushButton,
         "clearFloorButton",
         "Clear Floor",
         {312, 47, 75, 23},
         &CLevelEditorDlg::OnClearFloor},
        {CheckBox, "showGridBox", "Show Grid", {315, 83, 74, 16}, &CLevelEditorDlg::OnShowGrid},
        {CreditsLabel,
         "credits",
         "Zapmaze Level Editor\nby the Zapmaze team\nClick for credits",
         {314, 244, 123, 42},
         {}},
        {PushButton, "newButton", "&New", {441, 86, 68, 23}, &CLevelEditorDlg::NewLevel},
        {GroupBox, "paletteFrame", "", {393, 11, 116, 67}, {}},
        {PushButton, "saveAsButton", "Save &As", {441, 180, 68, 23}, &CLevelEditorDlg::SaveLevelAs},
        {PushButton,
         "settingsButton",
         "Se&ttings",
         {440, 213, 69, 23},
         &CLevelEditorDlg::OnSettings},
    };
    for (const Control& control : controls) {
        QWidget* widget = NewControl(control, this);
        widget->setObjectName(QString::fromLatin1(control.name));
        widget->setGeometry(control.rect);
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            button->setAttribute(Qt::WA_NoMousePropagation);
            connect(button, &QAbstractButton::clicked, this,
                    [this, command = control.command] { command(*this); });
        }
    }
    ShowGridBox = findChild<QCheckBox*>(QStringLiteral("showGridBox"));
    Status = findChild<QLabel*>(QStringLiteral("statusLine"));
    Credits = findChild<QLabel*>(QStringLiteral("credits"));
    // The grid's place in the tab order: after Clear Floor, before Show Grid.
    setTabOrder(findChild<QWidget*>(QStringLiteral("clearFloorButton")), View);
    setTabOrder(View, ShowGridBox);
    // Undo, redo, the mirror and the windows work whichever control has the focus.
    const std::pair<QKeySequence, void (CLevelEditorDlg::*)()> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Z), &CLevelEditorDlg::OnUndo},
        {QKeySequence(Qt::CTRL | Qt::Key_Y), &CLevelEditorDlg::OnRedo},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &CLevelEditorDlg::OnRedo},
        {QKeySequence(Qt::Key_F1), &CLevelEditorDlg::ShowShortcuts},
        {QKeySequence(Qt::CTRL | Qt::Key_M), &CLevelEditorDlg::StepPaintMirror},
        {QKeySequence(Qt::Key_F2), &CLevelEditorDlg::ToggleAnalysisWindow},
        {QKeySequence(Qt::Key_F3), &CLevelEditorDlg::ToggleLevelSet},
    };
    for (const auto& [sequence, command] : keys)
        connect(new QShortcut(sequence, this), &QShortcut::activated, this, command);
    ConnectButtonKeys(this);
}

// Escape closes the editor; so does Enter, unless a push button has the focus: Enter clicks it.
void CLevelEditorDlg::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!plain || (!enter && event->key() != Qt::Key_Escape))
        return QWidget::keyPressEvent(event);
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    if (enter && focused)
        focused->click();
    else
        close();
}

void CLevelEditorDlg::closeEvent(QCloseEvent* event) {
    event->setAccepted(CloseEditor());
    if (event->isAccepted() && Shortcuts)
        Shortcuts->close();
    if (event->isAccepted() && Analysis)
        Analysis->close();
}

// The dialog changes the settings record in memory; what it returns does not matter here. The
// level directory names the level set.
void CLevelEditorDlg::OnSettings() {
    CSettingsDlg dialog(Settings, this);
    dialog.exec();
    FollowOpenLevel();
}

void CLevelEditorDlg::ShowShortcuts() {
    if (!Shortcuts)
        Shortcuts = new ShortcutsWindow(this);
    Shortcuts->show();
    Shortcuts->activateWindow();
}
