#pragma once
// Text that names files, made safe for where it is printed: a terminal line, a JSON string, a
// workflow annotation. A file name may hold any byte but "/" and NUL, so a name with a newline or
// an escape sequence must not be able to forge a finding line or rewrite the terminal.
#include <string>
#include <string_view>

// The text as one terminal line: control characters (C0, DEL and C1), the bidirectional
// embeddings, overrides, isolates and marks, the line and paragraph separators and bytes that are
// not UTF-8 are written as \xHH (a byte) or \uHHHH (a character); everything else is kept.
std::string TerminalText(std::string_view text);

// The text as a JSON string, quotes included. Bytes that are not UTF-8 become U+FFFD.
std::string JsonString(std::string_view text);

// The text as the message of a workflow annotation (after "::"): terminal-safe, so that no line
// end remains, with "%" escaped as the annotation format wants.
std::string AnnotationMessage(std::string_view text);

// The text as a property value of a workflow annotation (file=...): as a message, with "," and
// ":" also escaped, which would end the property.
std::string AnnotationProperty(std::string_view text);
