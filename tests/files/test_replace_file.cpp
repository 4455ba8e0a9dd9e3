// Replacing a file: the mode, owner and group it ends with, what it leaves untouched, the write
// in place, and which left-over temporary files a save sweeps away.
#include "files/FileAccess.h"

#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <linux/fs.h>
#include <optional>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

Q_DECLARE_METATYPE(std::optional<mode_t>)

namespace {

constexpr uid_t OtherUser = 1234;
constexpr uid_t ThirdUser = 1235;
const std::string Stale = ".zapmaze-editor-7-0123456789abcdef-0.tmp";

struct stat StatusOf(const fs::path& path) {
    struct stat status {};
    ::lstat(path.c_str(), &status);
    return status;
}

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Makes a folder take no new file, for the superuser too (it may not be possible here).
bool SetImmutable(const fs::path& folder, bool on) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    const bool done =
        ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 &&
        ::ioctl(fd, FS_IOC_SETFLAGS,
                &(flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL)) == 0;
    ::close(fd);
    return done;
}

} // namespace

class ReplaceFileTest : public QObject {
    Q_OBJECT

    fs::path Dir;
    QTemporaryDir Scratch;

private slots:
    // A folder of each case's own, open to the other users that some cases save as.
    void init() {
        const char* tag = QTest::currentDataTag();
        Dir = fs::path(Scratch.path().toStdString()) /
              (std::string(QTest::currentTestFunction()) + "-" + (tag ? tag : ""));
        fs::create_directories(Dir);
        fs::permissions(Scratch.path().toStdString(), fs::perms::all);
        fs::permissions(Dir, fs::perms::all);
    }

    // What the file at the name is given, as the superuser and as a user who does not own it.
    void keepsModeOwnerAndGroup_data() {
        QTest::addColumn<mode_t>("before"); // 0: no file there
        QTest::addColumn<uid_t>("owner");   // of the file before; 0: the test's own user
        QTest::addColumn<uid_t>("saver");   // 0: the test's own user
        QTest::addColumn<std::optional<mode_t>>("asked");
        QTest::addColumn<mode_t>("after");
        QTest::addColumn<uid_t>("ownerAfter");
        const std::optional<mode_t> none;
        QTest::newRow("new file") << mode_t(0) << uid_t(0) << uid_t(0) << none << mode_t(0644)
                                  << uid_t(0);
        QTest::newRow("private") << mode_t(0600) << uid_t(0) << uid_t(0) << none << mode_t(0600)
                                 << uid_t(0);
        QTest::newRow("mode asked for") << mode_t(0644) << uid_t(0) << uid_t(0)
                                        << std::optional<mode_t>(0600) << mode_t(0600) << uid_t(0);
        QTest::newRow("another user's, by root")
            << mode_t(06750) << OtherUser << uid_t(0) << none << mode_t(06750) << OtherUser;
        QTest::newRow("a third user's, by a user")
            << mode_t(06777) << ThirdUser << OtherUser << none << mode_t(0777) << OtherUser;
    }

    void keepsModeOwnerAndGroup() {
        QFETCH(mode_t, before);
        QFETCH(uid_t, owner);
        QFETCH(uid_t, saver);
        QFETCH(std::optional<mode_t>, asked);
        QFETCH(mode_t, after);
        QFETCH(uid_t, ownerAfter);
        if (::geteuid() != 0 && (owner != 0 || saver != 0))
            QSKIP("changing owners needs the superuser");
        const fs::path path = Dir / "L1.txt";
        if (before) {
            std::ofstream(path) << "old";
            QCOMPARE(owner ? ::chown(path.c_str(), owner, owner) : 0, 0);
            QCOMPARE(::chmod(path.c_str(), before), 0);
        }
        const mode_t mask = ::umask(022);
        if (saver)
            QCOMPARE(::setegid(saver) + ::seteuid(saver), 0);
        const bool replaced = ReplaceFile(path.string(), "new", asked);
        if (saver)
            QCOMPARE(::seteuid(0) + ::setegid(0), 0);
        ::umask(mask);
        QVERIFY(replaced);
        const struct stat status = StatusOf(path);
        QCOMPARE(status.st_mode & 07777, after);
        QCOMPARE(status.st_uid, ownerAfter ? ownerAfter : ::geteuid());
        QCOMPARE(status.st_gid, ownerAfter ? gid_t(ownerAfter) : ::getegid());
        QCOMPARE(Contents(path), std::string("new"));
    }

