#pragma once
// Paths are bytes, and need not be valid UTF-8; Qt shows them as text, in which such bytes
// become U+FFFD and so name another file. Whoever shows a path keeps its bytes beside the text
// and turns the text back into bytes here.
#include <QString>
#include <string>

QString PathToQt(const std::string& path);

// The path that `shown` stands for, given the bytes `known` of a path that was shown: `known`
// itself while the text is still the one shown for it, `known` followed by the rest of the text
// when the text goes on below it, and otherwise the text's own bytes.
std::string PathFromQt(const QString& shown, const std::string& known);
