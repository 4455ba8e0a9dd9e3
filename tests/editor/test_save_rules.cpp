// Save and Save As through their buttons: the checks before writing, the dialog they ask for,
// the file they write and the file-name warning after it.
#include "tests/editor/DocumentFixtures.h"

#include "level/PathTitle.h"
#include "level/SaveChecks.h"

#include <QTest>

namespace {

const QStringList LevelFilters = {"Zapmaze Levels (*.txt)", "All Files (*.*)"};
const std::string DiagonalRefusal =
    "Levels which allow diagonal movements are invalid [tile (2,2)]. File not saved.";

void CompareBox(const MessageBoxRequest& box, const std::string& text, const std::string& caption,
                BoxKind kind) {
    QCOMPARE(box.text, text);
    QCOMPARE(box.caption, caption);
    QCOMPARE(KindOf(box), kind);
}

} // namespace

class SaveRulesTest : public QObject {
    Q_OBJECT

private slots:
    void checksRefuseBeforeAnyDialog_data() {
        QTest::addColumn<QByteArray>("command");
        QTest::newRow("Save without a file") << QByteArray("saveButton");
        QTest::newRow("Save As") << QByteArray("saveAsButton");
    }

    void checksRefuseBeforeAnyDialog() {
        QFETCH(QByteArray, command);
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        EditDefaultLevel(editor);

        harness.ClickControl(command.constData());

        QCOMPARE(answerer.Boxes.size(), std::size_t(2));
        CompareBox(answerer.Boxes[0], "All player start points have not been used!", "Warning!",
                   WarningBox);
        CompareBox(answerer.Boxes[1], DiagonalRefusal, "Save Failed", WarningBox);
        QVERIFY(answerer.FileDialogs.empty());
        QVERIFY(editor.Document().IsModified());
        QCOMPARE(editor.Document().Path(), std::string());
        QCOMPARE(WindowTitle(editor), BaseTitle);
        QVERIFY(!editor.SaveLevelAs());
    }

    void saveWithAFileRunsTheChecksToo() {
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        const std::string path = LoadFileHoldingPrevious(harness, answerer, "L1.txt");
        EditDefaultLevel(editor);

        harness.ClickControl("saveButton");

        QCOMPARE(answerer.Boxes.size(), std::size_t(2));
        QCOMPARE(answerer.Boxes[1].text, DiagonalRefusal);
        QCOMPARE(ReadBytes(path), PreviousFile());
        QVERIFY(editor.Document().IsModified());
    }

    void aMissingPlayerOnlyWarnsOnce() {
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        MakePlayableLevel(editor);
        EditLevel(editor, [](LevelState& level) {
            level.starts.placed[1] = false;
            level.starts.placed[3] = false;
        });
        answerer.ChooseFile(harness.PathIn("L2.txt"));

        harness.ClickControl("saveAsButton");

        QCOMPARE(answerer.Boxes.size(), std::size_t(1));
        QCOMPARE(answerer.Boxes[0].caption, std::string("Warning!"));
        QCOMPARE(ReadBytes(harness.PathIn("L2.txt")), LevelBytes(editor.Document().Grid()));
        QVERIFY(!editor.Document().IsModified());
    }

    void fileDialogsAreAskedForExactly() {
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        harness.ClickControl("loadButton");
        MakePlayableLevel(editor);
        harness.ClickControl("saveAsButton");

        QCOMPARE(answerer.FileDialogs.size(), std::size_t(2));
        const FileDialogRequest& open = answerer.FileDialogs[0];
        QVERIFY(open.open);
        QCOMPARE(open.defaultExtension, std::string("txt"));
        QVERIFY(!open.confirmOverwrite);
        QCOMPARE(open.nameFilters, LevelFilters);
        QCOMPARE(open.folder, harness.Folder());
        const FileDialogRequest& saveAs = answerer.FileDialogs[1];
        QVERIFY(!saveAs.open);
        QCOMPARE(saveAs.defaultExtension, std::string("txt"));
        QVERIFY(saveAs.confirmOverwrite);
        QCOMPARE(saveAs.nameFilters, LevelFilters);
        // Neither dialog was accepted: nothing changed.
        QVERIFY(editor.Document().IsModified());
        QCOMPARE(editor.Document().Path(), std::string());
        QCOMPARE(WindowTitle(editor), BaseTitle);
    }

