// The folder picker driven for real: what it lists and shows, and which folder it returns.
#include "platform/FileSystem.h"
#include "platform/Win32.h"
#include "settings/FolderDialog.h"
#include "tests/support/NextModal.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <functional>

namespace {

// Paths come back in lower case only where the file system ignores case.
std::string InFolderCase(const std::string& path) {
    if (!FileSystemIgnoresCase())
        return path;
    return QString::fromLocal8Bit(path).toLower().toLocal8Bit().toStdString();
}

QLineEdit* NameBox(QWidget* dialog) {
    return dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
}

QListView* List(QWidget* dialog) {
    return dialog->findChild<QListView*>(QStringLiteral("listView"));
}

// The list or the detail view, whichever the dialog shows.
QAbstractItemView* ShownView(QFileDialog* dialog) {
    if (dialog->viewMode() == QFileDialog::Detail)
        return dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
    return List(dialog);
}

void ShowActive(QWidget* dialog) {
    dialog->show();
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
}

QPushButton* OkButton(QWidget* dialog) {
    return dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))
        ->button(QDialogButtonBox::Open);
}

QPushButton* CancelButton(QWidget* dialog) {
    return dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))
        ->button(QDialogButtonBox::Cancel);
}

std::string Text(const QLineEdit* edit) {
    return edit->text().toLocal8Bit().toStdString();
}

// The names that the list shows, once the file system model has listed the folder.
QStringList ListedNames(QWidget* dialog, int expectedCount) {
    QListView* list = List(dialog);
    if (!QTest::qWaitFor(
            [&] { return list->model()->rowCount(list->rootIndex()) >= expectedCount; }))
        qWarning("the folder was not listed in time");
    QStringList names;
    for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row)
        names << list->model()->index(row, 0, list->rootIndex()).data().toString();
    names.sort();
    return names;
}

