#include "tests/support/ScriptedAnswerer.h"

ScriptedAnswerer::ScriptedAnswerer() {
    SetModalAnswerer(this);
}

ScriptedAnswerer::~ScriptedAnswerer() {
    SetModalAnswerer(nullptr);
}

QMessageBox::StandardButton ScriptedAnswerer::AnswerMessageBox(QWidget*,
                                                               const MessageBoxRequest& request) {
    Boxes.push_back(request);
    if (!BoxAnswers.empty()) {
        const QMessageBox::StandardButton answer = BoxAnswers.front();
        BoxAnswers.pop_front();
        return answer;
    }
    if (request.buttons == QMessageBox::Ok)
        return QMessageBox::Ok;
    Unanswered = true;
    return QMessageBox::Cancel;
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
