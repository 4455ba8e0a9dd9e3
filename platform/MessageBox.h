#pragma once
#include <string>

class QWidget;

// A modal message box owned by `owner`, with the button set and icon that `flags` name.
// Returns the button pressed; closing a Yes/No/Cancel box counts as IDCANCEL.
int MessageBox(QWidget* owner, const std::string& text, const std::string& caption, unsigned flags);
