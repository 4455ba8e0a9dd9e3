#pragma once
#include <QStringList>
#include <optional>
#include <string>

class QWidget;

// Runs an Open dialog (`open`) or a Save As dialog, which asks before it replaces a file, owned
// by `owner`. It starts in the current directory; a file accepted in another folder makes that
// folder the current directory. `nameFilters` as Qt writes them ("Levels (*.txt)") are shown as
// written; "*.*" matches every file. Returns the absolute path of the file accepted, or nothing.
std::optional<std::string> ChooseFile(QWidget* owner, bool open,
                                      const std::string& defaultExtension,
                                      const QStringList& nameFilters);
