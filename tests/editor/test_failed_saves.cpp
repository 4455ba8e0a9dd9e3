// Saves that cannot be written: a read-only file, a folder that takes no new files, a missing
// folder and a write that fails part-way. Each is reported, keeps the level marked as changed,
// keeps the path and title, leaves the previous file as it was, and ends the command.
// The failures are real for the superuser too, since the tests may run as root.
#include "tests/editor/DocumentFixtures.h"

#include "files/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <linux/fs.h>
#include <optional>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const std::string Unchanged = ". File not saved; the file on disk is unchanged.";
const std::string NothingWritten = ". File not saved; nothing was written.";

// `why` is the reason and what became of the file, as the box says them after the path.
std::string SaveFailedText(const std::string& path, const std::string& why) {
    return "The level could not be written to " + path + ": " + why;
}

bool SetImmutable(const std::string& folder, bool immutable) {
    const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (descriptor < 0)
        return false;
    int flags = 0;
    bool done = ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = immutable ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = ioctl(descriptor, FS_IOC_SETFLAGS, &flags) == 0;
    }
    close(descriptor);
    return done;
}

// Makes a folder refuse new entries while the object lives: through its permission bits for an
// ordinary user, through the immutable attribute for the superuser, whom permission bits do not
// stop.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(std::string folder) : Folder(std::move(folder)) {
        if (geteuid() == 0)
            Immutable = SetImmutable(Folder, true);
        else
            QFile::setPermissions(QString::fromLocal8Bit(Folder),
                                  QFile::ReadOwner | QFile::ExeOwner);
    }
    ~ReadOnlyFolder() {
        if (Immutable)
            SetImmutable(Folder, false);
        QFile::setPermissions(QString::fromLocal8Bit(Folder),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    // Whether a new file really cannot be made there.
    bool Holds() const {
        const std::string probe = Folder + "/probe";
        const int descriptor = open(probe.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0600);
        if (descriptor < 0)
            return true;
        close(descriptor);
        unlink(probe.c_str());
        return false;
    }

private:
    std::string Folder;
    bool Immutable = false;
};

// Limits the size of any file this process writes, so that a longer write stops part-way with
// an error, for every user. The signal that such a write raises is ignored meanwhile.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &Previous);
        PreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, Previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &Previous);
        std::signal(SIGXFSZ, PreviousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit Previous{};
    void (*PreviousHandler)(int) = nullptr;
};

QStringList EntriesIn(const std::string& folder) {
    return QDir(QString::fromLocal8Bit(folder))
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// An editor whose level was loaded from a complete level file and then edited into a level
// that passes the save checks.
struct EditedLevelWithAFile {
    explicit EditedLevelWithAFile(const std::string& name = "L1.txt") : Path(Harness.PathIn(name)) {
        WriteBytes(Path, PreviousFile());
        LoadThroughButton(Harness, Answerer, Path);
        MakePlayableLevel(Harness.Editor());
        Title = WindowTitle(Harness.Editor());
    }

    // The save failed and was reported; the level, its path and title and the file are kept.
    void VerifyFailureKeptEverything(const std::string& failedPath, const std::string& why) {
        CLevelEditorDlg& editor = Harness.Editor();
        QVERIFY(!Answerer.Boxes.empty());
        const MessageBoxRequest& box = Answerer.Boxes.back();
        QCOMPARE(box.text, SaveFailedText(failedPath, why));
        QCOMPARE(box.caption, std::string("Save Failed"));
        QCOMPARE(KindOf(box), WarningBox);
        QVERIFY(editor.Document().IsModified());
        QCOMPARE(editor.Document().Path(), Path);
        QCOMPARE(WindowTitle(editor), Title);
        QCOMPARE(ReadBytes(Path), PreviousFile());
    }

    EditorHarness Harness;
    ScriptedAnswerer Answerer;
    std::string Path;
    std::string Title;
};

} // namespace

class FailedSavesTest : public QObject {
    Q_OBJECT

private slots:
    void readOnlyFileIsKept() {
        EditedLevelWithAFile level;
        QFile::setPermissions(QString::fromLocal8Bit(level.Path), QFile::ReadOwner);
        level.Harness.ClickControl("saveButton");
        level.VerifyFailureKeptEverything(level.Path, "the file is read-only" + Unchanged);
        QCOMPARE(level.Answerer.Boxes.size(), std::size_t(1));
        QVERIFY(!level.Harness.Editor().SaveLevel());
    }

    // The level file itself is writable, so it is written in place.
    void folderTakingNoNewFilesGetsTheFileWrittenInPlace() {
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        const std::string folder = harness.PathIn("levels");
        QDir().mkpath(QString::fromLocal8Bit(folder));
        const std::string path = JoinPath(folder, "L2.txt");
        WriteBytes(path, PreviousFile());
        LoadThroughButton(harness, answerer, path);
        MakePlayableLevel(editor);
        const std::string title = WindowTitle(editor);

        ReadOnlyFolder readOnly(folder);
        if (!readOnly.Holds())
            QSKIP("this file system cannot make a folder read-only for this user");
        harness.ClickControl("saveButton");

        QCOMPARE(answerer.Boxes.size(), std::size_t(0));
        QVERIFY(!editor.Document().IsModified());
        QCOMPARE(editor.Document().Path(), path);
        QCOMPARE(WindowTitle(editor), title);
        QCOMPARE(ReadBytes(path), LevelBytes(editor.Document().Grid()));
        QCOMPARE(EntriesIn(folder), QStringList{"L2.txt"});
        harness.ClickControl("saveButton"); // the file written in place is the editor's own
        QCOMPARE(answerer.Boxes.size(), std::size_t(0));
    }

