#include "settings/FolderDialog.h"

#include "dialogs/MessageBox.h"
#include "dialogs/PathText.h"
#include "files/FileSystem.h"

#include <QDialogButtonBox>
#include <QFileSystemModel>
#include <QFocusEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTreeView>
#include <utility>

const char PlainFolderChooserText[] =
    "The full folder picker is not available with this version of Qt. A plain folder chooser "
    "opens instead.";

namespace {

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

CFolderDialog::CFolderDialog(const std::string& initialFolder, QWidget* parent)
    : QFileDialog(parent), Folder(initialFolder.empty() ? GetCurrentDirectory() : initialFolder) {
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::Directory);
    setOption(QFileDialog::ShowDirsOnly);
    setDirectory(PathToQt(Folder));
    setLabelText(QFileDialog::Accept, QStringLiteral("Select"));
    setWindowTitle(QStringLiteral("Select Folder"));
    setLabelText(QFileDialog::FileName, QStringLiteral("Folder &name:"));
}

int CFolderDialog::exec() {
    if (!TakeParts())
        MessageBox(parentWidget(), PlainFolderChooserText, windowTitle().toStdString(),
                   QMessageBox::Ok, QMessageBox::Information);
    const int result = QFileDialog::exec();
    if (result == QDialog::Accepted && !Found.nameBox && !selectedFiles().isEmpty())
        Folder = selectedFiles().first().toLocal8Bit().toStdString();
    return result;
}

void CFolderDialog::setVisible(bool visible) {
    if (visible)
        TakeParts();
    QFileDialog::setVisible(visible);
}

// The picker takes the folder it shows; Qt's plain chooser judges the typed text itself.
void CFolderDialog::accept() {
    if (Found.nameBox)
        done(QDialog::Accepted);
    else
        QFileDialog::accept();
}

bool CFolderDialog::TakeParts() {
    if (std::exchange(PartsSought, true))
        return Found.nameBox != nullptr;
    const Parts parts{findChild<QLineEdit*>(QStringLiteral("fileNameEdit")),
                      findChild<QListView*>(QStringLiteral("listView")),
                      findChild<QTreeView*>(QStringLiteral("treeView")),
                      findChild<QDialogButtonBox*>(QStringLiteral("buttonBox")),
                      findChild<QWidget*>(QStringLiteral("fileTypeCombo")),
                      findChild<QWidget*>(QStringLiteral("fileTypeLabel"))};
    auto* model = parts.list ? qobject_cast<QFileSystemModel*>(parts.list->model()) : nullptr;
    if (!parts.nameBox || !parts.list || !parts.detailView || !parts.buttons || !parts.typeBox ||
        !parts.typeLabel || !model || !parts.buttons->button(QDialogButtonBox::Open))
        return false;
    Found = parts;
    Found.typeBox->hide();
    Found.typeLabel->hide();
    // The name box shows the chosen folder and is never read: typing in it must not select
    // items in the list or judge the text as Qt's dialog would.
    Found.nameBox->disconnect(SIGNAL(textChanged(QString)), this);
    ShowFolderInNameBox();
    connect(Found.list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CFolderDialog::OnFileNameChange);
    // Renaming the selected folder (as after New Folder) changes its name, not the selection.
    connect(model, &QFileSystemModel::fileRenamed, this, &CFolderDialog::OnFileNameChange);
    for (QAbstractItemView* view : FolderViews())
        view->installEventFilter(this);
    // Qt empties the name box after it enters a folder; the box shows the folder again then.
    connect(this, &QFileDialog::directoryEntered, this, &CFolderDialog::ShowFolderInNameBox,
            Qt::QueuedConnection);
    return true;
}

// The list and the detail view, which share one model and one selection.
QList<QAbstractItemView*> CFolderDialog::FolderViews() const {
    return {Found.list, Found.detailView};
}

bool CFolderDialog::eventFilter(QObject* watched, QEvent* event) {
    const bool keyPress = event->type() == QEvent::KeyPress;
    const bool focusIn = event->type() == QEvent::FocusIn;
    auto* view = keyPress || focusIn ? qobject_cast<QAbstractItemView*>(watched) : nullptr;
    if (!view || !Found.nameBox || !FolderViews().contains(view))
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
    const QModelIndexList rows = Found.list->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return {};
    return rows.first().data().toString().toLocal8Bit().toStdString();
}

void CFolderDialog::OnFileNameChange() {
    if (!Found.nameBox)
        return;
    const std::string shown = ShownFolder();
    const std::string item = SelectedItemName();
    const std::string candidate = item.empty() ? std::string() : JoinPath(shown, item);
    Folder = IsExistingDirectory(candidate) ? candidate : shown;
    ShowFolderInNameBox();
}

void CFolderDialog::ShowFolderInNameBox() {
    Found.nameBox->setText(PathToQt(Folder));
    Found.nameBox->selectAll();
    // Qt's dialog may have disabled OK over text that was typed; the folder is always taken.
    Found.buttons->button(QDialogButtonBox::Open)->setEnabled(true);
}
