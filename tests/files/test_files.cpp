// Reading and replacing files: why a read fails, what a replaced file ends as and which
// left-over temporary files a save sweeps away. Each case sets up a folder with a shell command.
#include "files/FileAccess.h"
#include "files/ReadFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

Q_DECLARE_METATYPE(ReadFailure)

class FilesTest : public QObject {
    Q_OBJECT

    QTemporaryDir Scratch;
    QString Dir, ReadDir;

    // A new folder open to all users; "old" ages a file by two hours, $T is a temporary file's
    // name and $D a 200-byte one. Cases that change owners need the superuser.
    bool SetUp(const QString& command, bool asOtherUser = false) {
        if (::geteuid() != 0 &&
            (asOtherUser || command.contains(QRegularExpression("chown|chattr"))))
            return false;
        Dir = Scratch.filePath(QString::number(qHash(QTest::currentDataTag())));
        const QString shell =
            "umask 022 && mkdir -m 777 " + Dir + " && cd " + Dir +
            " && old() { touch -h -d '2 hours ago' $1; }" +
            " && T=.zapmaze-editor-7-0123456789abcdef-0.tmp && D=$(printf %0200d 0) && " + command;
        return std::system(shell.toLocal8Bit().constData()) == 0;
    }

private slots:
    // The folder of the reads, which ends in a chain of folders deeper than PATH_MAX.
    void initTestCase() {
        ::umask(022);
        QVERIFY(
            QFile::setPermissions(Scratch.path(), QFile::Permissions(0x7777)) &&
            SetUp("mkdir -p real/sub && ln -s real/sub link && echo linked >real/beside.txt && "
                  "mkfifo p && "
                  "for i in $(seq 22); do mkdir $D && cd -P $D || exit 1; done && echo deep >f"));
        ReadDir = Dir;
    }

    void cleanupTestCase() { QCOMPARE(std::system(("rm -rf " + Scratch.path()).toLocal8Bit()), 0); }

    // "link/../beside.txt" is the file beside the link's target, as the kernel resolves it.
    void readsOrSaysWhy_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<ReadFailure>("failure");
        QTest::addColumn<QString>("bytes");
        QTest::newRow("link and ..") << "link/../beside.txt" << ReadFailure::None << "linked\n";
        QTest::newRow("over PATH_MAX")
            << (QString(200, '0') + "/").repeated(22) + "f" << ReadFailure::None << "deep\n";
        QTest::newRow("missing") << "absent" << ReadFailure::DoesNotExist << "";
        QTest::newRow("folder") << "real" << ReadFailure::Folder << "";
        QTest::newRow("named pipe") << "p" << ReadFailure::NotRegularFile << "";
        QTest::newRow("name too long") << QString(300, 'n') << ReadFailure::PathTooLong << "";
    }

    void readsOrSaysWhy() {
        QFETCH(QString, name);
        QFETCH(ReadFailure, failure);
        QFETCH(QString, bytes);
        const FileStart start = ReadFileStart((ReadDir + "/" + name).toStdString(), 100);
        QCOMPARE(start.failure, failure);
        QCOMPARE(QString::fromStdString(start.bytes), bytes);
    }

    // The file f after a save of "new" by the saver (0: the test's own user, "@" in the
    // result): its mode, owner, contents, and whether it is the same file or a new one.
    void replacedFileEndsAsTheRulesSay_data() {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<uint>("saver");
        QTest::addColumn<QString>("after");
        QTest::newRow("new file") << "true" << 0u << "644 @ new moved";
        QTest::newRow("other owner, by root")
            << "echo >f && chown 1234:1234 f && chmod 6750 f" << 0u << "6750 1234:1234 new moved";
        QTest::newRow("other owner, by a user")
            << "echo >f && chown 1235:1235 f && chmod 6777 f" << 1234u << "777 1234:1234 new moved";
        QTest::newRow("read-only") << "echo old >f && chmod 444 f" << 0u << "444 @ old same";
        QTest::newRow("not writable") << "echo old >f" << 1234u << "644 @ old same";
        QTest::newRow("no new file") << "echo >f && chattr +i ." << 0u << "644 @ new same";
        QTest::newRow("sticky") << "echo >f && chmod 666 f && chmod 1777 ." << 1234u
                                << "666 @ new same";
    }

    void replacedFileEndsAsTheRulesSay() {
        QFETCH(QString, setUp);
        QFETCH(uint, saver);
        QFETCH(QString, after);
        if (!SetUp(setUp, saver != 0))
            QSKIP("the set-up needs the superuser or a file system that takes it");
        const std::string path = (Dir + "/f").toStdString();
        struct stat before = {}, status = {};
        ::lstat(path.c_str(), &before);
        QCOMPARE(saver ? ::setegid(saver) + ::seteuid(saver) : 0, 0);
        const bool done = ReplaceFile(path, "new\n", std::nullopt);
        QCOMPARE(saver ? ::seteuid(0) + ::setegid(0) : 0, 0);
        [[maybe_unused]] const int unfrozen =
            std::system(("chattr -i " + Dir + " 2>/dev/null").toLocal8Bit());
        QFile file(QString::fromStdString(path));
        QVERIFY(::lstat(path.c_str(), &status) == 0 && file.open(QIODevice::ReadOnly));
        const QString ends =
            QString::asprintf("%o %u:%u ", status.st_mode & 07777, status.st_uid, status.st_gid) +
            file.readAll().trimmed() + (status.st_ino == before.st_ino ? " same" : " moved");
        QCOMPARE(ends, after.replace("@", QString("%1:%2").arg(::geteuid()).arg(::getegid())));
        QCOMPARE(done, after.contains("new"));
    }

    // Only regular files of the exact name ($T), of the running user, with one link, no larger
    // than a save writes and an hour old are swept.
    void sweepsOnlyItsOwnStaleTemporaryFiles_data() {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<bool>("swept");
        QTest::newRow("own left-over") << "echo >$T && old $T" << true;
        QTest::newRow("young") << "echo >$T" << false;
        QTest::newRow("short random part")
            << "T=.zapmaze-editor-7-1-0.tmp; echo >$T; old $T" << false;
        QTest::newRow("another user's") << "echo >$T && chown 1234 $T && old $T" << false;
        QTest::newRow("two links") << "echo >$T && ln $T kept && old $T" << false;
        QTest::newRow("too large") << "head -c 65537 /dev/zero >$T && old $T" << false;
        QTest::newRow("symbolic link") << "ln -s L1.txt $T && old $T" << false;
    }

    void sweepsOnlyItsOwnStaleTemporaryFiles() {
        QFETCH(QString, setUp);
        QFETCH(bool, swept);
        if (!SetUp(setUp))
            QSKIP("the set-up needs the superuser");
        QVERIFY(ReplaceFile((Dir + "/L1.txt").toStdString(), "level", std::nullopt));
        const auto any = QDir::AllEntries | QDir::Hidden | QDir::System;
        QCOMPARE(QDir(Dir).entryList({".zapmaze*"}, any).isEmpty(), swept);
    }
};

QTEST_APPLESS_MAIN(FilesTest)
#include "test_files.moc"
