#include "levelset/Escape.h"

#include "level/Counted.h"

namespace {

unsigned ByteAt(std::string_view text, std::size_t index) {
    return index < text.size() ? static_cast<unsigned char>(text[index]) : 0u;
}

// The length of the well-formed UTF-8 sequence at text[at] that encodes a character above
// U+007F, or 0 when there is none.
int Utf8SequenceLength(std::string_view text, std::size_t at) {
    const unsigned lead = ByteAt(text, at);
    const int length = lead >= 0xC2 && lead <= 0xDF   ? 2
                       : lead >= 0xE0 && lead <= 0xEF ? 3
                       : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                      : 0;
    // The second byte's range excludes overlong forms, surrogates and values past U+10FFFF.
    const unsigned low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (length == 0 || ByteAt(text, at + 1) < low || ByteAt(text, at + 1) > high)
        return 0;
    for (int i = 2; i < length; ++i)
        if ((ByteAt(text, at + i) & 0xC0) != 0x80)
            return 0;
    return length;
}

char32_t DecodeUtf8(std::string_view text, std::size_t at, int length) {
    char32_t character = ByteAt(text, at) & (0x7Fu >> length);
    for (int i = 1; i < length; ++i)
        character = character << 6 | (ByteAt(text, at + i) & 0x3Fu);
    return character;
}

// Characters that move or reorder what a terminal shows after them.
bool ReordersOrBreaksLines(char32_t character) {
    return (character >= 0x80 && character <= 0x9F) || character == 0x061C || character == 0x200E ||
           character == 0x200F || (character >= 0x2028 && character <= 0x202E) ||
           (character >= 0x2066 && character <= 0x2069);
}

// The text with each of the characters written as "%" and two hex digits.
std::string PercentEncoded(std::string_view text, std::string_view characters) {
    std::string encoded;
    for (const char character : text)
        encoded += characters.find(character) == std::string_view::npos
                       ? std::string(1, character)
                       : Printed("%%%02X", static_cast<unsigned char>(character));
    return encoded;
}

} // namespace

std::string TerminalText(std::string_view text) {
    std::string safe;
    safe.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const unsigned byte = ByteAt(text, at);
        if (byte >= 0x20 && byte < 0x7F) {
            safe += static_cast<char>(byte);
            ++at;
        } else if (const int length = Utf8SequenceLength(text, at)) {
            const char32_t character = DecodeUtf8(text, at, length);
            if (ReordersOrBreaksLines(character))
                safe += Printed("\\u%04X", static_cast<unsigned>(character));
            else
                safe.append(text, at, static_cast<std::size_t>(length));
            at += static_cast<std::size_t>(length);
        } else {
            safe += Printed("\\x%02X", byte);
            ++at;
        }
    }
    return safe;
}

std::string JsonString(std::string_view text) {
    std::string json = "\"";
    for (std::size_t at = 0; at < text.size();) {
        const unsigned byte = ByteAt(text, at);
        if (byte == '"' || byte == '\\') {
            json += '\\';
            json += static_cast<char>(byte);
            ++at;
        } else if (byte < 0x20) {
            json += Printed("\\u%04x", byte);
            ++at;
        } else if (byte < 0x80) {
            json += static_cast<char>(byte);
            ++at;
        } else if (const int length = Utf8SequenceLength(text, at)) {
            json.append(text, at, static_cast<std::size_t>(length));
            at += static_cast<std::size_t>(length);
        } else {
            json += "\\ufffd";
            ++at;
        }
    }
    return json + "\"";
}

std::string AnnotationMessage(std::string_view text) {
    return PercentEncoded(TerminalText(text), "%");
}

std::string AnnotationProperty(std::string_view text) {
    return PercentEncoded(TerminalText(text), "%,:");
}
