// "settings.dat": the 268-byte record, read and written byte for byte.
#include "settings/SettingsRecord.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray Pattern(int size) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 37 + 11) & 0xFF);
    return bytes;
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class SettingsRecordTest : public QObject {
    Q_OBJECT

    QTemporaryDir Dir;
    QString Path() const { return Dir.filePath("settings.dat"); }
    std::string PathText() const { return Path().toStdString(); }

private slots:
    void layoutIsLittleEndianFieldByField() {
        SettingsRecord record;
        QVERIFY(StoreLevelDirectory(record, "/home/ann/Levels"));
        record.ShowGrid = 0;
        record.Reserved = {0xAA, 0xBB, 0xCC};
        record.GridColor = 0x00123456;
        const SettingsBytes bytes = SerialiseSettings(record);
        QCOMPARE(bytes.size(), std::size_t(268));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(bytes.data()), 17),
                 QByteArray("/home/ann/Levels\0", 17));
        QCOMPARE(int(bytes[260]), 0);
        QCOMPARE(int(bytes[261]), 0xAA);
        QCOMPARE(int(bytes[263]), 0xCC);
        QCOMPARE(int(bytes[264]), 0x56);
        QCOMPARE(int(bytes[265]), 0x34);
        QCOMPARE(int(bytes[266]), 0x12);
        QCOMPARE(int(bytes[267]), 0x00);
    }

    void aFullFileTravelsThroughByteForByte() {
        const QByteArray original = Pattern(268);
        Write(Path(), original);
        SettingsRecord record;
        QVERIFY(ReadSettingsFile(PathText(), record));
        WriteSettingsFile(PathText(), record);
        QCOMPARE(Read(Path()), original);
    }

    void withoutAFileTheDefaultsApply() {
        SettingsRecord record;
        record.ShowGrid = 0;
        record.GridColor = GridColorHidden;
        QVERIFY(!ReadSettingsFile(Dir.filePath("missing.dat").toStdString(), record));
        QCOMPARE(int(record.ShowGrid), 1);
        QCOMPARE(record.GridColor, GridColorShown);
        QCOMPARE(LevelDirectoryText(record), std::string());
        WriteSettingsFile(PathText(), record);
        const QByteArray written = Read(Path());
        QCOMPARE(written.size(), 268);
        QCOMPARE(written.mid(260), QByteArray("\x01\0\0\0\0\0\0\0", 8));
    }

    void aShortFileReplacesOnlyTheLeadingPart() {
        QByteArray bytes(100, '\0');
        bytes.replace(0, 7, "/levels");
        Write(Path(), bytes);
        SettingsRecord record;
        QVERIFY(ReadSettingsFile(PathText(), record));
        QCOMPARE(LevelDirectoryText(record), std::string("/levels"));
        QCOMPARE(int(record.ShowGrid), 1);
        QCOMPARE(record.GridColor, GridColorShown);
        WriteSettingsFile(PathText(), record);
        QCOMPARE(Read(Path()).size(), 268);
        QCOMPARE(Read(Path()).left(100), bytes);
    }

    void aLongFileIsReadFromItsFirst268BytesAndRewrittenAt268() {
        const QByteArray bytes = Pattern(400);
        Write(Path(), bytes);
        SettingsRecord record;
        QVERIFY(ReadSettingsFile(PathText(), record));
        WriteSettingsFile(PathText(), record);
        QCOMPARE(Read(Path()), bytes.left(268));
    }

    void anUnterminatedDirectoryIsReadAsItsFirst259Bytes() {
        QByteArray bytes(268, 'd');
        Write(Path(), bytes);
        SettingsRecord record;
        QVERIFY(ReadSettingsFile(PathText(), record));
        QCOMPARE(LevelDirectoryText(record), std::string(259, 'd'));
        WriteSettingsFile(PathText(), record);
        QCOMPARE(Read(Path()), bytes);
    }

    void aDirectoryLongerThanTheFieldIsRefusedWhole() {
        SettingsRecord record;
        QVERIFY(StoreLevelDirectory(record, "/kept"));
        QVERIFY(StoreLevelDirectory(record, std::string(259, 'x')));
        QCOMPARE(LevelDirectoryText(record), std::string(259, 'x'));
        QVERIFY(!StoreLevelDirectory(record, std::string(260, 'y')));
        QCOMPARE(LevelDirectoryText(record), std::string(259, 'x'));
    }

    void aNamedPipeIsNeitherReadNorWritten() {
        const QString pipe = Dir.filePath("pipe.dat");
        QCOMPARE(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
        SettingsRecord record;
        record.ShowGrid = 0;
        QVERIFY(!ReadSettingsFile(pipe.toStdString(), record));
        QCOMPARE(int(record.ShowGrid), 1);
        WriteSettingsFile(pipe.toStdString(), record);
    }

    // The file is replaced in one step: a link at its name is replaced by a regular file and
    // what it points to is never written.
    void aLinkAtTheNameIsReplacedAndItsTargetKept_data() {
        QTest::addColumn<bool>("symbolic");
        QTest::addColumn<bool>("dangling");
        QTest::newRow("symbolic link") << true << false;
        QTest::newRow("dangling symbolic link") << true << true;
        QTest::newRow("hard link") << false << false;
    }

    void aLinkAtTheNameIsReplacedAndItsTargetKept() {
        QFETCH(bool, symbolic);
        QFETCH(bool, dangling);
        const QString other = Dir.filePath("other");
        QFile::remove(Path());
        if (!dangling)
            Write(other, "someone else's file");
        const QByteArray target = other.toLocal8Bit();
        QCOMPARE(symbolic ? ::symlink(target.constData(), Path().toLocal8Bit().constData())
                          : ::link(target.constData(), Path().toLocal8Bit().constData()),
                 0);
        QVERIFY(WriteSettingsFile(PathText(), SettingsRecord{}));
        struct stat status {};
        QCOMPARE(::lstat(Path().toLocal8Bit().constData(), &status), 0);
        QVERIFY(S_ISREG(status.st_mode));
        QCOMPARE(Read(Path()).size(), 268);
        QCOMPARE(QFile::exists(other), !dangling);
        if (!dangling)
            QCOMPARE(Read(other), QByteArray("someone else's file"));
        QFile::remove(Path());
        QFile::remove(other);
    }

    // A link at the name (perhaps to another user's private file) reads as no file.
    void aLinkIsNeverReadThrough() {
        Write(Dir.filePath("private"), Pattern(268));
        QFile::remove(Path());
        QVERIFY(QFile::link(Dir.filePath("private"), Path()));
        SettingsRecord record;
        QVERIFY(!ReadSettingsFile(PathText(), record));
        QFile::remove(Path());
    }

    void bytesAfterTheTerminatorAreKept() {
        QByteArray bytes = Pattern(268);
        bytes[3] = '\0';
        Write(Path(), bytes);
        SettingsRecord record;
        QVERIFY(ReadSettingsFile(PathText(), record));
        QCOMPARE(LevelDirectoryText(record).size(), std::size_t(3));
        WriteSettingsFile(PathText(), record);
        QCOMPARE(Read(Path()), bytes);
    }
};

QTEST_APPLESS_MAIN(SettingsRecordTest)
#include "test_settings_record.moc"
