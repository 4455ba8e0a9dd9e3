#pragma once
// Making the application object, which connects to the display through Qt's platform plugin.
// Qt ends a program whose platform cannot start with an abort after several lines of its own;
// the editor says in one line that it has no display and ends with status 1 instead.
#include <QApplication>
#include <memory>

// The application object for argc and argv, which Qt takes its own options out of. Does not
// return when no display can be opened.
std::unique_ptr<QApplication> OpenApplication(int& argc, char* argv[]);
