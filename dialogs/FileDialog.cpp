#include "dialogs/FileDialog.h"

#include "dialogs/ModalAnswerer.h"
#include "files/FileSystem.h"

std::optional<std::string> ChooseFile(QWidget* owner, bool open,
                                      const std::string& defaultExtension,
                                      const QStringList& nameFilters) {
    const FileDialogRequest request{open, defaultExtension, !open, nameFilters,
                                    GetCurrentDirectory()};
    const auto chosen = CurrentModalAnswerer().AnswerFileDialog(owner, request);
    if (!chosen)
        return std::nullopt;
    // A name typed where the dialog showed no folder comes back relative; it is fixed now, before
    // anything moves the current directory.
    const std::string path = AbsolutePath(*chosen);
    if (path.empty())
        return std::nullopt;
    SetCurrentDirectory(FolderOfPath(path));
    return path;
}
