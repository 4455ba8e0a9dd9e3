// The folder picker driven for real: what it lists and shows, and which folder it returns.
#include "files/FileSystem.h"
#include "settings/FolderDialog.h"
#include "tests/support/FolderPicking.h"
#include "tests/support/NextModal.h"
#include "tests/support/ScriptedAnswerer.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

namespace {

QLineEdit* NameBox(QWidget* dialog) {
    return dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
}

// The list or the detail view, whichever the dialog shows.
QAbstractItemView* ShownView(QFileDialog* dialog) {
    if (dialog->viewMode() == QFileDialog::Detail)
        return dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
    return FolderList(dialog);
}

void ShowActive(QWidget* dialog) {
    dialog->show();
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
}

QPushButton* OkButton(QWidget* dialog) {
    return DialogButton(dialog, QDialogButtonBox::Open);
}

std::string Text(const QLineEdit* edit) {
    return edit->text().toLocal8Bit().toStdString();
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

    void showsTheTextsOfAFolderPicker() {
        CFolderDialog dialog(Root);
        dialog.show();
        QCOMPARE(OkButton(&dialog)->text(), QStringLiteral("Select"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Select Folder"));
        auto* label = dialog.findChild<QLabel*>(QStringLiteral("fileNameLabel"));
        QCOMPARE(label->text(), QStringLiteral("Folder &name:"));
        QCOMPARE(label->buddy(), NameBox(&dialog));
        QVERIFY(!dialog.findChild<QWidget*>(QStringLiteral("fileTypeCombo"))->isVisible());
        QVERIFY(!dialog.findChild<QWidget*>(QStringLiteral("fileTypeLabel"))->isVisible());
    }

    void opensInTheInitialFolderWithItInTheNameBox() {
        CFolderDialog dialog(Root);
        dialog.show();
        QCOMPARE(dialog.directory().absolutePath(), Dir.path());
        QCOMPARE(Text(NameBox(&dialog)), (Root));
        QCOMPARE(NameBox(&dialog)->selectedText(), NameBox(&dialog)->text());
    }

    void listsFoldersButNoFiles() {
        CFolderDialog dialog(Root);
        dialog.show();
        QCOMPARE(ListedNames(&dialog, 2), QStringList({"Levels", "Other"}));
    }

    void selectReturnsTheInitialFolderWhenNothingWasSelected() {
        CFolderDialog dialog(Root);
        OnNextModal([](QWidget* shown) { OkButton(shown)->click(); });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(dialog.GetFolder(), (Root));
    }

    void anEmptyInitialFolderMeansTheCurrentDirectory() {
        const std::string previous = GetCurrentDirectory();
        QVERIFY(SetCurrentDirectory(JoinPath(Root, "Other")));
        CFolderDialog dialog("");
        SetCurrentDirectory(previous);
        OnNextModal([](QWidget* shown) { OkButton(shown)->click(); });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(dialog.GetFolder(), (JoinPath(Root, "Other")));
    }

    void selectingASubfolderPutsItsPathIntoTheNameBox() {
        CFolderDialog dialog(Root);
        const std::string levels = (JoinPath(Root, "Levels"));
        OnNextModal([&](QWidget* shown) {
            QVERIFY(ClickListed(shown, QStringLiteral("Levels")));
            QCOMPARE(Text(NameBox(shown)), levels);
            QCOMPARE(NameBox(shown)->selectedText(), NameBox(shown)->text());
            QCOMPARE(OkButton(shown)->text(), QStringLiteral("Select"));
            OkButton(shown)->click();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(dialog.GetFolder(), levels);
    }

    void typedTextIsNeverRead() {
        CFolderDialog dialog(Root);
        dialog.show();
        QVERIFY(ClickListed(&dialog, QStringLiteral("Other")));
        QLineEdit* nameBox = NameBox(&dialog);
        nameBox->setFocus();
        nameBox->selectAll();
        QTest::keyClicks(nameBox, QStringLiteral("Levels"));
        QCOMPARE(nameBox->text(), QStringLiteral("Levels"));
        QVERIFY(OkButton(&dialog)->isEnabled());
        QTest::keyClick(nameBox, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.GetFolder(), (JoinPath(Root, "Other")));
    }

    void enteringTheSelectedFolderKeepsItChosen() {
        CFolderDialog dialog(Root);
        dialog.show();
        QVERIFY(ClickListed(&dialog, QStringLiteral("Levels"), true));
        QTRY_COMPARE(dialog.directory().absolutePath(), Dir.filePath(QStringLiteral("Levels")));
        QCOMPARE(dialog.GetFolder(), (JoinPath(Root, "Levels")));
        QTRY_COMPARE(Text(NameBox(&dialog)), dialog.GetFolder());
    }

    // The name box follows the selected folder whatever changed it: here New Folder, then a
    // new name typed in place.
    void aNewFolderRenamedInPlaceIsTheFolderChosen() {
        CFolderDialog dialog(Root);
        ShowActive(&dialog);
        ListedNames(&dialog, 2);
        dialog.findChild<QToolButton*>(QStringLiteral("newFolderButton"))->click();
        QLineEdit* renaming = nullptr;
        QTRY_VERIFY((renaming = ShownView(&dialog)->findChild<QLineEdit*>()));
        renaming->selectAll();
        QTest::keyClicks(renaming, QStringLiteral("MyLevels"));
        QTest::keyClick(renaming, Qt::Key_Return);
        const std::string made = JoinPath(Root, "MyLevels");
        QTRY_COMPARE(Text(NameBox(&dialog)), (made));
        QVERIFY(dialog.isVisible());
        OkButton(&dialog)->click();
        QCOMPARE(dialog.GetFolder(), (made));
        QVERIFY(IsExistingDirectory(made));
    }

    // Keyboard focus selects a row that Up and Down move; Enter ends the dialog with the
    // selected folder instead of opening it.
    void theKeyboardChoosesAFolderAndEnterSelectsIt() {
        CFolderDialog dialog(Root);
        ShowActive(&dialog);
        ListedNames(&dialog, 2);
        QAbstractItemView* view = ShownView(&dialog);
        view->setFocus(Qt::TabFocusReason);
        QCOMPARE(Text(NameBox(&dialog)), (JoinPath(Root, "Levels")));
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(Text(NameBox(&dialog)), (JoinPath(Root, "Other")));
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.directory().absolutePath(), Dir.path());
        QCOMPARE(dialog.GetFolder(), (JoinPath(Root, "Other")));
    }

    void cancelEndsRejected() {
        CFolderDialog dialog(Root);
        OnNextModal([](QWidget* shown) { DialogButton(shown, QDialogButtonBox::Cancel)->click(); });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    }

    // Without a part that it works on, the picker says so and runs as Qt's plain chooser.
    void aDialogOfAnotherShapeFallsBackToThePlainChooser_data() {
        QTest::addColumn<QString>("part");
        for (const char* part : {"fileNameEdit", "listView", "treeView", "buttonBox"})
            QTest::newRow(part) << part;
    }

    void aDialogOfAnotherShapeFallsBackToThePlainChooser() {
        QFETCH(QString, part);
        ScriptedAnswerer answerer;
        CFolderDialog dialog(Root);
        dialog.findChild<QWidget*>(part)->setObjectName(QStringLiteral("renamed"));
        OnNextModal([](QWidget* shown) { qobject_cast<QDialog*>(shown)->accept(); });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(answerer.Boxes.size(), std::size_t(1));
        QCOMPARE(answerer.Boxes[0].text, std::string(PlainFolderChooserText));
        QCOMPARE(dialog.GetFolder(), Root);
    }

private:
    QTemporaryDir Dir;
    std::string Root;
};

QTEST_MAIN(FolderDialogTest)
#include "test_folder_dialog.moc"
