// The Settings dialog driven for real: what its field shows, what Save and Cancel leave behind,
// browsing for a folder, and the directory's way through "settings.dat" to the next start.
#include "tests/support/EditorHarness.h"
#include "tests/support/NextModal.h"
#include "tests/support/ScriptedAnswerer.h"

#include "files/FileSystem.h"
#include "settings/SettingsDlg.h"
#include "settings/SettingsRecord.h"
#include "tests/support/FolderPicking.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {

QLineEdit* Field(QDialog& dialog) {
    return dialog.findChild<QLineEdit*>(QStringLiteral("directoryField"));
}

std::string FieldText(QDialog& dialog) {
    return Field(dialog)->text().toLocal8Bit().toStdString();
}

void TypeIntoField(QDialog& dialog, const std::string& text) {
    QLineEdit* field = Field(dialog);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, QString::fromLocal8Bit(text));
}

// In the folder picker: selects `name` once the list shows it, then presses Select or Cancel.
void PickInFolderDialog(QWidget* shown, const QString& name, QDialogButtonBox::StandardButton end) {
    ClickListed(shown, name);
    DialogButton(shown, end)->click();
}

} // namespace

class SettingsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(Dir.isValid());
        Root = Dir.path().toLocal8Bit().toStdString();
        Levels = JoinPath(Root, "Levels");
        QVERIFY(QDir(Dir.path()).mkdir(QStringLiteral("Levels")));
        Previous = GetCurrentDirectory();
        QVERIFY(SetCurrentDirectory(Root));
        Settings = SettingsRecord{};
    }

    void cleanup() {
        SetCurrentDirectory(Previous);
        QVERIFY(QDir(Dir.path()).removeRecursively());
        QVERIFY(QDir().mkpath(Dir.path()));
    }

    void fieldShowsTheCurrentDirectoryWhenNoneIsStored() {
        CSettingsDlg dialog(Settings);
        dialog.show();
        QCOMPARE(FieldText(dialog), Root);
        QCOMPARE(Field(dialog)->selectedText(), Field(dialog)->text());
        QCOMPARE(dialog.focusWidget(), Field(dialog));
        QVERIFY(!dialog.windowIcon().isNull());
    }

    void fieldShowsTheStoredDirectoryWhereverTheCurrentOneIs() {
        QVERIFY(StoreLevelDirectory(Settings, "/Games/Zapmaze/Levels"));
        CSettingsDlg dialog(Settings);
        dialog.show();
        QCOMPARE(FieldText(dialog), std::string("/Games/Zapmaze/Levels"));
        QCOMPARE(Field(dialog)->selectedText(), Field(dialog)->text());
    }

    void saveStoresTheTextAndEntersItWhenItExists_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("exists");
        QTest::newRow("existing") << "Levels" << true;
        QTest::newRow("missing") << "Missing" << false;
        QTest::newRow("empty") << "" << false;
    }

    void saveStoresTheTextAndEntersItWhenItExists() {
        QFETCH(QString, typed);
        QFETCH(bool, exists);
        const std::string directory = typed.isEmpty() ? "" : JoinPath(Root, typed.toStdString());
        CSettingsDlg dialog(Settings);
        dialog.show();
        TypeIntoField(dialog, directory);
        ClickControl(dialog, "saveButton");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(LevelDirectoryText(Settings), directory);
        QCOMPARE(GetCurrentDirectory(), exists ? directory : Root);
    }

    // Bytes that are no UTF-8 are kept through the field and the folder picker, and a name
    // typed below them keeps them too.
    void aDirectoryThatIsNoTextKeepsItsBytes() {
        const std::string bytes = JoinPath(Root, "lev\xff");
        QCOMPARE(::mkdir(bytes.c_str(), 0755), 0);
        QVERIFY(SetCurrentDirectory(bytes));
        CSettingsDlg dialog(Settings);
        dialog.show();
        OnNextModal([](QWidget* shown) { DialogButton(shown, QDialogButtonBox::Open)->click(); });
        ClickControl(dialog, "browseButton");
        ClickControl(dialog, "saveButton");
        QCOMPARE(LevelDirectoryText(Settings), bytes);

        CSettingsDlg edited(Settings);
        edited.show();
        Field(edited)->end(false);
        QTest::keyClicks(Field(edited), QStringLiteral("/sub"));
        ClickControl(edited, "saveButton");
        QCOMPARE(LevelDirectoryText(Settings), bytes + "/sub");
        QVERIFY(SetCurrentDirectory(Root));
        QCOMPARE(::rmdir(bytes.c_str()), 0); // Qt cannot name it to remove it
    }

    void saveAtOnceStoresTheCurrentDirectory() {
        CSettingsDlg dialog(Settings);
        dialog.show();
        ClickControl(dialog, "saveButton");
        QCOMPARE(LevelDirectoryText(Settings), Root);
    }

    void enterInTheFieldSaves() {
        CSettingsDlg dialog(Settings);
        dialog.show();
        TypeIntoField(dialog, Levels);
        QTest::keyClick(Field(dialog), Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(LevelDirectoryText(Settings), Levels);
        QCOMPARE(GetCurrentDirectory(), Levels);
    }

    void cancelAndEscapeChangeNothing_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("cancel button") << false;
        QTest::newRow("escape") << true;
    }

    void cancelAndEscapeChangeNothing() {
        QFETCH(bool, escape);
        QVERIFY(StoreLevelDirectory(Settings, "/old"));
        CSettingsDlg dialog(Settings);
        dialog.show();
        TypeIntoField(dialog, Levels);
        if (escape)
            QTest::keyClick(Field(dialog), Qt::Key_Escape);
        else
            ClickControl(dialog, "cancelButton");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(LevelDirectoryText(Settings), std::string("/old"));
        QCOMPARE(GetCurrentDirectory(), Root);
    }

    void browseStartsAtTheCurrentDirectoryAndFillsTheField() {
        QVERIFY(StoreLevelDirectory(Settings, "/elsewhere"));
        CSettingsDlg dialog(Settings);
        dialog.show();
        QString startFolder;
        OnNextModal([&](QWidget* shown) {
            startFolder = qobject_cast<QFileDialog*>(shown)->directory().absolutePath();
            PickInFolderDialog(shown, QStringLiteral("Levels"), QDialogButtonBox::Open);
        });
        ClickControl(dialog, "browseButton");
        QCOMPARE(startFolder, Dir.path());
        QCOMPARE(FieldText(dialog), Levels);
        QCOMPARE(LevelDirectoryText(Settings), std::string("/elsewhere"));
        QCOMPARE(GetCurrentDirectory(), Root);

        ClickControl(dialog, "cancelButton");
        QCOMPARE(LevelDirectoryText(Settings), std::string("/elsewhere"));
        QCOMPARE(GetCurrentDirectory(), Root);
    }

    void aCancelledBrowseLeavesTheField() {
        QVERIFY(StoreLevelDirectory(Settings, "/elsewhere"));
        CSettingsDlg dialog(Settings);
        dialog.show();
        OnNextModal([](QWidget* shown) {
            PickInFolderDialog(shown, QStringLiteral("Levels"), QDialogButtonBox::Cancel);
        });
        ClickControl(dialog, "browseButton");
        QCOMPARE(FieldText(dialog), std::string("/elsewhere"));
    }

    void aDirectoryTooLongToStoreIsRefused() {
        ScriptedAnswerer answerer;
        QVERIFY(StoreLevelDirectory(Settings, "/old"));
        CSettingsDlg dialog(Settings);
        dialog.show();
        const std::string tooLong = "/" + std::string(LevelDirectoryMaxLength, 'd');
        Field(dialog)->setText(QString::fromStdString(tooLong));
        ClickControl(dialog, "saveButton");
        QCOMPARE(answerer.Boxes.size(), std::size_t(1));
        QCOMPARE(answerer.Boxes[0].caption, std::string("Warning!"));
        QCOMPARE(answerer.Boxes[0].text, std::string(DirectoryTooLongText));
        QCOMPARE(KindOf(answerer.Boxes[0]), WarningBox);
        QVERIFY(dialog.isVisible());
        QCOMPARE(LevelDirectoryText(Settings), std::string("/old"));
        QCOMPARE(FieldText(dialog), tooLong);

        const std::string longest = tooLong.substr(1);
        Field(dialog)->setText(QString::fromStdString(longest));
        ClickControl(dialog, "saveButton");
        QCOMPARE(answerer.Boxes.size(), std::size_t(1));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(LevelDirectoryText(Settings), longest);
    }

    void theSavedDirectoryReachesTheNextStart() {
        ScriptedAnswerer answerer;
        std::string levels;
        QByteArray stored;
        {
            EditorHarness harness;
            levels = harness.PathIn("Levels");
            QVERIFY(QDir().mkdir(QString::fromLocal8Bit(levels)));
            OnNextModal([&](QWidget* shown) {
                auto* dialog = dynamic_cast<CSettingsDlg*>(shown);
                QVERIFY(dialog);
                Field(*dialog)->setText(QString::fromStdString(levels));
                ClickControl(*dialog, "saveButton");
            });
            harness.ClickControl("settingsButton");
            QCOMPARE(GetCurrentDirectory(), levels);
            harness.ClickControl("closeButton");
            stored = ReadBytes(harness.SettingsPath());
            QCOMPARE(stored.size(), qsizetype(SettingsRecordSize));
            QCOMPARE(stored.left(int(levels.size()) + 1),
                     QByteArray(levels.c_str(), int(levels.size()) + 1));

            EditorHarness next(stored);
            QCOMPARE(GetCurrentDirectory(), levels);
        }
        QVERIFY(answerer.Boxes.empty());
    }

private:
    QTemporaryDir Dir;
    std::string Root;
    std::string Levels;
    std::string Previous;
    SettingsRecord Settings;
};

QTEST_MAIN(SettingsDialogTest)
#include "test_settings_dialog.moc"
