// The keys that desktop users reach for, the Keyboard Shortcuts window, dropped files and the
// folder that the launcher's editor works in.
#include "tests/editor/DocumentFixtures.h"

#include "about/AboutDlg.h"
#include "editor/KeyList.h"
#include "editor/ShortcutsWindow.h"
#include "files/FileSystem.h"
#include "settings/SettingsRecord.h"
#include "tests/support/NextModal.h"

#include <QAccessible>
#include <QApplication>
#include <QMimeData>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

namespace {

// What a key did to an edited level that has a file: the boxes and file dialogs it showed
// (answering No, cancelling dialogs) and what became of the level and the window.
QString Outcome(CLevelEditorDlg& editor, const ScriptedAnswerer& answerer) {
    QStringList seen;
    for (const MessageBoxRequest& box : answerer.Boxes)
        seen << QString::fromStdString(box.caption);
    for (const FileDialogRequest& dialog : answerer.FileDialogs)
        seen << (dialog.open ? "Open" : "Save As");
    if (editor.Document().Path().empty())
        seen << "new";
    if (!editor.Document().IsModified())
        seen << "unmodified";
    if (!editor.isVisible())
        seen << "closed";
    const auto* shortcuts = editor.findChild<ShortcutsWindow*>();
    if (shortcuts && shortcuts->isVisible())
        seen << "shortcuts";
    return seen.join(", ");
}

} // namespace

