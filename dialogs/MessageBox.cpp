#include "dialogs/MessageBox.h"

#include "dialogs/ModalAnswerer.h"

QMessageBox::StandardButton MessageBox(QWidget* owner, const std::string& text,
                                       const std::string& caption,
                                       QMessageBox::StandardButtons buttons,
                                       QMessageBox::Icon icon) {
    return CurrentModalAnswerer().AnswerMessageBox(owner, {text, caption, buttons, icon});
}
