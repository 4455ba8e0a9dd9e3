#pragma once
#include <QMessageBox>
#include <string>

// A modal message box owned by `owner`, with `buttons` and `icon`. Its first button (Yes, else
// OK) is the default one; Escape and the close box answer Cancel, also on a Yes/No box, so that
// closing a question never answers No. Returns the button pressed.
QMessageBox::StandardButton MessageBox(QWidget* owner, const std::string& text,
                                       const std::string& caption,
                                       QMessageBox::StandardButtons buttons,
                                       QMessageBox::Icon icon);
