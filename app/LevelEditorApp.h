#pragma once
// The application: shows the editor as its main window and runs until that window closes.
#include <optional>
#include <string>

class CLevelEditorApp {
public:
    // `levelPath`: an absolute path of a level file to open once the editor has started.
    // `homeFolder`: where the editor works when the settings name no level directory.
    explicit CLevelEditorApp(std::optional<std::string> levelPath = std::nullopt,
                             std::string homeFolder = {});

    // Always false: the process ends when the editor window has closed.
    bool InitInstance();

private:
    std::optional<std::string> LevelPath;
    std::string HomeFolder;
};
