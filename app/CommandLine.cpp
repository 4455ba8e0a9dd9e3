#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <filesystem>
#include <system_error>

namespace {

// Qt turns bytes that are not valid text into U+FFFD; a file name keeps the bytes it was given.
std::string ArgumentBytes(const QString& argument, int argc, char* argv[]) {
    for (int index = argc - 1; index > 0; --index)
        if (QString::fromLocal8Bit(argv[index]) == argument)
            return argv[index];
    return argument.toLocal8Bit().toStdString();
}

QStringList ArgumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    return arguments;
}

// The editor changes the current directory as it starts, so a relative name is made absolute
// first, by putting the current folder before it. It is never shortened as text: "link/../L5.txt"
// names what the kernel finds through the link.
std::string AbsolutePath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

CommandLine UsageError(const QCommandLineParser& parser, const QString& message) {
    const QString program = QCoreApplication::applicationName();
    return {2,
            {},
            (program + QStringLiteral(": ") + message + '\n' + parser.helpText())
                .toLocal8Bit()
                .toStdString(),
            std::nullopt};
}

CommandLine ReadArguments(int argc, char* argv[]) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Paints the levels of Zapmaze, checks them and saves them."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and ends."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version and ends."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(QStringLiteral("LEVEL_FILE"),
                                 QStringLiteral("A level file to open at start."),
                                 QStringLiteral("[LEVEL_FILE]"));
    if (!parser.parse(ArgumentsOf(argc, argv)))
        return UsageError(parser, parser.errorText());
    if (parser.isSet(help))
        return {0, parser.helpText().toLocal8Bit().toStdString(), {}, std::nullopt};
    if (parser.isSet(version))
        return {0, std::string(VersionText) + '\n', {}, std::nullopt};
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return UsageError(parser, QStringLiteral("Give at most one level file."));
    if (files.isEmpty())
        return {};
    if (files.first().isEmpty())
        return UsageError(parser, QStringLiteral("The level file name is empty."));
    return {std::nullopt, {}, {}, AbsolutePath(ArgumentBytes(files.first(), argc, argv))};
}

} // namespace

CommandLine ReadCommandLine(int argc, char* argv[]) {
    if (QCoreApplication::instance())
        return ReadArguments(argc, argv);
    // The help's usage line names the program as it was started, which Qt learns from here.
    QCoreApplication parsing(argc, argv);
    return ReadArguments(argc, argv);
}
