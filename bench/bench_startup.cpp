// Start-up: the time from process start to the editor's first painted frame, and the peak
// memory of the process by then. Each run starts this program afresh as a child that starts
// the editor exactly as zapmaze-editor does and reports at its first paint.
//
//   bench_startup [runs]     (default 20; QT_QPA_PLATFORM chooses the platform, offscreen
//                             when unset)
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

int RunChild(int argc, char* argv[], int fd) {
    QApplication application(argc, argv);
    FirstPaintReporter reporter(fd);
    application.installEventFilter(&reporter);
    CLevelEditorApp editorApp;
    editorApp.InitInstance();
    return 1;
}

struct Sample {
    double milliseconds;
    long peakKilobytes;
};

bool RunOnce(const char* self, Sample& sample) {
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
        execl(self, self, ChildFlag, fd.c_str(), static_cast<char*>(nullptr));
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

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && std::string(argv[1]) == ChildFlag)
        return RunChild(1, argv, std::atoi(argv[2]));
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    std::vector<double> times, peaks;
    for (int run = 0; run < runs; ++run) {
        Sample sample{};
        if (!RunOnce("/proc/self/exe", sample)) {
            std::fprintf(stderr, "run %d: the editor did not report its first frame\n", run);
            return 1;
        }
        times.push_back(sample.milliseconds);
        peaks.push_back(double(sample.peakKilobytes));
    }
    std::printf("start-up to first painted frame (%s, %d runs): median %.1f ms, min %.1f ms\n",
                std::getenv("QT_QPA_PLATFORM"), runs, Median(times),
                *std::min_element(times.begin(), times.end()));
    std::printf("peak resident memory at first frame: median %.1f MB\n", Median(peaks) / 1024.0);
    return 0;
}
