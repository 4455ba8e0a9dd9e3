#pragma once
// Writing a program's text to standard output or standard error so that a failed write (a full
// disk, a closed pipe) is noticed rather than lost: both command-line programs end with an error
// then instead of reporting success.
#include <cstdio>
#include <string>
#include <string_view>

// Writes text to stream and flushes it; false when any of it could not be written.
bool WriteAndFlush(std::FILE* stream, std::string_view text);

// The line that says why the output could not be written, after the program's name, such as
// "zapmaze-levels: cannot write the output: No space left on device\n"; reads errno.
std::string OutputFailedLine(std::string_view program);
