// The level kept for recovery, as the next editor offers it: what each answer to "Recover
// Level?" does and the word about a file changed since; and a Save onto a file that another
// program changed since it was loaded or recovered.
#include "tests/editor/DocumentFixtures.h"

#include "files/RecoveryFolder.h"
#include "level/RecoveryRecord.h"

#include <QDir>
#include <QTest>

namespace {

const QMessageBox::StandardButtons YesNo = QMessageBox::Yes | QMessageBox::No;

// Leaves a record as an editor that was killed leaves it: its slot no longer locked.
void LeaveRecord(const RecoveryRecord& record) {
    const RecoveryFolder folder = RecoveryFolder::Open(RecoveryFolderPath());
    const std::optional<RecoverySlot> slot = RecoverySlot::Create(folder);
    QVERIFY(slot && slot->Write(*EncodeRecovery(record)));
}

RecoveryRecord EditedRecord(const std::string& path = {}) {
    RecoveryRecord record{{}, path, 1'700'000'000, LevelFileStampNow(path)};
    ResetToDefaultLevel(record.level.grid, record.level.starts);
    record.level.grid[2][2] = Brick;
    return record;
}

} // namespace

class RecoveryTest : public QObject {
    Q_OBJECT

    QTemporaryDir State;

private slots:
    void initTestCase() { qputenv("XDG_STATE_HOME", State.path().toLocal8Bit()); }
    void cleanup() { QDir(QString::fromStdString(RecoveryFolderPath())).removeRecursively(); }

    // Kept at 2023-11-14 UTC, or at a time that no date shows.
    void eachAnswerToTheOffer_data() {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<qint64>("savedAt");
        QTest::addColumn<int>("recordsLeft"); // once the offering editor has closed
        QTest::newRow("Yes opens it") << QMessageBox::Yes << qint64(1'700'000'000) << 0;
        QTest::newRow("No discards it") << QMessageBox::No << qint64(INT64_MAX) << 0;
        QTest::newRow("Escape keeps it") << QMessageBox::Cancel << qint64(1'700'000'000) << 1;
    }

    void eachAnswerToTheOffer() {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(qint64, savedAt);
        QFETCH(int, recordsLeft);
        RecoveryRecord record = EditedRecord();
        record.savedAt = savedAt;
        LeaveRecord(record);
        {
            auto&& [harness, answerer, editor] = EditorWithAnswerer();
            answerer.AnswerBox(answer);
            editor.OfferRecoveredLevels();
            QCOMPARE(answerer.Boxes.size(), std::size_t(1));
            QCOMPARE(KindOf(answerer.Boxes[0]), BoxKind(YesNo, QMessageBox::Question));
            QVERIFY(answerer.Boxes[0].text.starts_with(
                "The editor ended without saving changes to a new level at " +
                std::string(savedAt == INT64_MAX ? "an unknown time." : "2023-11-1")));
            QCOMPARE(editor.Document().TileAt({2, 2}), answer == QMessageBox::Yes ? Brick : Floor);
        }
        QCOMPARE(ListRecoverySlots(RecoveryFolder::Open(RecoveryFolderPath())).size(),
                 std::size_t(recordsLeft));
    }

    // Another program writes L1.txt after it was loaded, or after the editor that had it open
    // was killed; the same bytes again change nothing.
    void saveOntoAFileChangedSinceAsksFirst_data() {
        QTest::addColumn<bool>("recovered");
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<QMessageBox::StandardButton>("answer"); // NoButton: nothing asked
        const QByteArray other = PreviousFile().replace('*', '-');
        QTest::newRow("loaded, No") << false << other << QMessageBox::No;
        QTest::newRow("loaded, same bytes") << false << PreviousFile() << QMessageBox::NoButton;
        QTest::newRow("recovered, Yes") << true << other << QMessageBox::Yes;
    }

    void saveOntoAFileChangedSinceAsksFirst() {
        QFETCH(bool, recovered);
        QFETCH(QByteArray, written);
        QFETCH(QMessageBox::StandardButton, answer);
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        const std::string path = LoadFileHoldingPrevious(harness, answerer, "L1.txt");
        if (recovered)
            LeaveRecord(EditedRecord(path));
        QFile::remove(QString::fromStdString(path)); // another program replaces the file
        WriteBytes(path, written);
        if (recovered) {
            answerer.AnswerBox(QMessageBox::Yes);
            editor.OfferRecoveredLevels();
            QVERIFY(answerer.Boxes.back().text.ends_with(
                " The file has been changed on disk since then; Save will ask before it replaces "
                "the newer file. Open them now?"));
        }
        MakePlayableLevel(editor);
        const std::size_t before = answerer.Boxes.size();
        answerer.AnswerBox(answer);
        harness.ClickControl("saveButton");

        const bool asked = answer != QMessageBox::NoButton;
        QCOMPARE(answerer.Boxes.size(), before + asked);
        if (asked)
            QCOMPARE(std::pair(answerer.Boxes.back().caption, KindOf(answerer.Boxes.back())),
                     std::pair(std::string("File Changed"), BoxKind(YesNo, QMessageBox::Warning)));
        const bool overwritten = !asked || answer == QMessageBox::Yes;
        QCOMPARE(ReadBytes(path), overwritten ? LevelBytes(editor.Document().Grid()) : written);
        QCOMPARE(editor.Document().IsModified(), !overwritten);
    }
};

QTEST_MAIN(RecoveryTest)
#include "test_recovery.moc"
