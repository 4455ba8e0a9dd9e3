// Start-up: the time from process start to the editor's first painted frame, and the peak
// memory of the process by then, without and with a level file on the command line. Each run
// starts this program afresh as a child that starts the editor exactly as zapmaze-editor does
// and reports at its first paint; the runs of the two kinds alternate.
//
//   bench_startup [runs]     (default 20 of each kind; QT_QPA_PLATFORM chooses the platform,
//                             offscreen when unset)
#include "app/CommandLine.h"
#include "app/LevelEditorApp.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* ChildFlag = "--child";

long PeakResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// Reports through `fd` once the first paint of a top-level window has been handled.
class FirstPaintReporter : public QObject {
public:
    explicit FirstPaintReporter(int fd) : Fd(fd) {}

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && object->isWidgetType() &&
            static_cast<QWidget*>(object)->isWindow() && !Seen) {
            Seen = true;
            QTimer::singleShot(0, [this] { Report(); });
        }
        return false;
    }

private:
    void Report() {
        const long peak = PeakResidentKilobytes();
        if (write(Fd, &peak, sizeof peak) != sizeof peak)
            std::_Exit(2);
        std::_Exit(0);
    }

    int Fd;
    bool Seen = false;
};

// argv: the program and, optionally, a level file.
int RunChild(int argc, char* argv[], int fd) {
    const CommandLine commandLine = ReadCommandLine(argc, argv);
    QApplication application(argc, argv);
    FirstPaintReporter reporter(fd);
    application.installEventFilter(&reporter);
    CLevelEditorApp editorApp(commandLine.levelPath);
    editorApp.InitInstance();
    return 1;
}

struct Sample {
    double milliseconds;
    long peakKilobytes;
};

bool RunOnce(const char* self, const std::string& levelPath, Sample& sample) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return false;
    char folder[] = "/tmp/zm-startup-XXXXXX";
    if (!mkdtemp(folder))
        return false;
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        close(pipeFds[0]);
        if (chdir(folder) != 0)
            std::_Exit(3);
        const std::string fd = std::to_string(pipeFds[1]);
        const char* level = levelPath.empty() ? nullptr : levelPath.c_str();
        execl(self, self, ChildFlag, fd.c_str(), level, static_cast<char*>(nullptr));
        std::_Exit(4);
    }
    close(pipeFds[1]);
    long peak = -1;
    const bool reported = read(pipeFds[0], &peak, sizeof peak) == sizeof peak;
    const auto end = std::chrono::steady_clock::now();
    close(pipeFds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    rmdir(folder);
    sample = {std::chrono::duration<double, std::milli>(end - start).count(), peak};
    return reported;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A level with bricks, a solid block and all five players, as a designer's file would be.
std::string WriteSampleLevel(const std::string& folder) {
    const std::string path = folder + "/L3.txt";
    std::ofstream file(path, std::ios::binary);
    file << "***************\r\n"
         << "*1  -   -   2 *\r\n"
         << "* -- * - * -- *\r\n"
         << "*   -  3  -   *\r\n"
         << "*4  - * * -  5*\r\n";
    for (int row = 5; row < 12; ++row)
        file << "*             *\r\n";
    file << "***************\r\n";
    return path;
}

struct Series {
    std::vector<double> times, peaks;
    void Add(const Sample& sample) {
        times.push_back(sample.milliseconds);
        peaks.push_back(double(sample.peakKilobytes));
    }
    void Print(const char* kind) const {
        std::printf("start-up to first painted frame, %s (%s, %zu runs): median %.1f ms, min %.1f "
                    "ms; peak memory median %.1f MB\n",
                    kind, std::getenv("QT_QPA_PLATFORM"), times.size(), Median(times),
                    *std::min_element(times.begin(), times.end()), Median(peaks) / 1024.0);
    }
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc >= 3 && std::string(argv[1]) == ChildFlag) {
        const int fd = std::atoi(argv[2]);
        argv[2] = argv[0]; // the child's own command line: the program and an optional file
        return RunChild(argc - 2, argv + 2, fd);
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    char folder[] = "/tmp/zm-startup-level-XXXXXX";
    if (!mkdtemp(folder))
        return 1;
    const std::string levelPath = WriteSampleLevel(folder);
    Series plain, withLevel;
    for (int run = 0; run < runs; ++run) {
        Sample first{}, second{};
        if (!RunOnce("/proc/self/exe", std::string(), first) ||
            !RunOnce("/proc/self/exe", levelPath, second)) {
            std::fprintf(stderr, "run %d: the editor did not report its first frame\n", run);
            return 1;
        }
        plain.Add(first);
        withLevel.Add(second);
    }
    std::remove(levelPath.c_str());
    rmdir(folder);
    plain.Print("no arguments");
    withLevel.Print("with a level file");
    std::printf("with a level file / without: %.0f%%\n",
                100.0 * Median(withLevel.times) / Median(plain.times));
    return 0;
}