    // In place, the 221 bytes would overwrite the previous file's first 100 and stop there.
    void writeFailingPartWayKeepsThePreviousFile_data() {
        QTest::addColumn<bool>("inPlace");
        QTest::newRow("through a new file") << false;
        QTest::newRow("in place") << true;
    }

    void writeFailingPartWayKeepsThePreviousFile() {
        QFETCH(bool, inPlace);
        EditedLevelWithAFile level;
        const rlim_t limit = 100;
        {
            FileSizeLimit sizeLimit(limit);
            // The condition itself: a level's 221 bytes stop after the first 100.
            const std::string sample = level.Harness.PathIn("sample");
            std::ofstream(sample, std::ios::binary)
                << LevelText(level.Harness.Editor().Document().Grid());
            QCOMPARE(ReadBytes(sample).size(), qsizetype(limit));
            QFile::remove(QString::fromLocal8Bit(sample));
            std::optional<ReadOnlyFolder> readOnly;
            if (inPlace && !readOnly.emplace(level.Harness.Folder()).Holds())
                QSKIP("this file system cannot make a folder read-only for this user");

            level.Harness.ClickControl("saveButton");
        }
        level.VerifyFailureKeptEverything(
            level.Path,
            "the file would be larger than this process may write (ulimit -f)" + Unchanged);
        QCOMPARE(EntriesIn(level.Harness.Folder()), QStringList{"L1.txt"});
    }

    void saveAsFailureRestoresThePathAndTitle_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("why");
        const QString none = QString::fromStdString(NothingWritten);
        QTest::newRow("missing folder") << "missing/L3.txt"
                                        << "its folder does not exist" + none;
        QTest::newRow("folder that is a file") << "plain/L3.txt"
                                               << "its folder does not exist" + none;
        QTest::newRow("folder standing at the target") << "L3.txt"
                                                       << "a folder stands at that name" + none;
        QTest::newRow("read-only file system") << "/proc/L3.txt"
                                               << "its folder takes no new files" + none;
    }

    void saveAsFailureRestoresThePathAndTitle() {
        QFETCH(QString, target);
        QFETCH(QString, why);
        EditedLevelWithAFile level;
        WriteBytes(level.Harness.PathIn("plain"), "a file");
        QDir().mkpath(QString::fromLocal8Bit(level.Harness.PathIn("L3.txt")));
        const std::string chosen = target.startsWith('/')
                                       ? target.toStdString()
                                       : level.Harness.PathIn(target.toStdString());

        level.Answerer.ChooseFile(chosen);
        level.Harness.ClickControl("saveAsButton");

        level.VerifyFailureKeptEverything(chosen, why.toStdString());
        QCOMPARE(level.Answerer.Boxes.size(), std::size_t(1)); // no file-name warning either
        level.Answerer.ChooseFile(chosen);
        QVERIFY(!level.Harness.Editor().SaveLevelAs());
        QCOMPARE(level.Harness.Editor().Document().Path(), level.Path);
    }

    void failedWriteStopsNewAndLoad_data() {
        QTest::addColumn<QByteArray>("command");
        QTest::newRow("New") << QByteArray("newButton");
        QTest::newRow("Load") << QByteArray("loadButton");
    }

    void failedWriteStopsNewAndLoad() {
        QFETCH(QByteArray, command);
        EditedLevelWithAFile level;
        CLevelEditorDlg& editor = level.Harness.Editor();
        QFile::setPermissions(QString::fromLocal8Bit(level.Path), QFile::ReadOwner);
        const LevelGrid before = editor.Document().Grid();

        level.Answerer.AnswerBox(QMessageBox::Yes);
        level.Harness.ClickControl(command.constData());

        QCOMPARE(level.Answerer.Boxes.size(), std::size_t(2));
        level.VerifyFailureKeptEverything(level.Path, "the file is read-only" + Unchanged);
        QVERIFY(editor.Document().Grid() == before);
        QCOMPARE(level.Answerer.FileDialogs.size(), std::size_t(1)); // the first Load's only
    }

    void closeAfterAFailedSaveDoesNotLoseTheLevel() {
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        MakePlayableLevel(editor);
        const std::string missing = harness.PathIn("missing/L4.txt");
        answerer.ChooseFile(missing);
        harness.ClickControl("saveAsButton");
        const std::string missingFolder = "its folder does not exist" + NothingWritten;
        QCOMPARE(answerer.Boxes.back().text, SaveFailedText(missing, missingFolder));
        QCOMPARE(editor.Document().Path(), std::string());
        QCOMPARE(WindowTitle(editor), BaseTitle);

        answerer.AnswerBox(QMessageBox::Yes);
        answerer.ChooseFile(missing);
        harness.ClickControl("closeButton");
        QCOMPARE(answerer.Boxes.size(), std::size_t(3));
        QCOMPARE(answerer.Boxes[1].text, PromptWithoutFile);
        QCOMPARE(answerer.Boxes[2].text, SaveFailedText(missing, missingFolder));
        QVERIFY(editor.isVisible());
        QVERIFY(editor.Document().IsModified());
        QVERIFY(!QFile::exists(QString::fromLocal8Bit(harness.SettingsPath())));

        const std::string path = harness.PathIn("L4.txt");
        answerer.AnswerBox(QMessageBox::Yes);
        answerer.ChooseFile(path);
        harness.ClickControl("closeButton");
        QCOMPARE(ReadBytes(path), LevelBytes(editor.Document().Grid()));
        QVERIFY(!editor.isVisible());
        QCOMPARE(ReadBytes(harness.SettingsPath()).size(), 268);
    }
};

QTEST_MAIN(FailedSavesTest)
#include "test_failed_saves.moc"
