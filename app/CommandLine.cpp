#include "app/CommandLine.h"

#include "files/FileSystem.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace {

// Options that every Qt program takes and that the application object consumes (with one or
// two dashes): those followed by a value, those that stand alone, and those that also take
// their value as -option=VALUE.
constexpr std::array QtOptionsWithValue{
    "platform", "platformpluginpath", "platformtheme", "plugin",      "qwindowgeometry",
    "geometry", "qwindowtitle",       "title",         "qwindowicon", "icon",
    "style",    "stylesheet",         "session",       "display",     "name",
    "visual",   "qmljsdebugger"};
constexpr std::array QtFlags{"reverse", "widgetcount", "sync", "nograb", "dograb", "testability"};
constexpr std::array QtOptionsWithJoinedValue{"style", "stylesheet", "qmljsdebugger"};

// The name of an argument spelt -name or --name; empty for anything else.
QString QtOptionName(const QString& argument) {
    if (argument.startsWith(QStringLiteral("--")))
        return argument.mid(2);
    return argument.startsWith('-') ? argument.mid(1) : QString();
}

bool IsOneOf(const QString& name, const auto& names) {
    return std::any_of(names.begin(), names.end(),
                       [&](const char* candidate) { return name == QLatin1String(candidate); });
}

// The arguments without Qt's own options and their values, which QApplication takes later.
QStringList WithoutQtOptions(const QStringList& arguments) {
    QStringList remaining;
    for (qsizetype index = 0; index < arguments.size(); ++index) {
        const QString name = QtOptionName(arguments[index]);
        if (IsOneOf(name, QtOptionsWithValue))
            ++index;
        else if (!IsOneOf(name, QtFlags) &&
                 !(name.contains('=') &&
                   IsOneOf(name.section('=', 0, 0), QtOptionsWithJoinedValue)))
            remaining.append(arguments[index]);
    }
    return remaining;
}

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
// first; one that cannot be (the current folder has no name) is kept as it was given.
std::string LevelFileArgument(const std::string& given) {
    const std::string absolute = AbsolutePath(given);
    return absolute.empty() ? given : absolute;
}

CommandLine UsageError(const QCommandLineParser& parser, const QString& message) {
    const QString text = QCoreApplication::applicationName() + QStringLiteral(": ") + message +
                         '\n' + parser.helpText();
    return {2, {}, text.toLocal8Bit().toStdString(), std::nullopt};
}

CommandLine ReadArguments(int argc, char* argv[]) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Paints the levels of Zapmaze, checks them and saves them.\n"
                       "Also takes Qt's own options, such as -platform, -display, -style and\n"
                       "-geometry (see zapmaze-editor(1))."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and ends."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version and ends."));
    const QCommandLineOption configFolder(
        QStringLiteral("config-folder"),
        QStringLiteral("Starts in the folder $XDG_CONFIG_HOME/zapmaze-editor (by default "
                       "~/.config/zapmaze-editor), made private to the user when missing, so "
                       "that settings.dat is kept there rather than in the folder the editor was "
                       "started in. The desktop menu starts the editor so."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(configFolder);
    parser.addPositionalArgument(QStringLiteral("LEVEL_FILE"),
                                 QStringLiteral("A level file to open at start."),
                                 QStringLiteral("[LEVEL_FILE]"));
    if (!parser.parse(WithoutQtOptions(ArgumentsOf(argc, argv))))
        return UsageError(parser, parser.errorText());
    if (parser.isSet(help))
        return {0, parser.helpText().toLocal8Bit().toStdString(), {}, std::nullopt};
    if (parser.isSet(version))
        return {0, std::string(VersionText) + '\n', {}, std::nullopt};
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return UsageError(parser, QStringLiteral("Give at most one level file."));
    CommandLine commandLine;
    commandLine.configFolder = parser.isSet(configFolder);
    if (files.isEmpty())
        return commandLine;
    if (files.first().isEmpty())
        return UsageError(parser, QStringLiteral("The level file name is empty."));
    commandLine.levelPath = LevelFileArgument(ArgumentBytes(files.first(), argc, argv));
    return commandLine;
}

} // namespace

CommandLine ReadCommandLine(int argc, char* argv[]) {
    if (QCoreApplication::instance())
        return ReadArguments(argc, argv);
    // The help's usage line names the program as it was started, which Qt learns from here.
    QCoreApplication parsing(argc, argv);
    return ReadArguments(argc, argv);
}
