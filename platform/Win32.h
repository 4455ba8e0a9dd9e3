#pragma once
// The values that the program's dialogs exchange with the platform: message-box flags and
// results, file-dialog flags, mouse key-state flags and colours.
#include <cstdint>

// Message-box flags.
constexpr unsigned MB_OK = 0x0000;
constexpr unsigned MB_YESNOCANCEL = 0x0003;
constexpr unsigned MB_YESNO = 0x0004;
constexpr unsigned MB_ICONQUESTION = 0x0020;
constexpr unsigned MB_ICONEXCLAMATION = 0x0030;
constexpr unsigned MB_ICONINFORMATION = 0x0040;
constexpr unsigned MB_TYPEMASK = 0x000F;
constexpr unsigned MB_ICONMASK = 0x00F0;

// Dialog and message-box results.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// File-dialog flags.
constexpr unsigned OFN_OVERWRITEPROMPT = 0x0002;
constexpr unsigned OFN_HIDEREADONLY = 0x0004;
constexpr unsigned OFN_PATHMUSTEXIST = 0x0800;

// Key-state flags of mouse messages: the buttons held and the Ctrl key.
constexpr unsigned MK_LBUTTON = 0x0001;
constexpr unsigned MK_RBUTTON = 0x0002;
constexpr unsigned MK_CONTROL = 0x0008;

// A colour as 0x00BBGGRR.
using COLORREF = std::uint32_t;
constexpr COLORREF RGB(unsigned red, unsigned green, unsigned blue) {
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}
constexpr unsigned GetRValue(COLORREF colour) {
    return colour & 0xFF;
}
constexpr unsigned GetGValue(COLORREF colour) {
    return (colour >> 8) & 0xFF;
}
constexpr unsigned GetBValue(COLORREF colour) {
    return (colour >> 16) & 0xFF;
}

// A rectangle with right and bottom exclusive.
struct RECT {
    int left, top, right, bottom;
};
