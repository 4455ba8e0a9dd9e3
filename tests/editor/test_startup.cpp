// The editor window as it opens: its frame, controls, default level and settings, and the four
// ways of closing it.
#include "tests/support/EditorHarness.h"

#include "files/FileSystem.h"
#include "settings/SettingsRecord.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <map>

namespace {

QByteArray SettingsBytesOf(const SettingsRecord& record) {
    const SettingsBytes bytes = SerialiseSettings(record);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), int(bytes.size()));
}

QRect PixelRect(int left, int top, int right, int bottom) {
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QWidget* Control(CLevelEditorDlg& editor, const char* name) {
    return editor.findChild<QWidget*>(QString::fromLatin1(name));
}

// The record that reaches "settings.dat" when the editor closes.
SettingsRecord StoredSettings(EditorHarness& harness) {
    harness.Editor().close();
    SettingsRecord stored;
    ReadSettingsFile(harness.SettingsPath(), stored);
    return stored;
}

// The runs of pixel rows of an image that hold a pixel unlike its bottom-right corner.
int TextLines(const QImage& image) {
    const QRgb background = image.pixel(image.width() - 1, image.height() - 1);
    int lines = 0;
    bool inked = false;
    for (int y = 0; y < image.height(); ++y) {
        bool row = false;
        for (int x = 0; x < image.width(); ++x)
            row = row || image.pixel(x, y) != background;
        lines += row && !inked;
        inked = row;
    }
    return lines;
}

// Whether some pixels of what a control shows, its border left out, stand out in lightness from
// the colour most of them have.
bool Readable(const QImage& shown) {
    const QImage inside = shown.copy(shown.rect().adjusted(3, 3, -3, -3));
    std::map<QRgb, int> counts;
    for (int y = 0; y < inside.height(); ++y)
        for (int x = 0; x < inside.width(); ++x)
            ++counts[inside.pixel(x, y)];
    const auto background = std::max_element(counts.begin(), counts.end(), [](auto a, auto b) {
                                return a.second < b.second;
                            })->first;
    int ink = 0;
    for (const auto& [colour, count] : counts)
        if (std::abs(qGray(colour) - qGray(background)) >= 96)
            ink += count;
    return ink >= 10;
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
        QVERIFY(!(editor.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(editor.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!editor.windowIcon().isNull());
    }

    void controlsStandAtTheirPixelRectanglesWithTheirTexts() {
        auto&& [harness, editor] = OpenEditor();
        struct Expected {
            const char* name;
            QRect rect;
            const char* text;
        };
        const Expected controls[] = {
            {"closeButton", PixelRect(441, 263, 509, 286), "Close"},
            {"statusLine", PixelRect(11, 270, 305, 288), ""},
            {"loadButton", PixelRect(441, 117, 509, 140), "&Load"},
            {"saveButton", PixelRect(441, 148, 509, 171), "&Save"},
            {"fillFloorButton", PixelRect(312, 18, 387, 41), "Fill Floor"},
            {"clearFloorButton", PixelRect(312, 47, 387, 70), "Clear Floor"},
            {"showGridBox", PixelRect(315, 83, 389, 99), "Show Grid"},
            {"credits", PixelRect(314, 244, 437, 286), nullptr},
            {"newButton", PixelRect(441, 86, 509, 109), "&New"},
            {"saveAsButton", PixelRect(441, 180, 509, 203), "Save &As"},
            {"settingsButton", PixelRect(440, 213, 509, 236), "Se&ttings"},
        };
        // The rectangles fit this font (the package depends on it); another cuts "Show Grid".
        QCOMPARE(QFontInfo(editor.font()).family(), QStringLiteral("DejaVu Sans Condensed"));
        for (const Expected& control : controls) {
            QWidget* widget = Control(editor, control.name);
            QVERIFY2(widget, control.name);
            QCOMPARE(widget->geometry(), control.rect);
            if (auto* button = qobject_cast<QPushButton*>(widget)) {
                QVERIFY(!button->isDefault());
                QVERIFY(!button->autoDefault());
            }
            if (control.text)
                QCOMPARE(qobject_cast<QAbstractButton*>(widget)
                             ? qobject_cast<QAbstractButton*>(widget)->text()
                             : StatusLine(editor),
                         QString::fromLatin1(control.text));
        }
        // Texts are shown as they stand, the credits in three lines.
        QCOMPARE(qobject_cast<QLabel*>(Control(editor, "statusLine"))->textFormat(), Qt::PlainText);
        QCOMPARE(TextLines(Screen(editor).copy(PixelRect(316, 246, 435, 284))), 3);
    }

    void tabWalksTheControlsInTemplateOrder() {
        auto&& [harness, editor] = OpenEditor();
        const char* order[] = {"closeButton",      "loadButton",  "saveButton", "fillFloorButton",
                               "clearFloorButton", "showGridBox", "newButton",  "saveAsButton",
                               "settingsButton",   "closeButton"};
        Control(editor, "closeButton")->setFocus();
        for (std::size_t i = 1; i < std::size(order); ++i) {
            QTest::keyClick(editor.focusWidget(), Qt::Key_Tab);
            QCOMPARE(editor.focusWidget(), Control(editor, order[i]));
        }
        QCOMPARE(Control(editor, "credits")->focusPolicy(), Qt::NoFocus);
        QCOMPARE(Control(editor, "statusLine")->focusPolicy(), Qt::NoFocus);
    }

    // Fusion with a dark palette: the controls take its colours, and their texts stay readable.
    void aDarkPaletteLeavesEveryControlReadable() {
        const QPalette previous = QApplication::palette();
        QApplication::setPalette(QPalette(Qt::white, QColor(53, 53, 53), QColor(80, 80, 80),
                                          QColor(30, 30, 30), QColor(40, 40, 40), Qt::white,
                                          Qt::white, QColor(25, 25, 25), QColor(53, 53, 53)));
        {
            auto&& [harness, editor] = OpenEditor();
            harness.HoverOver({3, 4});
            const QImage screen = Screen(editor);
            for (QWidget* control : editor.findChildren<QWidget*>())
                if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QLabel*>(control))
                    QVERIFY2(Readable(screen.copy(control->geometry())),
                             qPrintable(control->objectName()));
        }
        QApplication::setPalette(previous);
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
        QCOMPARE(Picker(editor).Tile(Qt::LeftButton), int(SolidBlock));
        QCOMPARE(Picker(editor).Tile(Qt::RightButton), int(Floor));
        QCOMPARE(View(editor).HoverCell(), NoCell);
        QCOMPARE(StatusLine(editor), QString());
        QCOMPARE(editor.focusWidget(), Control(editor, "showGridBox"));
    }

    void withoutASettingsFileTheGridIsShownInBlackAndTheFolderStays() {
        auto&& [harness, editor] = OpenEditor();
        QVERIFY(ShowGridBox(editor)->isChecked());
        QCOMPARE(Screen(editor).pixel(25, 100), Black);
        QCOMPARE(GetCurrentDirectory(), harness.Folder());
        QCOMPARE(LevelDirectoryText(StoredSettings(harness)), std::string());
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
        QCOMPARE(Screen(editor).pixel(25, 100), Black);
        QCOMPARE(GetCurrentDirectory(), levelFolder);
    }

    void aMissingLevelDirectoryLeavesTheStartFolderCurrent() {
        SettingsRecord record;
        QVERIFY(StoreLevelDirectory(record, "/no/such/folder/for/levels"));
        EditorHarness harness(SettingsBytesOf(record));
        QCOMPARE(GetCurrentDirectory(), harness.Folder());
        QCOMPARE(LevelDirectoryText(StoredSettings(harness)),
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
            harness.ClickControl("closeButton");
        QVERIFY(!editor.isVisible());
        QCOMPARE(ReadBytes(harness.SettingsPath()).size(), qsizetype(SettingsRecordSize));
        QVERIFY(ShowGridBox(editor)->isChecked());
    }

    void enterOnAFocusedPushButtonClicksItInsteadOfClosing() {
        auto&& [harness, editor] = OpenEditor();
        Control(editor, "fillFloorButton")->setFocus();
        QTest::keyClick(Control(editor, "fillFloorButton"), Qt::Key_Return);
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
            editor.show();
            QVERIFY(ShowGridBox(editor)->isChecked());
            editor.close();
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
        harness.Editor().close();
        QCOMPARE(ReadBytes(harness.SettingsPath()).size(), qsizetype(SettingsRecordSize));
        QVERIFY(!QFile::exists(elsewhere.filePath("settings.dat")));
    }
};

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
