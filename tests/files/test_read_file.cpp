// Opening a file for reading: what it reads, and why it refuses, for every kind of path.
#include "files/ReadFile.h"

#include <QTemporaryDir>
#include <QTest>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

Q_DECLARE_METATYPE(ReadFailure)
Q_DECLARE_METATYPE(FinalLink)

namespace {

// A chain of folders, each name 200 bytes long, whose path is longer than PATH_MAX; made with
// paths relative to each folder, as no single call takes the whole path.
std::string MakeDeepFolder(const std::string& top) {
    const std::string name(200, 'd');
    std::string path = top;
    const int fd = ::open(top.c_str(), O_RDONLY | O_DIRECTORY);
    int folder = fd;
    while (path.size() <= PATH_MAX) {
        ::mkdirat(folder, name.c_str(), 0700);
        const int next = ::openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY);
        ::close(folder);
        folder = next;
        path += "/" + name;
    }
    const int file = ::openat(folder, "L1.txt", O_WRONLY | O_CREAT, 0600);
    (void)!::write(file, "deep", 4);
    ::close(file);
    ::close(folder);
    return path + "/L1.txt";
}

} // namespace

class ReadFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir Dir;
    std::string In(const std::string& name) const {
        return Dir.filePath(name.c_str()).toStdString();
    }

private slots:
    void initTestCase() {
        const fs::path top = Dir.path().toStdString();
        std::ofstream(top / "plain.txt") << "plain";
        std::ofstream(top / "private.txt") << "private";
        fs::permissions(top / "private.txt", fs::perms::none);
        fs::create_directories(top / "real" / "sub");
        std::ofstream(top / "real" / "beside.txt") << "through the link";
        fs::create_directory_symlink(top / "real" / "sub", top / "link");
        fs::create_symlink(top / "plain.txt", top / "to-plain");
        fs::create_symlink(top / "loop", top / "loop");
        ::mkfifo(In("pipe").c_str(), 0600);
    }

    // QTemporaryDir cannot remove a path longer than PATH_MAX; rm walks it folder by folder.
    void cleanupTestCase() { QCOMPARE(std::system(("rm -rf '" + In("") + "'").c_str()), 0); }

    // A path is taken as the kernel resolves it: "link/../beside.txt" is the file beside the
    // link's target, not a file beside the link.
    void readsOrSaysWhy_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<FinalLink>("link");
        QTest::addColumn<ReadFailure>("failure");
        QTest::addColumn<QByteArray>("bytes");
        const auto row = [this](const char* name, const std::string& path, FinalLink link,
                                ReadFailure failure, const QByteArray& bytes = {}) {
            QTest::newRow(name) << QString::fromStdString(path) << link << failure << bytes;
        };
        row("regular file", In("plain.txt"), FinalLink::Follow, ReadFailure::None, "plain");
        row("through a link and ..", In("link/../beside.txt"), FinalLink::Follow, ReadFailure::None,
            "through the link");
        row("deeper than PATH_MAX", MakeDeepFolder(In("")), FinalLink::Follow, ReadFailure::None,
            "deep");
        row("link followed", In("to-plain"), FinalLink::Follow, ReadFailure::None, "plain");
        row("link refused", In("to-plain"), FinalLink::Refuse, ReadFailure::NotRegularFile);
        row("missing", In("absent.txt"), FinalLink::Follow, ReadFailure::DoesNotExist);
        row("file as a folder", In("plain.txt/L1.txt"), FinalLink::Follow,
            ReadFailure::DoesNotExist);
        row("folder", In("real"), FinalLink::Follow, ReadFailure::Folder);
        row("named pipe", In("pipe"), FinalLink::Follow, ReadFailure::NotRegularFile);
        row("device", "/dev/null", FinalLink::Follow, ReadFailure::NotRegularFile);
        row("no read permission", In("private.txt"), FinalLink::Follow,
            ReadFailure::PermissionRefused);
        row("name too long", In(std::string(300, 'n')), FinalLink::Follow,
            ReadFailure::PathTooLong);
        row("circle of links", In("loop"), FinalLink::Follow, ReadFailure::TooManyLinks);
    }

    void readsOrSaysWhy() {
        QFETCH(QString, path);
        QFETCH(FinalLink, link);
        QFETCH(ReadFailure, failure);
        QFETCH(QByteArray, bytes);
        // The superuser reads any file: the permission case runs as another user then.
        const bool asOther = ::geteuid() == 0 && failure == ReadFailure::PermissionRefused;
        if (asOther)
            QCOMPARE(::seteuid(65534), 0);
        const FileStart start = ReadFileStart(path.toStdString(), 100, link);
        if (asOther)
            QCOMPARE(::seteuid(0), 0);
        QCOMPARE(start.failure, failure);
        QCOMPARE(QByteArray::fromStdString(start.bytes), bytes);
    }
};

QTEST_APPLESS_MAIN(ReadFileTest)
#include "test_read_file.moc"
