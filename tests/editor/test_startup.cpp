// The editor window as it opens: its frame, controls, default level and settings, and the four
// ways of closing it.
#include "tests/support/EditorHarness.h"

#include "files/FileSystem.h"
#include "platform/StaticText.h"
#include "res/DialogTemplates.h"
#include "settings/SettingsRecord.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

QByteArray SettingsBytesOf(const SettingsRecord& record) {
    const SettingsBytes bytes = SerialiseSettings(record);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), int(bytes.size()));
}

QRect PixelRect(int left, int top, int right, int bottom) {
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void windowHasTheFixedClientAreaAndCaption() {
        auto&& [harness, editor] = OpenEditor();
        QCOMPARE(editor.size(), QSize(519, 297));
        QCOMPARE(editor.minimumSize(), editor.maximumSize());
        QCOMPARE(editor.windowTitle(), QStringLiteral("Zapmaze Level Editor v1.02"));
        QCOMPARE(editor.GetBaseTitle(), std::string("Zapmaze Level Editor v1.02"));
        QVERIFY(!(editor.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(editor.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!editor.windowIcon().isNull());
    }

    void controlsStandAtTheirPixelRectanglesWithTheirTexts() {
        auto&& [harness, editor] = OpenEditor();
        struct Expected {
            int id;
            QRect rect;
            const char* text;
        };
        const Expected controls[] = {
            {IdClose, PixelRect(441, 263, 509, 286), "Close"},
            {IdStatusLine, PixelRect(11, 270, 305, 288), ""},
            {IdLoad, PixelRect(441, 117, 509, 140), "&Load"},
            {IdSave, PixelRect(441, 148, 509, 171), "&Save"},
            {IdFillFloor, PixelRect(312, 18, 387, 41), "Fill Floor"},
            {IdClearFloor, PixelRect(312, 47, 387, 70), "Clear Floor"},
            {IdShowGrid, PixelRect(315, 83, 389, 99), "Show Grid"},
            {IdCredits, PixelRect(314, 244, 437, 286), nullptr},
            {IdNew, PixelRect(441, 86, 509, 109), "&New"},
            {IdSaveAs, PixelRect(441, 180, 509, 203), "Save &As"},
            {IdSettings, PixelRect(440, 213, 509, 236), "Se&ttings"},
        };
        // The rectangles fit this font (the package depends on it); another cuts "Show Grid".
        QCOMPARE(QFontInfo(editor.font()).family(), QStringLiteral("DejaVu Sans Condensed"));
        for (const Expected& control : controls) {
            QWidget* widget = editor.GetDlgItem(control.id);
            QVERIFY2(widget, qPrintable(QString::number(control.id)));
            QCOMPARE(widget->geometry(), control.rect);
            if (control.text)
                QCOMPARE(qobject_cast<QAbstractButton*>(widget)
                             ? qobject_cast<QAbstractButton*>(widget)->text()
                             : StatusLine(editor),
                         QString::fromLatin1(control.text));
        }
        for (int id :
             {IdClose, IdLoad, IdSave, IdFillFloor, IdClearFloor, IdNew, IdSaveAs, IdSettings}) {
            auto* button = qobject_cast<QPushButton*>(editor.GetDlgItem(id));
            QVERIFY(button);
            QVERIFY(!button->isDefault());
            QVERIFY(!button->autoDefault());
        }
    }

    void tabWalksTheControlsInTemplateOrder() {
        auto&& [harness, editor] = OpenEditor();
        const int order[] = {IdClose,    IdLoad, IdSave,   IdFillFloor, IdClearFloor,
                             IdShowGrid, IdNew,  IdSaveAs, IdSettings,  IdClose};
        editor.GetDlgItem(IdClose)->setFocus();
        for (std::size_t i = 1; i < std::size(order); ++i) {
            QTest::keyClick(editor.focusWidget(), Qt::Key_Tab);
            QCOMPARE(editor.focusWidget(), editor.GetDlgItem(order[i]));
        }
        QCOMPARE(editor.GetDlgItem(IdCredits)->focusPolicy(), Qt::NoFocus);
        QCOMPARE(editor.GetDlgItem(IdStatusLine)->focusPolicy(), Qt::NoFocus);
    }

    void startsOnTheDefaultLevelWithNothingSelected() {
        auto&& [harness, editor] = OpenEditor();
        int solidBorder = 0, floorInside = 0;
        for (int column = 0; column < GridColumns; ++column)
            for (int row = 0; row < GridRows; ++row) {
                const TileType tile = editor.Document().Grid()[column][row];
                if (IsBorderCell(column, row) && tile == SolidBlock)
                    ++solidBorder;
                if (!IsBorderCell(column, row) && tile == Floor)
                    ++floorInside;
            }
        QCOMPARE(solidBorder, 52);
        QCOMPARE(floorInside, 143);
        for (bool placed : editor.Document().Starts().placed)
            QVERIFY(!placed);
        QVERIFY(!editor.Document().IsModified());
        QVERIFY(editor.Document().Path().empty());
        QCOMPARE(editor.GetLeftTile(), int(SolidBlock));
        QCOMPARE(editor.GetRightTile(), int(Floor));
        QCOMPARE(editor.GetHoverCell(), NoCell);
        QCOMPARE(StatusLine(editor), QString());
        QCOMPARE(editor.focusWidget(), editor.GetDlgItem(IdShowGrid));
        for (int tile = 0; tile < TileCount; ++tile)
            QCOMPARE(editor.GetTileBitmap(tile).size(), QSize(20, 20));
    }

    void withoutASettingsFileTheGridIsShownInBlackAndTheFolderStays() {
        auto&& [harness, editor] = OpenEditor();
        QVERIFY(ShowGridBox(editor)->isChecked());
        QCOMPARE(editor.GetGridPen().Colour, Black);
        QCOMPARE(LevelDirectoryText(editor.GetSettings()), std::string());
        QCOMPARE(GetCurrentDirectory(), harness.Folder());
        QCOMPARE(editor.GetSettingsPath(), harness.SettingsPath());
    }

    void storedSettingsSetTheBoxThePenAndTheCurrentDirectory() {
        QTemporaryDir levels;
        SettingsRecord record;
        const std::string levelFolder = levels.path().toStdString();
        QVERIFY(StoreLevelDirectory(record, levelFolder));
        record.ShowGrid = 0;
        record.GridColor = 0; // unchecked box, yet black lines: applied independently
        EditorHarness harness(SettingsBytesOf(record));
        CLevelEditorDlg& editor = harness.Editor();
        QVERIFY(!ShowGridBox(editor)->isChecked());
        QCOMPARE(editor.GetGridPen().Colour, Black);
        QCOMPARE(GetCurrentDirectory(), levelFolder);
        QCOMPARE(editor.GetSettingsPath(), harness.SettingsPath());
    }

    void aMissingLevelDirectoryLeavesTheStartFolderCurrent() {
        SettingsRecord record;
        QVERIFY(StoreLevelDirectory(record, "/no/such/folder/for/levels"));
        EditorHarness harness(SettingsBytesOf(record));
        QCOMPARE(GetCurrentDirectory(), harness.Folder());
        QCOMPARE(LevelDirectoryText(harness.Editor().GetSettings()),
                 std::string("/no/such/folder/for/levels"));
    }

    void eachWayOfClosingWritesTheSettingsOnceAndOnlyThen_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("Escape") << "escape";
        QTest::newRow("Enter on the Show Grid box") << "enter";
        QTest::newRow("close box") << "close";
        QTest::newRow("Close button") << "button";
    }

    void eachWayOfClosingWritesTheSettingsOnceAndOnlyThen() {
        QFETCH(QString, way);
        auto&& [harness, editor] = OpenEditor();
        QVERIFY(!QFile::exists(QString::fromStdString(harness.SettingsPath())));
        if (way == "escape")
            QTest::keyClick(editor.focusWidget(), Qt::Key_Escape);
        else if (way == "enter")
            QTest::keyClick(ShowGridBox(editor), Qt::Key_Return);
        else if (way == "close")
            editor.close();
        else
            harness.ClickControl(IdClose);
        QVERIFY(!editor.isVisible());
        QCOMPARE(editor.result(), int(QDialog::Rejected));
        QCOMPARE(ReadBytes(harness.SettingsPath()).size(), qsizetype(SettingsRecordSize));
        QVERIFY(ShowGridBox(editor)->isChecked());
    }

    void enterOnAFocusedPushButtonClicksItInsteadOfClosing() {
        auto&& [harness, editor] = OpenEditor();
        editor.GetDlgItem(IdFillFloor)->setFocus();
        QTest::keyClick(editor.GetDlgItem(IdFillFloor), Qt::Key_Return);
        QVERIFY(editor.isVisible());
        QVERIFY(!QFile::exists(QString::fromStdString(harness.SettingsPath())));
    }

    void endingTheWindowAnyOtherWayWritesNoSettings() {
        std::string path;
        {
            EditorHarness harness;
            path = harness.SettingsPath();
        }
        QVERIFY(!QFile::exists(QString::fromStdString(path)));
    }

    void aStartFolderThatNoLongerExistsGetsNoSettingsFile() {
        QVERIFY(!QFile::exists("/settings.dat"));
        const std::string previous = GetCurrentDirectory();
        QTemporaryDir parent;
        QVERIFY(QDir(parent.path()).mkdir("gone"));
        QVERIFY(SetCurrentDirectory(parent.filePath("gone").toStdString()));
        QVERIFY(QDir(parent.path()).rmdir("gone"));
        {
            CLevelEditorDlg editor;
            editor.Create();
            QVERIFY(editor.GetSettingsPath().empty());
            QVERIFY(ShowGridBox(editor)->isChecked());
            editor.CloseEditor();
            QVERIFY(!editor.isVisible());
        }
        SetCurrentDirectory(previous);
        QVERIFY(!QFile::exists("/settings.dat"));
        QCOMPARE(QDir(parent.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
    }

    void settingsGoToTheStartFolderWhereverTheCurrentDirectoryMoved() {
        EditorHarness harness;
        QTemporaryDir elsewhere;
        QVERIFY(SetCurrentDirectory(elsewhere.path().toStdString()));
        harness.Editor().CloseEditor();
        QCOMPARE(ReadBytes(harness.SettingsPath()).size(), qsizetype(SettingsRecordSize));
        QVERIFY(!QFile::exists(elsewhere.filePath("settings.dat")));
    }
};

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
