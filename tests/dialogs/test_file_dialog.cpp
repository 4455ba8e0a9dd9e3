// The real Open and Save As dialogs as the editor asks for them: the filter descriptions as
// they stand, "All Files (*.*)" listing every file, the starting folder, the default extension,
// and the current directory following the folder of the chosen file.
#include "dialogs/FileDialog.h"
#include "files/FileSystem.h"
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

void Touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

// Runs a level file dialog and hands the real file dialog to `answer` once it is on screen.
std::optional<std::string> RunAnswered(bool open, std::function<void(QFileDialog&)> answer) {
    OnNextModal([answer](QWidget* shown) { answer(*qobject_cast<QFileDialog*>(shown)); });
    return ChooseFile(nullptr, open, "txt", LevelFilters);
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
        QStringList filters, levels, everything;
        QString folder;
        RunAnswered(true, [&](QFileDialog& dialog) {
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
        QCOMPARE(RunAnswered(true, [](QFileDialog& d) { Accept(d, "NOEXT"); }),
                 Folder.filePath("NOEXT").toStdString());
        QCOMPARE(RunAnswered(true, [](QFileDialog& d) { Accept(d, "L7"); }),
                 Folder.filePath("L7.txt").toStdString());
    }

    void saveAsAddsTheDefaultExtension() {
        QCOMPARE(RunAnswered(false, [](QFileDialog& d) { Accept(d, "L2"); }),
                 Folder.filePath("L2.txt").toStdString());
    }

    void aFileInAnotherFolderMakesThatFolderCurrent() {
        QVERIFY(QDir(Folder.path()).mkpath("other"));
        const QString other = Folder.filePath("other");
        QVERIFY(RunAnswered(true, [&](QFileDialog& d) { Accept(d, other + "/L3.txt"); }));
        QCOMPARE(GetCurrentDirectory(), other.toStdString());
    }

    // A name that comes back relative is made absolute before the current directory moves.
    void aRelativeNameIsMadeAbsolute() {
        ScriptedAnswerer answerer;
        answerer.ChooseFile("./good.txt");
        QCOMPARE(ChooseFile(nullptr, false, "txt", LevelFilters),
                 Folder.filePath("good.txt").toStdString());
    }

    void cancelLeavesThePathAndTheFolder() {
        QCOMPARE(RunAnswered(true, [](QFileDialog& d) { d.reject(); }), std::nullopt);
        QCOMPARE(GetCurrentDirectory(), Folder.path().toStdString());
    }
};

QTEST_MAIN(FileDialogTest)
#include "test_file_dialog.moc"