void ClickItem(QWidget* dialog, const QString& name, bool twice = false) {
    QListView* list = List(dialog);
    const auto matches = list->model()->match(list->model()->index(0, 0, list->rootIndex()),
                                              Qt::DisplayRole, name, 1, Qt::MatchExactly);
    QVERIFY(!matches.isEmpty());
    const QPoint centre = list->visualRect(matches.first()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

} // namespace

class FolderDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(Dir.isValid());
        Root = Dir.path().toLocal8Bit().toStdString();
        QVERIFY(QDir(Dir.path()).mkdir(QStringLiteral("Levels")));
        QVERIFY(QDir(Dir.path()).mkdir(QStringLiteral("Other")));
        QFile file(Dir.filePath(QStringLiteral("L1.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    void cleanup() {
        QVERIFY(QDir(Dir.path()).removeRecursively());
        QVERIFY(QDir().mkpath(Dir.path()));
    }

    void showsTheTextsOfItsMode_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("okText");
        QTest::addColumn<QString>("title");
        QTest::newRow("open") << int(CFolderDialog::ModeOpen) << "Open"
                              << "Open Folder";
        QTest::newRow("select") << int(CFolderDialog::ModeSelect) << "Select"
                                << "Select Folder";
    }

    void showsTheTextsOfItsMode() {
        QFETCH(int, mode);
        QFETCH(QString, okText);
        QFETCH(QString, title);
        CFolderDialog dialog(Root, CFolderDialog::FolderMode(mode));
        dialog.show();
        QCOMPARE(OkButton(&dialog)->text(), okText);
        QCOMPARE(dialog.windowTitle(), title);
        auto* label = dialog.findChild<QLabel*>(QStringLiteral("fileNameLabel"));
        QCOMPARE(label->text(), QStringLiteral("Folder &name:"));
        QCOMPARE(label->buddy(), NameBox(&dialog));
        QVERIFY(!dialog.findChild<QWidget*>(QStringLiteral("fileTypeCombo"))->isVisible());
        QVERIFY(!dialog.findChild<QWidget*>(QStringLiteral("fileTypeLabel"))->isVisible());
    }

    void opensInTheInitialFolderWithItInTheNameBox() {
        CFolderDialog dialog(Root, CFolderDialog::ModeSelect);
        dialog.show();
        QCOMPARE(dialog.directory().absolutePath(), Dir.path());
        QCOMPARE(Text(NameBox(&dialog)), InFolderCase(Root));
        QCOMPARE(NameBox(&dialog)->selectedText(), NameBox(&dialog)->text());
    }

    void listsFoldersButNoFiles() {
        CFolderDialog dialog(Root, CFolderDialog::ModeSelect);
        dialog.show();
        QCOMPARE(ListedNames(&dialog, 2), QStringList({"Levels", "Other"}));
    }

    void selectReturnsTheInitialFolderWhenNothingWasSelected() {
        CFolderDialog dialog(Root, CFolderDialog::ModeSelect);
        OnNextModal([](QWidget* shown) { OkButton(shown)->click(); });
        QCOMPARE(dialog.DoModal(), IDOK);
        QCOMPARE(dialog.GetFolder(), InFolderCase(Root));
    }

    void anEmptyInitialFolderMeansTheCurrentDirectory() {
        const std::string previous = GetCurrentDirectory();
        QVERIFY(SetCurrentDirectory(JoinPath(Root, "Other")));
        CFolderDialog dialog("", CFolderDialog::ModeOpen);
        SetCurrentDirectory(previous);
        OnNextModal([](QWidget* shown) { OkButton(shown)->click(); });
        QCOMPARE(dialog.DoModal(), IDOK);
        QCOMPARE(dialog.GetFolder(), InFolderCase(JoinPath(Root, "Other")));
    }

    void selectingASubfolderPutsItsPathIntoTheNameBox() {
        CFolderDialog dialog(Root, CFolderDialog::ModeSelect);
        const std::string levels = InFolderCase(JoinPath(Root, "Levels"));
        OnNextModal([&](QWidget* shown) {
            ListedNames(shown, 2);
            ClickItem(shown, QStringLiteral("Levels"));
            QCOMPARE(Text(NameBox(shown)), levels);
            QCOMPARE(NameBox(shown)->selectedText(), NameBox(shown)->text());
            QCOMPARE(OkButton(shown)->text(), QStringLiteral("Select"));
            OkButton(shown)->click();
        });
        QCOMPARE(dialog.DoModal(), IDOK);
        QCOMPARE(dialog.GetFolder(), levels);
    }

    void typedTextIsNeverRead() {
        CFolderDialog dialog(Root, CFolderDialog::ModeSelect);
        dialog.show();
        ListedNames(&dialog, 2);
        ClickItem(&dialog, QStringLiteral("Other"));
        QLineEdit* nameBox = NameBox(&dialog);
        nameBox->setFocus();
        nameBox->selectAll();
        QTest::keyClicks(nameBox, QStringLiteral("Levels"));
        QCOMPARE(nameBox->text(), QStringLiteral("Levels"));
        QVERIFY(OkButton(&dialog)->isEnabled());
        QTest::keyClick(nameBox, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.GetFolder(), InFolderCase(JoinPath(Root, "Other")));
    }

    void enteringTheSelectedFolderKeepsItChosen() {
        CFolderDialog dialog(Root, CFolderDialog::ModeSelect);
        dialog.show();
        ListedNames(&dialog, 2);
        ClickItem(&dialog, QStringLiteral("Levels"), true);
        QTRY_COMPARE(dialog.directory().absolutePath(), Dir.filePath(QStringLiteral("Levels")));
        QCOMPARE(dialog.GetFolder(), InFolderCase(JoinPath(Root, "Levels")));
        QTRY_COMPARE(Text(NameBox(&dialog)), dialog.GetFolder());
    }

    // The name box follows the selected folder whatever changed it: here New Folder, then a
    // new name typed in place.
    void aNewFolderRenamedInPlaceIsTheFolderChosen() {
        CFolderDialog dialog(Root, CFolderDialog::ModeSelect);
        ShowActive(&dialog);
        ListedNames(&dialog, 2);
        dialog.findChild<QToolButton*>(QStringLiteral("newFolderButton"))->click();
        QLineEdit* renaming = nullptr;
        QTRY_VERIFY((renaming = ShownView(&dialog)->findChild<QLineEdit*>()));
        renaming->selectAll();
        QTest::keyClicks(renaming, QStringLiteral("MyLevels"));
        QTest::keyClick(renaming, Qt::Key_Return);
        const std::string made = JoinPath(Root, "MyLevels");
        QTRY_COMPARE(Text(NameBox(&dialog)), InFolderCase(made));
        QVERIFY(dialog.isVisible());
        OkButton(&dialog)->click();
        QCOMPARE(dialog.GetFolder(), InFolderCase(made));
        QVERIFY(IsExistingDirectory(made));
    }

    // Keyboard focus selects a row that Up and Down move; Enter ends the dialog with the
    // selected folder instead of opening it.
    void theKeyboardChoosesAFolderAndEnterSelectsIt() {
        CFolderDialog dialog(Root, CFolderDialog::ModeSelect);
        ShowActive(&dialog);
        ListedNames(&dialog, 2);
        QAbstractItemView* view = ShownView(&dialog);
        view->setFocus(Qt::TabFocusReason);
        QCOMPARE(Text(NameBox(&dialog)), InFolderCase(JoinPath(Root, "Levels")));
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(Text(NameBox(&dialog)), InFolderCase(JoinPath(Root, "Other")));
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.directory().absolutePath(), Dir.path());
        QCOMPARE(dialog.GetFolder(), InFolderCase(JoinPath(Root, "Other")));
    }

    void cancelEndsWithIdCancel() {
        CFolderDialog dialog(Root, CFolderDialog::ModeSelect);
        OnNextModal([](QWidget* shown) { CancelButton(shown)->click(); });
        QCOMPARE(dialog.DoModal(), IDCANCEL);
    }

private:
    QTemporaryDir Dir;
    std::string Root;
};

QTEST_MAIN(FolderDialogTest)
#include "test_folder_dialog.moc"
