#include "dialogs/PathText.h"

#include "files/FileSystem.h"

QString PathToQt(const std::string& path) {
    return QString::fromLocal8Bit(path);
}

std::string PathFromQt(const QString& shown, const std::string& known) {
    const QString knownText = PathToQt(known);
    if (!known.empty() && shown == knownText)
        return known;
    const QString below = knownText.endsWith(QLatin1Char(PathSeparator))
                              ? knownText
                              : knownText + QLatin1Char(PathSeparator);
    if (!known.empty() && shown.startsWith(below))
        return JoinPath(known, shown.mid(below.size()).toLocal8Bit().toStdString());
    return shown.toLocal8Bit().toStdString();
}
