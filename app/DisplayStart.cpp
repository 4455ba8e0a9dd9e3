#include "app/DisplayStart.h"

#include "app/CommandLine.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// A message from Qt's platform plugin, held back while the application object is being made.
struct HeldMessage {
    QtMsgType type;
    const char* category; // a logging category's name lives as long as the program
    QString text;
};

QtMessageHandler qtHandler = nullptr;
std::vector<HeldMessage> heldMessages;

bool IsPlatformMessage(const QMessageLogContext& context) {
    return context.category && QByteArrayView(context.category).startsWith("qt.qpa");
}

// Why the platform did not start: the plugin's first message, or else Qt's own.
QString FailureReason(const QString& fatalText) {
    const QString reason =
        (heldMessages.empty() ? fatalText.section('\n', 0, 0) : heldMessages.front().text)
            .trimmed();
    // The X11 plugin names the display that it tried, and none when DISPLAY is unset.
    if (reason == QLatin1String("could not connect to display"))
        return QStringLiteral("DISPLAY is not set");
    return reason;
}

void HoldPlatformMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        const QString line = QStringLiteral("%1: cannot open a display: %2\n")
                                 .arg(QLatin1String(ProgramName), FailureReason(text));
        std::fputs(line.toLocal8Bit().constData(), stderr);
        std::_Exit(1);
    }
    if (IsPlatformMessage(context))
        heldMessages.push_back({type, context.category, text});
    else
        qtHandler(type, context, text);
}

// Gives the held messages to Qt's handler, as a start that succeeded would have shown them.
void ReleaseHeldMessages() {
    qInstallMessageHandler(qtHandler);
    for (const HeldMessage& message : heldMessages)
        qtHandler(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category),
                  message.text);
    heldMessages.clear();
}

} // namespace

std::unique_ptr<QApplication> OpenApplication(int& argc, char* argv[]) {
    qtHandler = qInstallMessageHandler(HoldPlatformMessages);
    auto application = std::make_unique<QApplication>(argc, argv);
    ReleaseHeldMessages();
    return application;
}
