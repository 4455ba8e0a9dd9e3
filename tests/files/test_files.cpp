// Reading and replacing files: why a read fails, what a replaced file ends as, that a failed
// write keeps the old bytes, which links a save refuses, which left-over temporary files a save
// sweeps away, which recovery folders and records are trusted. Each case sets up a folder with a
// shell command.
#include "files/FileAccess.h"
#include "files/PathOpen.h"
#include "files/ReadFile.h"
#include "files/RecoveryFolder.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

Q_DECLARE_METATYPE(ReadFailure)
Q_DECLARE_METATYPE(WriteFailure)

namespace {

QByteArray ShellOutput(const QString& command) {
    QProcess shell;
    shell.start("sh", {"-c", command});
    shell.waitForFinished();
    return shell.readAllStandardOutput();
}

// A replace of path in a child process, as the saver (0: this user) under a file-size limit
// (0: none): the failure, or -1 when the previous file did not stay as it was.
int FailureInChild(const std::string& path, const std::string& bytes, uid_t saver, rlim_t limit) {
    if (const pid_t child = ::fork(); child != 0) {
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) ? qint8(WEXITSTATUS(status)) : -2;
    }
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit sizeLimit{limit, RLIM_INFINITY};
    if ((limit && ::setrlimit(RLIMIT_FSIZE, &sizeLimit) != 0) ||
        (saver && (::setegid(saver) != 0 || ::seteuid(saver) != 0)))
        ::_exit(100);
    const ReplaceResult result = ReplaceFile(path, bytes, std::nullopt);
    ::_exit(result.replaced || result.previous == PreviousFile::Unchanged ? int(result.failure)
                                                                          : 255);
}

} // namespace

class FilesTest : public QObject {
    Q_OBJECT

    QTemporaryDir Scratch;
    QString Dir, ReadDir;

    // A new folder open to all users; "old" ages a file by two hours, $T is a temporary file's
    // name and $D a 200-byte one. Cases that change owners need the superuser.
    bool SetUp(const QString& command, bool asOtherUser = false) {
        if (::geteuid() != 0 &&
            (asOtherUser || command.contains(QRegularExpression("chown|chattr|mount"))))
            return false;
        Dir = Scratch.filePath(QString::number(
            qHash(QString(QTest::currentTestFunction()) + QTest::currentDataTag())));
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
    // result): its mode, owner, contents, whether it is the same file or a new one, and the
    // named entries and group entry of its access control list and its user attributes.
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
        const QString acl = "echo >f && setfacl -m g::-,u:nobody:r f";
        QTest::newRow("access control list")
            << acl << 0u << "644 @ new moved user:nobody:r-- group::---";
        QTest::newRow("access control list on tmpfs")
            << "mount -t tmpfs tmpfs $PWD && cd $PWD && " + acl << 0u
            << "644 @ new moved user:nobody:r-- group::---";
        QTest::newRow("user attribute") << "echo >f && setfattr -n user.origin -v tablet f" << 0u
                                        << "644 @ new moved user.origin=\"tablet\"";
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
        QVERIFY(::lstat(path.c_str(), &status) == 0);
        const QByteArray content = ShellOutput("cat " + Dir + "/f").trimmed();
        const QByteArray access = ShellOutput(
            "cd " + Dir + " && getfacl -cs --no-effective f 2>/dev/null | grep -e 'user:[^:]' -e " +
            "group::; getfattr -d f 2>/dev/null | grep =; cd / && umount " + Dir + " 2>/dev/null");
        const QString ends =
            (QString::asprintf("%o %u:%u ", status.st_mode & 07777, status.st_uid, status.st_gid) +
             content + (status.st_ino == before.st_ino ? " same " : " moved ") +
             access.simplified())
                .trimmed();
        QCOMPARE(ends, after.replace("@", QString("%1:%2").arg(::geteuid()).arg(::getegid())));
        QCOMPARE(done, after.contains("new"));
    }

    // Writes under a file-size limit of 100 bytes, and on a full tmpfs mounted over the folder.
    // $S makes the write go in place: a folder that the saver (1235) may not write, holding a
    // file f that it may.
    void failedWriteKeepsTheOldBytes_data() {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<int>("newSize");
        QTest::addColumn<uint>("limit");
        QTest::addColumn<WriteFailure>("failure");
        const QString full = "mount -t tmpfs -o size=64k tmpfs $PWD && cd $PWD && head -c ";
        const QString fill = " && (head -c 1M /dev/zero >fill 2>/dev/null; true)";
        QTest::newRow("limit, in place")
            << "head -c 221 /dev/urandom >f$S" << 221 << 100u << WriteFailure::SizeLimit;
        QTest::newRow("limit, in place, grows")
            << "head -c 50 /dev/urandom >f$S" << 221 << 100u << WriteFailure::SizeLimit;
        QTest::newRow("full, in place, grows")
            << full + "10 /dev/urandom >f$S" + fill << 8192 << 0u << WriteFailure::DiskFull;
        QTest::newRow("full, in place, within its pages")
            << full + "221 /dev/urandom >f$S" + fill << 200 << 0u << WriteFailure::None;
    }

