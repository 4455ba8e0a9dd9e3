// Standard keys, the Keyboard Shortcuts window and dropped files.
#include "about/AboutDlg.h"
#include "editor/ShortcutsWindow.h"
#include "tests/editor/DocumentFixtures.h"
#include "tests/support/NextModal.h"

#include <QMimeData>
#include <QTest>
#include <QTreeWidget>

// The boxes (answered No) and file dialogs (cancelled) shown, then the level's and window's state.
static QString Outcome(CLevelEditorDlg& editor, const ScriptedAnswerer& answerer) {
    QStringList seen(qsizetype(answerer.Boxes.size()), "asked");
    for (const FileDialogRequest& dialog : answerer.FileDialogs)
        seen << (dialog.open ? "Open" : "Save As");
    seen << (editor.Document().IsModified() ? "modified" : "unmodified");
    return (seen << (editor.isVisible() ? "open" : "closed")).join(", ");
}

class DesktopConventionsTest : public QObject {
    Q_OBJECT

private slots:
    void standardKeysRunTheirButtonsWhateverHasTheFocus() {
        const std::tuple<const char*, const char*, QString> cases[] = {
            {"Ctrl+N", "showGridBox", "asked, unmodified, open"},
            {"Ctrl+O", "loadButton", "asked, Open, modified, open"},
            {"Ctrl+S", "newButton", "unmodified, open"},
            {"Ctrl+Shift+S", "closeButton", "Save As, modified, open"},
            {"Ctrl+W", "settingsButton", "asked, modified, closed"},
            {"Ctrl+Q", "fillFloorButton", "asked, modified, closed"},
        };
        for (const auto& [key, focused, outcome] : cases) {
            auto&& [harness, answerer, editor] = EditorWithAnswerer();
            editor.GetSession().SetPath(harness.PathIn("L1.txt"));
            MakePlayableLevel(editor);
            answerer.AnswerBox(QMessageBox::No);
            editor.findChild<QWidget*>(focused)->setFocus();
            QTest::keySequence(editor.focusWidget(), QKeySequence(key));
            QTRY_COMPARE(Outcome(editor, answerer), outcome);
        }
    }

    void f1ListsTheKeysWithTheAboutBoxOneKeyAway() {
        auto&& [harness, editor] = OpenEditor();
        harness.Key(Qt::Key_F1);
        QTRY_VERIFY(qobject_cast<ShortcutsWindow*>(QApplication::activeWindow()));
        QCOMPARE(QApplication::activeWindow()->windowTitle(), "Keyboard Shortcuts");
        auto* list = qobject_cast<QTreeWidget*>(QApplication::focusWidget());
        QCOMPARE(list ? list->topLevelItem(3)->text(0) : QString(), "Alt+A");
        bool about = false;
        OnNextModal([&](QWidget* box) { about = qobject_cast<CAboutDlg*>(box) && box->close(); });
        QTest::keyClick(list, Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(about);
    }

    void aDroppedLevelFileOpensAfterTheQuestionAndNothingElseIsTaken() {
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        WriteBytes(harness.PathIn("L2.txt"), PreviousFile());
        const QUrl url = QUrl::fromLocalFile(QString::fromStdString(harness.PathIn("L2.txt")));
        const std::tuple<QList<QUrl>, Qt::DropActions, bool> cases[] = {
            {{url, url}, Qt::CopyAction, false},
            {{QUrl("https://example.org/L2.txt")}, Qt::CopyAction, false},
            {{QUrl("file://elsewhere" + url.path())}, Qt::CopyAction, false},
            {{QUrl("file:///tmp")}, Qt::CopyAction, false},
            {{url}, Qt::MoveAction, false},
            {{url}, Qt::CopyAction | Qt::MoveAction, true},
        };
        EditDefaultLevel(editor);
        answerer.AnswerBox(QMessageBox::No);
        for (const auto& [urls, actions, accepted] : cases) {
            QMimeData data;
            data.setUrls(urls);
            QDragEnterEvent enter({100, 100}, actions, &data, Qt::LeftButton, {});
            QDropEvent drop({100, 100}, actions, &data, Qt::LeftButton, {});
            QApplication::sendEvent(&editor, &enter);
            QApplication::sendEvent(&editor, &drop);
            QCOMPARE(enter.isAccepted(), accepted);
            QCOMPARE(drop.isAccepted() && drop.dropAction() == Qt::CopyAction, accepted);
        }
        QTRY_COMPARE(Outcome(editor, answerer), "asked, unmodified, open");
    }
};

QTEST_MAIN(DesktopConventionsTest)
#include "test_desktop_conventions.moc"
