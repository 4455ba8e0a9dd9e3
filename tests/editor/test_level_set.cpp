// The level set in a real editor: F3, the slots' pictures and names, opening slots by click,
// Enter and Page Down or Up, a missing slot's fresh level, the open file changed on disk.
#include "tests/editor/DocumentFixtures.h"

#include "editor/LevelSetWindow.h"
#include "render/GridPicture.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTest>

namespace {

QAbstractButton* Slot(LevelSetWindow* window, int level) {
    return window->findChild<QAbstractButton*>(QStringLiteral("slot%1").arg(level));
}

bool ShownOpen(LevelSetWindow* window, int level) {
    return Slot(window, level)->accessibleDescription() == "Open in the editor";
}

LevelSetWindow* OpenSetWindow(EditorHarness& harness) {
    harness.Key(Qt::Key_F3);
    auto* window = harness.Editor().findChild<LevelSetWindow*>();
    return window && window->isVisible() ? window : nullptr;
}

// What render draws for the level, scaled down as Qt scales without smoothing.
QImage RenderedAtHalf(const LevelGrid& grid) {
    const render::PixelBuffer level = render::RenderLevel(grid, render::GridLinesShown, 1);
    return QImage(reinterpret_cast<const uchar*>(level.Data()), level.Width(), level.Height(),
                  level.Width() * 4, QImage::Format_RGB32)
        .scaled(level.Width() / 2, level.Height() / 2);
}

} // namespace

class LevelSetTest : public QObject {
    Q_OBJECT

private slots:
    void windowShowsTheSetAndOpensItsSlots() {
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        const std::string path3 = harness.PathIn("L3.txt");
        WriteBytes(path3, PreviousFile());
        LevelSetWindow* window = OpenSetWindow(harness);
        QVERIFY(window);
        QVERIFY(window->findChild<QLabel*>("setFolder")->text().endsWith(harness.Folder().c_str()));
        QCOMPARE(Slot(window, 3)->accessibleName(), QStringLiteral("Level 3: 1 error"));
        QCOMPARE(Slot(window, 5)->accessibleName(), QStringLiteral("Level 5: missing"));
        const QImage expected = RenderedAtHalf(editor.Document().Grid()); // as in PreviousFile
        QCOMPARE(Screen(*Slot(window, 3)).copy(6, 24, expected.width(), expected.height()),
                 expected);

        QTRY_VERIFY(Slot(window, 1)->hasFocus());
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Up, Qt::Key_Right})
            QTest::keyClick(QApplication::focusWidget(), key);
        QVERIFY(Slot(window, 3)->hasFocus());
        QTest::keyClick(Slot(window, 3), Qt::Key_PageUp); // from outside the set: L10, fresh
        QVERIFY(ShownOpen(window, 10));
        harness.ClickControl("newButton");
        QVERIFY(!ShownOpen(window, 10));
        QTest::keyClick(Slot(window, 3), Qt::Key_Return);
        QCOMPARE(editor.Document().Path(), path3);
        QVERIFY(ShownOpen(window, 3) && !ShownOpen(window, 5));

        EditDefaultLevel(editor);
        answerer.AnswerBox(QMessageBox::No);
        QTest::mouseClick(Slot(window, 5), Qt::LeftButton);
        QCOMPARE(answerer.Boxes.size(), std::size_t(1));
        QVERIFY(ShownOpen(window, 5) && editor.Document().Path().empty());
        MakePlayableLevel(editor);
        WriteBytes(harness.PathIn("L5.txt"), PreviousFile()); // by another program meanwhile
        answerer.AnswerBox(QMessageBox::No);
        harness.ClickControl("saveButton");
        QCOMPARE(ReadBytes(harness.PathIn("L5.txt")), PreviousFile());
        answerer.AnswerBox(QMessageBox::Yes);
        harness.ClickControl("saveButton");
        QVERIFY(answerer.FileDialogs.empty());
        QCOMPARE(editor.Document().Path(), harness.PathIn("L5.txt"));
        QTRY_COMPARE_WITH_TIMEOUT(Slot(window, 5)->accessibleName(), QStringLiteral("Level 5: ok"),
                                  1000);
        QTest::keyClick(Slot(window, 5), Qt::Key_F3);
        QVERIFY(!window->isVisible());
    }

    void escapeClosesTheSetWindowAlone() {
        EditorHarness harness;
        LevelSetWindow* window = OpenSetWindow(harness);
        QTest::keyClick(Slot(window, 1), Qt::Key_Escape);
        QVERIFY(!window->isVisible() && harness.Editor().isVisible());
    }

    void pageKeysWalkTheSet() {
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        for (const char* name : {"L3.txt", "L4.txt", "L10.txt"})
            WriteBytes(harness.PathIn(name), PreviousFile());
        LoadThroughButton(harness, answerer, harness.PathIn("L3.txt"));
        EditDefaultLevel(editor);
        answerer.AnswerBox(QMessageBox::No);
        harness.Key(Qt::Key_PageDown);
        QCOMPARE(editor.Document().Path(), harness.PathIn("L4.txt"));
        harness.Key(Qt::Key_PageDown); // L5 is missing: a fresh level for it
        QVERIFY(editor.Document().Path().empty() && !editor.Document().IsModified());
        LoadThroughButton(harness, answerer, harness.PathIn("L10.txt"));
        harness.Key(Qt::Key_PageDown);
        QCOMPARE(editor.Document().Path(), harness.PathIn("L10.txt"));
        QCOMPARE(answerer.Boxes.size(), std::size_t(1));
    }

    void openLevelFollowsItsFileOnDisk() {
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        const std::string path = LoadFileHoldingPrevious(harness, answerer, "L2.txt");
        const std::string title = WindowTitle(editor);
        LevelGrid other{};
        WriteBytes(path, LevelBytes(other));
        QTRY_VERIFY_WITH_TIMEOUT(editor.Document().Grid() == other, 1000);
        QCOMPARE(WindowTitle(editor), title);
        QVERIFY(!editor.Document().IsModified() && !editor.GetSession().CanUndo());
        QVERIFY(StatusLine(editor).contains("read again"));

        // The editor's own save is no change by another program.
        MakePlayableLevel(editor);
        harness.ClickControl("saveButton");
        EditDefaultLevel(editor);
        LevelSetWindow* window = OpenSetWindow(harness);
        WriteBytes(harness.PathIn("L9.txt"), PreviousFile());
        QTRY_COMPARE(Slot(window, 9)->accessibleName(), QStringLiteral("Level 9: 1 error"));
        QVERIFY(answerer.Boxes.empty());

        for (const auto answer : {QMessageBox::Yes, QMessageBox::No}) {
            answerer.AnswerBox(answer);
            WriteBytes(path, answer == QMessageBox::Yes ? PreviousFile() : LevelBytes(other));
            QTRY_VERIFY_WITH_TIMEOUT(answerer.BoxAnswers.empty(), 1000);
            QCOMPARE(answerer.Boxes.back().caption, std::string("File Changed"));
            QCOMPARE(editor.Document().IsModified(), answer == QMessageBox::Yes);
        }
        QVERIFY(editor.Document().Grid() == other);
    }
};

QTEST_MAIN(LevelSetTest)
#include "test_level_set.moc"
