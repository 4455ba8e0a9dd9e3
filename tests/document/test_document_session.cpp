// The document session alone: what each action records, and Modified as its listeners see it.
#include <QtTest>

#include "editor/DocumentSession.h"

class DocumentSessionTest : public QObject {
    Q_OBJECT

private slots:
    // Modified after each step of a script: p paints a cell, n paints one with the tile it
    // holds, c clears the floor, s saves, o opens a recovered level, u undoes, r redoes.
    void undoAndRedoGiveTheFlagTheStateLastHad_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("flags");
        const char* const rows[][3] = {
            {"Clear Floor on an unmodified level", "pscur", "10000"},
            {"Clear Floor on a modified level", "pcuur", "11101"},
            {"a stroke that changes nothing", "punru", "10111"},
            {"a save", "ppsuurr", "1101110"},
            {"a recovered level", "opusr", "11101"},
        };
        for (const auto& [name, script, flags] : rows)
            QTest::newRow(name) << QString(script) << QString(flags);
    }
    void undoAndRedoGiveTheFlagTheStateLastHad() {
        QFETCH(QString, script);
        QFETCH(QString, flags);
        DocumentSession session;
        QString seen;
        int column = 1;
        for (const QChar step : script) {
            if (step == 'p' || step == 'n') {
                session.BeginStroke();
                session.PlaceTile(step == 'p' ? Cell{column++, 1} : Cell{13, 11},
                                  step == 'p' ? Brick : Floor);
                session.EndStroke();
            }
            if (step == 'c')
                session.ClearFloor();
            if (step == 's')
                session.MarkSaved();
            if (step == 'o')
                session.Open(LevelDocument(session.Document().State(), {}, true));
            if (step == 'u')
                session.Undo();
            if (step == 'r')
                session.Redo();
            seen += session.Document().IsModified() ? '1' : '0';
        }
        QCOMPARE(seen, flags);
    }

    // Every change is announced, each cell of a stroke too, and whoever listens reads Modified
    // as the change left it.
    void listenersReadModifiedAfterTheChange() {
        DocumentSession session;
        QString seen;
        connect(&session, &DocumentSession::DocumentChanged,
                [&] { seen += session.IsModified() ? '1' : '0'; });
        session.FillFloor(Brick);
        session.Undo();
        session.Redo();
        session.PlaceTile({3, 3}, Floor);
        session.BeginStroke();
        for (const Cell cell : {Cell{4, 4}, Cell{5, 5}})
            session.PlaceTile(cell, Brick);
        QCOMPARE(seen, QString("101111"));
    }

    // A save in the middle of a stroke parts it there, so that the history holds the state
    // saved; a stroke that puts back every cell it painted is no step.
    void aStrokeIsPartedBySavesAndVanishesWhenItChangesNothing() {
        DocumentSession session;
        session.BeginStroke();
        session.PlaceTile({1, 1}, Brick);
        session.MarkSaved();
        QVERIFY(!session.IsModified());
        session.PlaceTile({2, 1}, Brick);
        session.EndStroke();
        session.Undo();
        QVERIFY(!session.IsModified());
        QCOMPARE(session.Document().TileAt({1, 1}), Brick);
        session.Undo();
        QVERIFY(session.IsModified());
        QVERIFY(!session.CanUndo());

        session.BeginStroke();
        session.PlaceTile({2, 2}, Brick);
        session.PlaceTile({2, 2}, Floor);
        session.EndStroke();
        QVERIFY(!session.CanUndo());
        QVERIFY(session.IsModified());
    }
};

QTEST_GUILESS_MAIN(DocumentSessionTest)
#include "test_document_session.moc"