class DesktopConventionsTest : public QObject {
    Q_OBJECT

private slots:
    void standardKeysRunTheirButtonsWhateverHasTheFocus() {
        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            const char* focused;
            QString outcome;
        } cases[] = {
            {Qt::Key_N, Qt::ControlModifier, "showGridBox", "Save Changes?, new, unmodified"},
            {Qt::Key_O, Qt::ControlModifier, "loadButton", "Save Changes?, Open"},
            {Qt::Key_S, Qt::ControlModifier, "newButton", "unmodified"},
            {Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier, "closeButton", "Save As"},
            {Qt::Key_W, Qt::ControlModifier, "settingsButton", "Save Changes?, closed"},
            {Qt::Key_Q, Qt::ControlModifier, "fillFloorButton", "Save Changes?, closed"},
            {Qt::Key_F1, Qt::NoModifier, "saveButton", "shortcuts"},
        };
        for (const auto& test : cases) {
            auto&& [harness, answerer, editor] = EditorWithAnswerer();
            LoadFileHoldingPrevious(harness, answerer, "L1.txt");
            MakePlayableLevel(editor);
            answerer.FileDialogs.clear();
            answerer.AnswerBox(QMessageBox::No);
            editor.findChild<QWidget*>(test.focused)->setFocus();
            harness.Key(test.key, test.modifiers);
            QTRY_COMPARE(Outcome(editor, answerer), test.outcome);
        }
    }

    void shortcutsWindowListsTheKeysOpensTheAboutBoxAndCloses() {
        const std::function<void(EditorHarness&, QWidget*)> closers[] = {
            [](EditorHarness&, QWidget* window) { QTest::keyClick(window, Qt::Key_Escape); },
            [](EditorHarness&, QWidget* window) { QTest::keyClick(window, Qt::Key_F1); },
            [](EditorHarness&, QWidget* window) { window->close(); },
            [](EditorHarness& harness, QWidget*) {
                harness.Editor().activateWindow();
                QTRY_VERIFY(harness.Editor().isActiveWindow());
                harness.Key(Qt::Key_F1);
            },
        };
        for (const auto& close : closers) {
            auto&& [harness, editor] = OpenEditor();
            harness.Key(Qt::Key_F1);
            auto* window = editor.findChild<ShortcutsWindow*>();
            QVERIFY(window);
            QTRY_VERIFY(window->isActiveWindow());
            QCOMPARE(window->windowTitle(), "Keyboard Shortcuts");
            auto* list = window->findChild<QTreeWidget*>();
            QCOMPARE(window->focusWidget(), list);
            QCOMPARE(QAccessible::queryAccessibleInterface(list)->text(QAccessible::Name),
                     "Keyboard Shortcuts");
            QCOMPARE(list->topLevelItemCount(), 5 + int(EditorKeyLines().size()));
            QCOMPARE(list->topLevelItem(3)->text(0) + " " + list->topLevelItem(3)->text(1),
                     "Alt+A The Save As button");
            bool aboutShown = false;
            OnNextModal([&](QWidget* box) {
                aboutShown = qobject_cast<CAboutDlg*>(box);
                QTest::keyClick(box, Qt::Key_Escape);
            });
            QTest::keyClick(window->focusWidget(), Qt::Key_A, Qt::AltModifier);
            QTRY_VERIFY(aboutShown);
            // The offscreen platform gives the focus back to no window when a box closes.
            window->activateWindow();
            QTRY_VERIFY(window->isActiveWindow());
            close(harness, window);
            QTRY_VERIFY(!window->isVisible());
        }
    }

    void aDroppedLevelFileOpensAfterTheQuestionAndNothingElseIsTaken() {
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        const std::string level = harness.PathIn("L2.txt"), other = harness.PathIn("L3.txt");
        WriteBytes(level, PreviousFile());
        WriteBytes(other, PreviousFile());
        const QUrl levelUrl = QUrl::fromLocalFile(QString::fromStdString(level));
        const QUrl folderUrl = QUrl::fromLocalFile(QString::fromStdString(harness.Folder()));
        const struct {
            QList<QUrl> urls;
            Qt::DropActions actions;
            bool accepted;
        } cases[] = {
            {{}, Qt::CopyAction, false},
            {{levelUrl, QUrl::fromLocalFile(QString::fromStdString(other))}, Qt::CopyAction, false},
            {{QUrl("https://example.org/L2.txt")}, Qt::CopyAction, false},
            {{QUrl("file://elsewhere" + levelUrl.path())}, Qt::CopyAction, false},
            {{folderUrl}, Qt::CopyAction, false},
            {{levelUrl}, Qt::MoveAction, false},
            {{levelUrl}, Qt::CopyAction | Qt::MoveAction, true},
        };
        EditDefaultLevel(editor);
        answerer.AnswerBox(QMessageBox::No);
        for (const auto& test : cases) {
            QMimeData data;
            data.setUrls(test.urls);
            QDragEnterEvent enter({100, 100}, test.actions, &data, Qt::LeftButton, {});
            QApplication::sendEvent(&editor, &enter);
            QDropEvent drop({100, 100}, test.actions, &data, Qt::LeftButton, {});
            QApplication::sendEvent(&editor, &drop);
            QCOMPARE(enter.isAccepted(), test.accepted);
            QCOMPARE(drop.isAccepted(), test.accepted);
            QVERIFY(!test.accepted || drop.dropAction() == Qt::CopyAction);
        }
        QTRY_COMPARE(editor.Document().Path(), level);
        QCOMPARE(answerer.Boxes.size(), std::size_t(1));
        QCOMPARE(answerer.Boxes[0].caption, "Save Changes?");
    }

    void withAHomeFolderTheEditorWorksThereUnlessALevelDirectoryIsSaved() {
        QTemporaryDir home, levels;
        for (const QString& saved : {QString(), levels.path(), levels.path() + "/gone"}) {
            SettingsRecord record;
            QVERIFY(StoreLevelDirectory(record, saved.toStdString()));
            const SettingsBytes bytes = SerialiseSettings(record);
            EditorHarness harness(
                QByteArray(reinterpret_cast<const char*>(bytes.data()), int(bytes.size())),
                home.path().toStdString());
            QCOMPARE(GetCurrentDirectory(),
                     (saved == levels.path() ? saved : home.path()).toStdString());
            QFile::remove(QString::fromStdString(harness.SettingsPath()));
            harness.Editor().close();
            QVERIFY(QFile::exists(QString::fromStdString(harness.SettingsPath())));
            QVERIFY(!QFile::exists(home.filePath("settings.dat")));
        }
    }
};

QTEST_MAIN(DesktopConventionsTest)
#include "test_desktop_conventions.moc"
