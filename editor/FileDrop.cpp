// A level file dropped on the window opens as a file named on the command line does.
#include "editor/LevelEditorDlg.h"

#include "files/FileSystem.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

bool IsLocal(const QUrl& url) {
    return url.isLocalFile() && (url.host().isEmpty() || url.host() == QLatin1String("localhost"));
}

// The path, in its own bytes, of the one local file that a drag carries; nothing for no file,
// several, a folder or anything elsewhere. The file is only read, so the drag must let it be
// copied: accepting a move would let the program it came from delete it.
std::optional<std::string> DraggedFilePath(const QDropEvent& event) {
    const QMimeData* data = event.mimeData();
    if (!data || data->urls().size() != 1 || !event.possibleActions().testFlag(Qt::CopyAction) ||
        !IsLocal(data->urls().first()))
        return std::nullopt;
    const QByteArray encoded = data->urls().first().path(QUrl::FullyEncoded).toLatin1();
    const std::string path = QByteArray::fromPercentEncoding(encoded).toStdString();
    if (path.empty() || IsExistingDirectory(path))
        return std::nullopt;
    return path;
}

} // namespace

void CLevelEditorDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (!DraggedFilePath(*event))
        return event->ignore();
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

// The boxes that opening may show wait until the drop has ended, so that the program the file
// came from is not held up while they are answered.
void CLevelEditorDlg::dropEvent(QDropEvent* event) {
    const std::optional<std::string> path = DraggedFilePath(*event);
    if (!path)
        return event->ignore();
    event->setDropAction(Qt::CopyAction);
    event->accept();
    QMetaObject::invokeMethod(
        this, [this, path = *path] { OpenNamedLevel(path); }, Qt::QueuedConnection);
}
