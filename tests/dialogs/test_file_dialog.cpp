// The real Open and Save As dialogs as the editor asks for them: the filter descriptions as
// they stand, "All Files (*.*)" listing every file, the starting folder, the default extension,
// and the current directory following the folder of the chosen file.
#include "files/FileSystem.h"
#include "dialogs/FileDialog.h"
#include "tests/support/NextModal.h"
#include "tests/support/ScriptedAnswerer.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

namespace {

const QStringList LevelFilters = {"Zapmaze Levels (*.txt)", "All Files (*.*)"};

CFileDialog LevelDialog(bool open) {
    return CFileDialog(open, "txt", !open, LevelFilters, nullptr);
}

void Touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

// Runs `dialog` and hands the real file dialog to `answer` once it is on screen.
int RunAnswered(CFileDialog& dialog, std::function<void(QFileDialog&)> answer) {
    OnNextModal([answer](QWidget* shown) { answer(*qobject_cast<QFileDialog*>(shown)); });
    return dialog.DoModal();
}

QStringList Listed(QFileDialog& dialog) {
    auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
    QStringList names;
    for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row)
        names << list->model()->index(row, 0, list->rootIndex()).data().toString();
    return names;
}

void Accept(QFileDialog& dialog, const QString& typed) {
    dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(typed);
    static_cast<QDialog&>(dialog).accept();
}

} // namespace

class FileDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir Folder;
    std::string Previous;

private slots:
    void init() {
        Previous = GetCurrentDirectory();
        QVERIFY(SetCurrentDirectory(Folder.path().toStdString()));
        Touch(Folder.filePath("L1.txt"));
        Touch(Folder.filePath("NOEXT"));
        Touch(Folder.filePath("notes.dat"));
    }
    void cleanup() { SetCurrentDirectory(Previous); }

    void openShowsTheFiltersAsWrittenAndAllFilesListsEveryFile() {
        CFileDialog open = LevelDialog(true);
        QStringList filters, levels, everything;
        QString folder;
        RunAnswered(open, [&](QFileDialog& dialog) {
            auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            for (int i = 0; i < types->count(); ++i)
                filters << types->itemText(i);
            folder = dialog.directory().absolutePath();
            QTRY_VERIFY(Listed(dialog).contains("L1.txt"));
            levels = Listed(dialog);
            dialog.selectNameFilter(dialog.nameFilters().at(1));
            QTRY_VERIFY(Listed(dialog).contains("NOEXT"));
            everything = Listed(dialog);
            dialog.reject();
        });
        QCOMPARE(filters, QStringList({"Zapmaze Levels (*.txt)", "All Files (*.*)"}));
        QCOMPARE(folder, Folder.path());
        QCOMPARE(levels, QStringList({"L1.txt"}));
        QVERIFY(everything.contains("NOEXT") && everything.contains("notes.dat"));
    }

    void openTakesAnExistingNameAsTypedAndAddsTheExtensionOtherwise() {
        CFileDialog existing = LevelDialog(true);
        QCOMPARE(RunAnswered(existing, [](QFileDialog& d) { Accept(d, "NOEXT"); }),
                 int(QDialog::Accepted));
        QCOMPARE(existing.GetPathName(), Folder.filePath("NOEXT").toStdString());
        CFileDialog missing = LevelDialog(true);
        QCOMPARE(RunAnswered(missing, [](QFileDialog& d) { Accept(d, "L7"); }),
                 int(QDialog::Accepted));
        QCOMPARE(missing.GetPathName(), Folder.filePath("L7.txt").toStdString());
    }

    void saveAsAddsTheDefaultExtension() {
        CFileDialog save = LevelDialog(false);
        QCOMPARE(RunAnswered(save, [](QFileDialog& d) { Accept(d, "L2"); }),
                 int(QDialog::Accepted));
        QCOMPARE(save.GetPathName(), Folder.filePath("L2.txt").toStdString());
    }

    void aFileInAnotherFolderMakesThatFolderCurrent() {
        QVERIFY(QDir(Folder.path()).mkpath("other"));
        const QString other = Folder.filePath("other");
        CFileDialog open = LevelDialog(true);
        QCOMPARE(RunAnswered(open, [&](QFileDialog& d) { Accept(d, other + "/L3.txt"); }),
                 int(QDialog::Accepted));
        QCOMPARE(GetCurrentDirectory(), other.toStdString());
    }

    // A name that comes back relative is made absolute before the current directory moves.
    void aRelativeNameIsMadeAbsolute() {
        ScriptedAnswerer answerer;
        answerer.ChooseFile("./good.txt");
        CFileDialog save = LevelDialog(false);
        QCOMPARE(save.DoModal(), int(QDialog::Accepted));
        QCOMPARE(save.GetPathName(), Folder.filePath("good.txt").toStdString());
    }

    void cancelLeavesThePathAndTheFolder() {
        CFileDialog open = LevelDialog(true);
        QCOMPARE(RunAnswered(open, [](QFileDialog& d) { d.reject(); }), int(QDialog::Rejected));
        QCOMPARE(open.GetPathName(), std::string());
        QCOMPARE(GetCurrentDirectory(), Folder.path().toStdString());
    }
};

QTEST_MAIN(FileDialogTest)
#include "test_file_dialog.moc"
