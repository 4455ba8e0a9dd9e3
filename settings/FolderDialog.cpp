#include "settings/FolderDialog.h"

#include "platform/FileSystem.h"
#include "platform/Win32.h"

#include <QDialogButtonBox>
#include <QFileSystemModel>
#include <QFocusEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTreeView>

namespace {

QString ToQt(const std::string& text) {
    return QString::fromLocal8Bit(text);
}

// Paths are shown and returned in lower case only where the file system ignores case;
// elsewhere lowering them would name another folder.
std::string InFolderCase(const std::string& path) {
    if (!FileSystemIgnoresCase())
        return path;
    return ToQt(path).toLower().toLocal8Bit().toStdString();
}

bool IsPlainEnter(const QKeyEvent* event) {
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
           (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool IsKeyboardFocus(const QFocusEvent* event) {
    return event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason ||
           event->reason() == Qt::ShortcutFocusReason;
}

// Selects the view's current row, or its first row when it has none, unless a row is selected
// already: the keyboard then moves a selection that the name box follows.
void SelectCurrentRow(QAbstractItemView* view) {
    QItemSelectionModel* selection = view->selectionModel();
    if (selection->hasSelection())
        return;
    QModelIndex row = view->currentIndex();
    if (!row.isValid())
        row = view->model()->index(0, 0, view->rootIndex());
    if (row.isValid())
        selection->setCurrentIndex(row,
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

} // namespace

CFolderDialog::CFolderDialog(const std::string& initialFolder, FolderMode mode, QWidget* parent)
    : QFileDialog(parent),
      Folder(InFolderCase(initialFolder.empty() ? GetCurrentDirectory() : initialFolder)),
      Mode(mode) {
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::Directory);
    setOption(QFileDialog::ShowDirsOnly);
    setDirectory(ToQt(Folder));
    OnInitDone();
}

int CFolderDialog::DoModal() {
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CFolderDialog::accept() {
    done(QDialog::Accepted);
}

void CFolderDialog::OnInitDone() {
    findChild<QWidget*>(QStringLiteral("fileTypeCombo"))->hide();
    findChild<QWidget*>(QStringLiteral("fileTypeLabel"))->hide();
    setLabelText(QFileDialog::Accept,
                 Mode == ModeOpen ? QStringLiteral("Open") : QStringLiteral("Select"));
    setWindowTitle(Mode == ModeOpen ? QStringLiteral("Open Folder")
                                    : QStringLiteral("Select Folder"));
    setLabelText(QFileDialog::FileName, QStringLiteral("Folder &name:"));
    // The name box shows the chosen folder and is never read: typing in it must not select
    // items in the list or judge the text as Qt's dialog would.
    QLineEdit* nameBox = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    nameBox->disconnect(SIGNAL(textChanged(QString)), this);
    ShowFolderInNameBox();
    auto* list = findChild<QListView*>(QStringLiteral("listView"));
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CFolderDialog::OnFileNameChange);
    // Renaming the selected folder (as after New Folder) changes its name, not the selection.
    connect(qobject_cast<QFileSystemModel*>(list->model()), &QFileSystemModel::fileRenamed, this,
            &CFolderDialog::OnFileNameChange);
    for (QAbstractItemView* view : FolderViews())
        view->installEventFilter(this);
    // Qt empties the name box after it enters a folder; the box shows the folder again then.
    connect(this, &QFileDialog::directoryEntered, this, &CFolderDialog::ShowFolderInNameBox,
            Qt::QueuedConnection);
}

// The list and the detail view, which share one model and one selection.
QList<QAbstractItemView*> CFolderDialog::FolderViews() const {
    return {findChild<QListView*>(QStringLiteral("listView")),
            findChild<QTreeView*>(QStringLiteral("treeView"))};
}

bool CFolderDialog::eventFilter(QObject* watched, QEvent* event) {
    const bool keyPress = event->type() == QEvent::KeyPress;
    const bool focusIn = event->type() == QEvent::FocusIn;
    auto* view = keyPress || focusIn ? qobject_cast<QAbstractItemView*>(watched) : nullptr;
    if (!view || !FolderViews().contains(view))
        return QFileDialog::eventFilter(watched, event);
    // While a folder is renamed in place, its name box has the focus and takes Enter.
    if (keyPress && IsPlainEnter(static_cast<QKeyEvent*>(event)) && view->hasFocus()) {
        OnFileNameChange();
        accept();
        return true;
    }
    if (focusIn && IsKeyboardFocus(static_cast<QFocusEvent*>(event)))
        SelectCurrentRow(view);
    return QFileDialog::eventFilter(watched, event);
}

std::string CFolderDialog::ShownFolder() const {
    return directory().absolutePath().toLocal8Bit().toStdString();
}

std::string CFolderDialog::SelectedItemName() const {
    auto* list = findChild<QListView*>(QStringLiteral("listView"));
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return {};
    return rows.first().data().toString().toLocal8Bit().toStdString();
}

void CFolderDialog::OnFileNameChange() {
    const std::string shown = ShownFolder();
    const std::string item = SelectedItemName();
    const std::string candidate = item.empty() ? std::string() : JoinPath(shown, item);
    Folder = InFolderCase(IsExistingDirectory(candidate) ? candidate : shown);
    ShowFolderInNameBox();
}

void CFolderDialog::ShowFolderInNameBox() {
    QLineEdit* nameBox = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    nameBox->setText(ToQt(Folder));
    nameBox->selectAll();
    // Qt's dialog may have disabled OK over text that was typed; the folder is always taken.
    auto* buttons = findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    buttons->button(QDialogButtonBox::Open)->setEnabled(true);
}
