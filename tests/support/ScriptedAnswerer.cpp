#include "tests/support/ScriptedAnswerer.h"

#include "platform/Win32.h"

ScriptedAnswerer::ScriptedAnswerer() {
    SetModalAnswerer(this);
}

ScriptedAnswerer::~ScriptedAnswerer() {
    SetModalAnswerer(nullptr);
}

int ScriptedAnswerer::AnswerMessageBox(QWidget*, const MessageBoxRequest& request) {
    Boxes.push_back(request);
    if (!BoxAnswers.empty()) {
        const int answer = BoxAnswers.front();
        BoxAnswers.pop_front();
        return answer;
    }
    if ((request.flags & MB_TYPEMASK) == MB_OK)
        return IDOK;
    Unanswered = true;
    return IDCANCEL;
}

std::optional<std::string> ScriptedAnswerer::AnswerFileDialog(QWidget*,
                                                              const FileDialogRequest& request) {
    FileDialogs.push_back(request);
    if (FileAnswers.empty())
        return std::nullopt;
    auto answer = FileAnswers.front();
    FileAnswers.pop_front();
    return answer;
}
