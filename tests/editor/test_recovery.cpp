// The level kept for recovery, as the next editor offers it: what each answer to "Recover
// Level?" does, the word about a file changed since, the box when the folder is not private;
// and a Save onto a file that another program changed since it was loaded or recovered.
#include "tests/editor/DocumentFixtures.h"

#include "files/RecoveryFolder.h"
#include "level/RecoveryRecord.h"

#include <QDir>
#include <QTest>
#include <sys/stat.h>

namespace {

const BoxKind RecoverBox{QMessageBox::Yes | QMessageBox::No, QMessageBox::Question};
const BoxKind FileChangedBox{QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning};

int RecoveryFiles() {
    return int(QDir(QString::fromStdString(RecoveryFolderPath()))
                   .entryList({"*.recovery"}, QDir::Files)
                   .size());
}

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

    void eachAnswerToTheOffer_data() {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<int>("recordsLeft"); // once the offering editor has closed
        QTest::newRow("Yes opens it") << QMessageBox::Yes << 0;
        QTest::newRow("No discards it") << QMessageBox::No << 0;
        QTest::newRow("Escape keeps it") << QMessageBox::Cancel << 1;
    }

    void eachAnswerToTheOffer() {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(int, recordsLeft);
        LeaveRecord(EditedRecord());
        {
            auto&& [harness, answerer, editor] = EditorWithAnswerer();
            answerer.AnswerBox(answer);
            editor.OfferRecoveredLevels();
            QCOMPARE(answerer.Boxes.size(), std::size_t(1));
            QCOMPARE(KindOf(answerer.Boxes[0]), RecoverBox);
            QVERIFY(answerer.Boxes[0].text.starts_with(
                "The editor ended without saving changes to a new level at 2023-11-1"));
            QCOMPARE(editor.Document().IsModified(), answer == QMessageBox::Yes);
            QCOMPARE(editor.Document().TileAt({2, 2}), answer == QMessageBox::Yes ? Brick : Floor);
        }
        QCOMPARE(RecoveryFiles(), recordsLeft);
    }

    void aTimeOutOfRangeIsUnknown() {
        RecoveryRecord record = EditedRecord();
        record.savedAt = INT64_MAX;
        LeaveRecord(record);
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        answerer.AnswerBox(QMessageBox::No);
        editor.OfferRecoveredLevels();
        QVERIFY(answerer.Boxes.at(0).text.ends_with(" at an unknown time. Open them now?"));
    }

    // A folder that other users may write: one box says so, and nothing kept there is offered.
    void aFolderOthersMayWriteTurnsRecoveryOff() {
        LeaveRecord(EditedRecord());
        const QByteArray folder = QByteArray::fromStdString(RecoveryFolderPath());
        QCOMPARE(::chmod(folder, 0777), 0);
        {
            auto&& [harness, answerer, editor] = EditorWithAnswerer();
            editor.OfferRecoveredLevels();
            QCOMPARE(answerer.Boxes.size(), std::size_t(1));
            QCOMPARE(answerer.Boxes[0].caption, std::string("Recovery Off"));
            QVERIFY(answerer.Boxes[0].text.find(folder.toStdString() +
                                                " may be written by other users (its mode is "
                                                "0777). Nothing was lost") != std::string::npos);
        }
        QCOMPARE(::chmod(folder, 0700), 0);
        QCOMPARE(RecoveryFiles(), 1);
    }

    // Another program writes L1.txt after it was loaded, or after the editor that had it open
    // was killed. The same bytes again change nothing.
    void saveOntoAFileChangedSinceAsksFirst_data() {
        QTest::addColumn<bool>("recovered");
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<QMessageBox::StandardButton>("answer"); // NoButton: nothing asked
        const QByteArray other = PreviousFile().replace('*', '-');
        QTest::newRow("loaded, No") << false << other << QMessageBox::No;
        QTest::newRow("loaded, Escape") << false << other << QMessageBox::Cancel;
        QTest::newRow("loaded, Yes") << false << other << QMessageBox::Yes;
        QTest::newRow("loaded, same bytes") << false << PreviousFile() << QMessageBox::NoButton;
        QTest::newRow("recovered, No") << true << other << QMessageBox::No;
    }

    void saveOntoAFileChangedSinceAsksFirst() {
        QFETCH(bool, recovered);
        QFETCH(QByteArray, written);
        QFETCH(QMessageBox::StandardButton, answer);
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        const std::string path = LoadFileHoldingPrevious(harness, answerer, "L1.txt");
        if (recovered) {
            LeaveRecord(EditedRecord(path));
            answerer.AnswerBox(QMessageBox::Yes);
        }
        QFile::remove(QString::fromStdString(path)); // another program replaces the file
        WriteBytes(path, written);
        if (recovered) {
            editor.OfferRecoveredLevels();
            QVERIFY(answerer.Boxes.back().text.find(
                        "The file has been changed on disk since then; Save will ask") !=
                    std::string::npos);
        }
        MakePlayableLevel(editor);
        const std::size_t before = answerer.Boxes.size();
        if (answer != QMessageBox::NoButton)
            answerer.AnswerBox(answer);
        harness.ClickControl(IdSave);

        const bool asked = answer != QMessageBox::NoButton;
        QCOMPARE(answerer.Boxes.size(), before + (asked ? 1 : 0));
        if (asked) {
            QCOMPARE(answerer.Boxes.back().caption, std::string("File Changed"));
            QCOMPARE(KindOf(answerer.Boxes.back()), FileChangedBox);
        }
        const bool overwritten = !asked || answer == QMessageBox::Yes;
        QCOMPARE(ReadBytes(path), overwritten ? LevelBytes(editor.Document().Grid()) : written);
        QCOMPARE(editor.Document().IsModified(), !overwritten);
        // Saved, the file is the editor's own; kept, it is still the other program's.
        if (!overwritten)
            answerer.AnswerBox(QMessageBox::No);
        harness.ClickControl(IdSave);
        QCOMPARE(answerer.Boxes.size(), before + (asked ? (overwritten ? 1 : 2) : 0));
    }
};

QTEST_MAIN(RecoveryTest)
#include "test_recovery.moc"