    void saveAsWritesTheLevelAndNamesIt() {
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        MakePlayableLevel(editor);
        const std::string path = harness.PathIn("L7.TXT");
        answerer.ChooseFile(path);

        harness.ClickControl("saveAsButton");

        QVERIFY(answerer.Boxes.empty());
        const QByteArray written = ReadBytes(path);
        QCOMPARE(written.size(), 221);
        QCOMPARE(written, LevelBytes(editor.Document().Grid()));
        QVERIFY(!editor.Document().IsModified());
        QCOMPARE(editor.Document().Path(), path);
        QCOMPARE(WindowTitle(editor), TitleFor(editor, AbbreviatePathForTitle(path)));
    }

    void invalidNameIsWarnedAfterTheWrite() {
        auto&& [harness, editor] = OpenEditor();
        MakePlayableLevel(editor);
        const std::string path = harness.PathIn("Level1.txt");
        WatchingAnswerer answerer(path);
        answerer.ChooseFile(path);

        harness.ClickControl("saveAsButton");

        QCOMPARE(answerer.Boxes.size(), std::size_t(1));
        CompareBox(answerer.Boxes[0], InvalidFileNameMessage, "Warning!", WarningBox);
        QCOMPARE(answerer.Boxes[0].text,
                 std::string("Warning: The valid filename format is \"Ln.txt\" where 'n' is a "
                             "number between 1 and 10. File was saved."));
        QCOMPARE(answerer.FileAtEachModal.back(), LevelBytes(editor.Document().Grid()));
        QVERIFY(!editor.Document().IsModified());
        QCOMPARE(editor.Document().Path(), path);

        EditLevel(editor, [](LevelState& level) { level.grid[5][5] = Brick; });
        answerer.ChooseFile(path);
        QVERIFY(editor.SaveLevelAs());
        QCOMPARE(ReadBytes(path), LevelBytes(editor.Document().Grid()));
    }

    void saveWithAFileWritesAtOnceAndKeepsTheTitle() {
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        const std::string path = harness.PathIn("L3.txt");
        WriteBytes(path, PreviousFile());
        LoadThroughButton(harness, answerer, path);
        const std::string title = WindowTitle(editor);
        MakePlayableLevel(editor);

        harness.ClickControl("saveButton");

        QCOMPARE(answerer.FileDialogs.size(), std::size_t(1)); // the Load's only
        QVERIFY(answerer.Boxes.empty());
        QCOMPARE(ReadBytes(path), LevelBytes(editor.Document().Grid()));
        QVERIFY(ReadBytes(path).endsWith("*\r\n"));
        QVERIFY(!editor.Document().IsModified());
        QCOMPARE(WindowTitle(editor), title);
        QVERIFY(editor.SaveLevel());
    }

    void saveWithoutAFileGoesToSaveAs() {
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        MakePlayableLevel(editor);
        answerer.CancelFileDialog();
        harness.ClickControl("saveButton");
        QCOMPARE(answerer.FileDialogs.size(), std::size_t(1));
        QVERIFY(!answerer.FileDialogs[0].open);
        QVERIFY(editor.Document().IsModified());

        const std::string path = harness.PathIn("L4.txt");
        answerer.ChooseFile(path);
        QVERIFY(editor.SaveLevel());
        QCOMPARE(editor.Document().Path(), path);
        QCOMPARE(ReadBytes(path), LevelBytes(editor.Document().Grid()));
    }
};

QTEST_MAIN(SaveRulesTest)
#include "test_save_rules.moc"
