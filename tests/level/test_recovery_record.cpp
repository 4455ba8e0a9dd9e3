#include <QtTest>

#include "level/LevelText.h"
#include "level/RecoveryRecord.h"

namespace {

RecoveryRecord Sample(const std::string& path, std::optional<FileStamp> stamp = {}) {
    RecoveryRecord record{{}, path, 1'700'000'000, stamp};
    ResetToDefaultLevel(record.level.grid, record.level.starts);
    record.level.grid[3][4] = Player3;
    record.level.starts.placed[2] = true;
    record.level.starts.position[2] = Cell{3, 4};
    record.level.starts.position[4] = Cell{14, 12}; // remembered, not placed
    record.level.grid[7][7] = Brick;
    return record;
}

const std::string SamplePath = "/home/d\xff/levels/L1.txt";
const RecoveryRecord Samples[] = {
    Sample(""), Sample(SamplePath, FileStamp{1, 2, 221, -3, 999'999'999, ~0ull, 221}),
    Sample(SamplePath)};

std::string Encoded(int sample) {
    return *EncodeRecovery(Samples[sample]);
}

// The bytes with one byte replaced at offset (from the end when negative) and, with `reseal`, a
// checksum that matches again: what another program could have written.
QByteArray Patched(int offset, char byte, bool reseal = true) {
    std::string bytes = Encoded(1);
    bytes[offset < 0 ? bytes.size() + offset : offset] = byte;
    if (reseal) {
        bytes.resize(bytes.size() - 4);
        const std::uint32_t crc = Crc32(bytes);
        for (int index = 0; index < 4; ++index)
            bytes.push_back(static_cast<char>(crc >> (8 * index)));
    }
    return QByteArray::fromStdString(bytes);
}

// The last sample as an editor of the first format wrote it: version 1, no stamp.
QByteArray FirstFormat() {
    std::string bytes = Encoded(2);
    bytes.erase(37 + SamplePath.size(), RecoveryStampBytes);
    bytes[8] = 1;
    bytes.resize(bytes.size() - 4);
    const std::uint32_t crc = Crc32(bytes);
    for (int index = 0; index < 4; ++index)
        bytes.push_back(static_cast<char>(crc >> (8 * index)));
    return QByteArray::fromStdString(bytes);
}

} // namespace

class RecoveryRecordTest : public QObject {
    Q_OBJECT
private slots:
    void decodes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("sample"); // -1: unreadable
        const QByteArray whole = QByteArray::fromStdString(Encoded(1));
        QTest::newRow("new level") << QByteArray::fromStdString(Encoded(0)) << 0;
        QTest::newRow("path of any bytes, stamp") << whole << 1;
        QTest::newRow("first format, no stamp") << FirstFormat() << 2;
        QTest::newRow("relative path") << Patched(37, 'h') << -1;
        QTest::newRow("stamp flag not 0 or 1") << Patched(37 + int(SamplePath.size()), 2) << -1;
        QTest::newRow("empty") << QByteArray() << -1;
        QTest::newRow("cut short") << whole.chopped(1) << -1;
        QTest::newRow("a byte more") << whole + '\0' << -1;
        QTest::newRow("a tile changed") << Patched(-10, '-', false) << -1;
        QTest::newRow("checksum changed") << Patched(-1, 'x', false) << -1;
        QTest::newRow("another program") << Patched(0, 'X') << -1;
        QTest::newRow("newer format") << Patched(8, 3) << -1;
        QTest::newRow("path longer than the file") << Patched(33, 60) << -1;
        QTest::newRow("zero byte in the path") << Patched(40, '\0') << -1;
        QTest::newRow("no tile character") << Patched(-10, 'x') << -1;
        QTest::newRow("line end missing") << Patched(-6, ' ') << -1;
        QTest::newRow("placed start off the grid") << Patched(18 + 3 * 2 + 1, 15) << -1;
        QTest::newRow("placed flag not 0 or 1") << Patched(18, 2) << -1;
        QTest::newRow("only a level text") << QByteArray::fromStdString(LevelText({})) << -1;
    }

    void decodes() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, sample);
        const std::optional<RecoveryRecord> record = DecodeRecovery(bytes.toStdString());
        QCOMPARE(record.has_value(), sample >= 0);
        if (record)
            QVERIFY(*record == Samples[sample]);
    }
};

QTEST_APPLESS_MAIN(RecoveryRecordTest)
#include "test_recovery_record.moc"