    void failedWriteKeepsTheOldBytes() {
        QFETCH(QString, setUp);
        QFETCH(int, newSize);
        QFETCH(uint, limit);
        QFETCH(WriteFailure, failure);
        const bool inPlace = setUp.contains("$S");
        if (!SetUp(setUp.replace("$S", " && chmod 755 . && chmod 666 f"), inPlace))
            QSKIP("the set-up needs the superuser");
        const QString path = Dir + "/f";
        const QByteArray before = ShellOutput("cat " + path);
        const std::string bytes(std::size_t(newSize), 'n');
        const int result = FailureInChild(path.toStdString(), bytes, inPlace * 1235, limit);
        const QByteArray after = ShellOutput("cat " + path);
        [[maybe_unused]] const int unmounted =
            std::system(("umount " + Dir + " 2>/dev/null").toLocal8Bit());
        QCOMPARE(result, int(failure));
        QCOMPARE(after, failure == WriteFailure::None ? QByteArray::fromStdString(bytes) : before);
    }

    // The link s/l in a sticky folder that every user may write; chown 1234 gives s or l to
    // another user.
    void linksOfOtherUsersInSharedFoldersAreNotFollowed_data() {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<bool>("followed");
        QTest::newRow("another user's link") << "chown -h 1234 s/l" << false;
        QTest::newRow("the folder owner's link") << "chown 1234 s && chown -h 1234 s/l" << true;
        QTest::newRow("another user's, not sticky") << "chmod 777 s && chown -h 1234 s/l" << true;
    }

    void linksOfOtherUsersInSharedFoldersAreNotFollowed() {
        QFETCH(QString, setUp);
        QFETCH(bool, followed);
        if (!SetUp("mkdir -m 1777 s && ln -s ../t s/l && " + setUp))
            QSKIP("the set-up needs the superuser");
        const std::optional<std::string> target = FollowLinks((Dir + "/s/l").toStdString());
        QCOMPARE(target.value_or("refused"),
                 followed ? (Dir + "/s/../t").toStdString() : "refused");
    }

    // The recovery folder below XDG_STATE_HOME=$PWD/state, and why it is not used.
    void recoveryFolderIsTrustedOnlyWhenPrivate_data() {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<QString>("problem");
        QTest::newRow("made fresh") << "true"
                                    << "";
        QTest::newRow("state folder writable by its group")
            << "mkdir -m 770 state"
            << "state may be written by other users (its mode is 0770)";
        QTest::newRow("a link on the way")
            << "mkdir -p state elsewhere && ln -s ../elsewhere state/zapmaze-editor"
            << "state/zapmaze-editor is a symbolic link";
        QTest::newRow("another user's folder")
            << "mkdir -p state/zapmaze-editor/recovery && chown 1234 state/zapmaze-editor"
            << "state/zapmaze-editor belongs to another user";
    }

    void recoveryFolderIsTrustedOnlyWhenPrivate() {
        QFETCH(QString, setUp);
        QFETCH(QString, problem);
        if (!SetUp(setUp))
            QSKIP("the set-up needs the superuser");
        qputenv("XDG_STATE_HOME", (Dir + "/state").toLocal8Bit());
        const RecoveryFolder folder = RecoveryFolder::Open(RecoveryFolderPath());
        QCOMPARE(QString::fromStdString(folder.Problem()),
                 problem.isEmpty() ? "" : Dir + "/" + problem);
        QCOMPARE(folder.Usable(), problem.isEmpty());
    }

    // Another user's record is never read; moved aside, it goes, and of the rest of unreadable/
    // only the ten newest small regular files stay.
    void recordsOfOthersAreNotReadAndUnreadableKeepsTheNewest() {
        if (!SetUp("mkdir -p r/unreadable && cd r/unreadable && mkdir -p sub/deeper && mkfifo p "
                   "&& head -c 70000 /dev/zero >big && for i in $(seq 10 21); do echo >$i; "
                   "touch -d \"$i minutes ago\" $i; done && cd .. && echo >9-1.lock && "
                   "echo >9-1.recovery && chown 1234 9-1.recovery && chmod -R go-w ."))
            QSKIP("the set-up needs the superuser");
        const RecoveryFolder folder = RecoveryFolder::Open((Dir + "/r").toStdString());
        std::optional<RecoverySlot> slot = RecoverySlot::Claim(folder, "9-1");
        QVERIFY(slot && slot->HasLevelFile() && !slot->Read());
        slot->MoveAside();
        const auto all = QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot;
        QCOMPARE(QDir(Dir + "/r").entryList(all), QStringList{"unreadable"});
        QCOMPARE(QDir(Dir + "/r/unreadable").entryList(all),
                 QString("10 11 12 13 14 15 16 17 18 19").split(' '));
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
