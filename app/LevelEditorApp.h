#pragma once

// The application: runs the editor window modally; the process ends when it closes.
class CLevelEditorApp {
public:
    // Always false: there is no message loop after the editor window.
    bool InitInstance();
};