    // A file without any write permission bit, or that the saver may not write, stays as it is;
    // something that is no regular file is replaced or refused as the caller says.
    void leavesAloneWhatItMayNotReplace_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<OtherFileAtName>("other");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("read-only file") << "0444" << OtherFileAtName::Replace << false;
        QTest::newRow("another user's file") << "other" << OtherFileAtName::Replace << false;
        QTest::newRow("named pipe, refused") << "pipe" << OtherFileAtName::Refuse << false;
        QTest::newRow("named pipe, replaced") << "pipe" << OtherFileAtName::Replace << true;
        QTest::newRow("link, replaced") << "link" << OtherFileAtName::Replace << true;
    }

    void leavesAloneWhatItMayNotReplace() {
        QFETCH(QString, kind);
        QFETCH(OtherFileAtName, other);
        QFETCH(bool, replaced);
        const fs::path path = Dir / "settings.dat", target = Dir / "target";
        std::ofstream(target) << "old";
        ::chmod(target.c_str(), kind == "0444" ? 0444 : 0644);
        if (kind == "pipe")
            ::mkfifo(path.c_str(), 0600);
        else if (kind == "link")
            fs::create_symlink(target, path);
        else
            fs::rename(target, path);
        const bool asOther = kind == "other";
        if (asOther && (::geteuid() != 0 || ::seteuid(OtherUser) != 0))
            QSKIP("writing as another user needs the superuser");
        const ReplaceResult result = ReplaceFile(path.string(), "new", std::nullopt, other);
        if (asOther)
            QCOMPARE(::seteuid(0), 0);
        QCOMPARE(bool(result), replaced);
        QCOMPARE(fs::is_regular_file(fs::symlink_status(path)) && Contents(path) == "new",
                 replaced);
        for (const fs::directory_entry& entry : fs::directory_iterator(Dir))
            QVERIFY(!IsEditorTemporaryName(entry.path().filename().string()));
    }

    // A folder that takes no new file, or a sticky one around another user's file: a file that
    // the user may write is written in place.
    void writesInPlaceWhereTheFileMayNotBeReplaced_data() {
        QTest::addColumn<bool>("sticky");
        QTest::newRow("folder taking no new file") << false;
        QTest::newRow("sticky folder") << true;
    }

    void writesInPlaceWhereTheFileMayNotBeReplaced() {
        QFETCH(bool, sticky);
        const fs::path path = Dir / "L1.txt";
        std::ofstream(path) << "old contents";
        fs::permissions(path, fs::perms(0666));
        const ino_t inode = StatusOf(path).st_ino;
        const bool root = ::geteuid() == 0;
        if (sticky && !root)
            QSKIP("saving as another user needs the superuser");
        bool immutable = false;
        if (sticky)
            QCOMPARE(::chmod(Dir.c_str(), 01777) + ::seteuid(OtherUser), 0);
        else if (root && !(immutable = SetImmutable(Dir, true)))
            QSKIP("this file system cannot make a folder take no new file for the superuser");
        else if (!root)
            fs::permissions(Dir, fs::perms(0555));
        const ReplaceResult result = ReplaceFile(path.string(), "new", std::nullopt);
        if (immutable)
            SetImmutable(Dir, false);
        if (sticky)
            QCOMPARE(::seteuid(0), 0);
        fs::permissions(Dir, fs::perms::all);
        QVERIFY(result);
        QCOMPARE(Contents(path), std::string("new"));
        QCOMPARE(StatusOf(path).st_ino, inode);
    }

    // A save sweeps only its own kind of left-over temporary file: a regular file of its exact
    // name, of the running user, with one link, no larger than a save writes, an hour old.
    void sweepsOnlyItsOwnStaleTemporaryFiles_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("swept");
        const QString stale = QString::fromStdString(Stale);
        QTest::newRow("own left-over") << stale << "file" << true;
        QTest::newRow("young") << stale << "young" << false;
        QTest::newRow("short random part") << ".zapmaze-editor-7-123-0.tmp"
                                           << "file" << false;
        QTest::newRow("letters in the count") << ".zapmaze-editor-7-0123456789abcdef-x.tmp"
                                              << "file" << false;
        QTest::newRow("another user's") << stale << "other" << false;
        QTest::newRow("two links") << stale << "linked" << false;
        QTest::newRow("larger than a save") << stale << "large" << false;
        QTest::newRow("symbolic link") << stale << "symlink" << false;
        QTest::newRow("folder") << stale << "folder" << false;
    }

    void sweepsOnlyItsOwnStaleTemporaryFiles() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(bool, swept);
        const fs::path path = Dir / name.toStdString();
        if (kind == "folder")
            fs::create_directory(path);
        else if (kind == "symlink")
            fs::create_symlink(Dir / "L1.txt", path);
        else
            std::ofstream(path) << std::string(kind == "large" ? LargestReplacedFile + 1 : 9, 'x');
        if (kind == "linked")
            fs::create_hard_link(path, Dir / "kept");
        if (kind == "other" && (::geteuid() != 0 || ::lchown(path.c_str(), OtherUser, -1) != 0))
            QSKIP("a file of another user needs the superuser");
        if (kind != "young") {
            const timespec times[2] = {{0, UTIME_OMIT}, {::time(nullptr) - 7200, 0}};
            ::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
        }
        QVERIFY(ReplaceFile((Dir / "L1.txt").string(), "level", std::nullopt));
        QCOMPARE(!fs::exists(fs::symlink_status(path)), swept);
    }
};

QTEST_APPLESS_MAIN(ReplaceFileTest)
#include "test_replace_file.moc"
