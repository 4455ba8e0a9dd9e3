#include "app/AbruptEnd.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QThread>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr int WatchedSignals[] = {SIGTERM, SIGHUP, SIGINT};
// What Qt's X11 plugin says just before it ends the process over a broken connection.
constexpr char LostDisplayMessage[] = "The X11 connection broke";

// A signal handler may do little safely: it writes the signal's number into a pipe, and the
// window's event loop reads it from there.
int SignalPipe[2] = {-1, -1};
std::function<void()> Preserve;
QtMessageHandler PreviousMessageHandler = nullptr;

void NoteSignal(int signal) {
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(SignalPipe[1], &number, 1);
    errno = savedErrno;
}

void EndBySignal() {
    unsigned char number = 0;
    if (::read(SignalPipe[0], &number, 1) != 1)
        return;
    Preserve();
    std::signal(number, SIG_DFL);
    std::raise(number);
}

bool IsWindowThread() {
    return QCoreApplication::instance() &&
           QThread::currentThread() == QCoreApplication::instance()->thread();
}

// Qt reports the broken connection and then ends the process from within its event loop, so
// the level is written here, synchronously, before the message goes on to be printed.
void WatchMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String(LostDisplayMessage)) && IsWindowThread())
        Preserve();
    PreviousMessageHandler(type, context, message);
}

} // namespace

AbruptEndWatch::AbruptEndWatch(std::function<void()> preserve) {
    Preserve = std::move(preserve);
    PreviousMessageHandler = qInstallMessageHandler(WatchMessages);
    if (::pipe2(SignalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    Notifier = new QSocketNotifier(SignalPipe[0], QSocketNotifier::Read);
    QObject::connect(Notifier, &QSocketNotifier::activated, Notifier, [] { EndBySignal(); });
    struct sigaction action {};
    action.sa_handler = NoteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : WatchedSignals)
        ::sigaction(signal, &action, nullptr);
}

AbruptEndWatch::~AbruptEndWatch() {
    for (const int signal : WatchedSignals)
        std::signal(signal, SIG_DFL);
    qInstallMessageHandler(PreviousMessageHandler);
    delete Notifier;
    for (int& fd : SignalPipe)
        if (fd >= 0)
            ::close(std::exchange(fd, -1));
    Preserve = nullptr;
}
