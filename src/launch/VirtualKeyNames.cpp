#include "VirtualKeyNames.h"

#include <array>

namespace {

// Built the way the layout answers for each code's scan code. The page, end, home, arrow, insert
// and delete keys carry the names of the extended keys, not of their numeric-keypad twins. Codes
// whose scan code names a different key on this layout (Clear is the keypad 5, the right-hand
// modifiers are the plain modifiers, the 102nd key is the backslash, the media keys fall on letter
// keys) stay unnamed, so that every name in the table stands for one code.
constexpr std::array<std::string_view, 256> makeNames() {
    std::array<std::string_view, 256> n{};
    n[8] = "Backspace";
    n[9] = "Tab";
    n[13] = "Enter";
    n[kVkShift] = "Shift";
    n[kVkControl] = "Ctrl";
    n[kVkMenu] = "Alt";
    n[19] = "Pause";
    n[20] = "Caps Lock";
    n[27] = "Esc";
    n[32] = "Space";
    n[33] = "Page Up";
    n[34] = "Page Down";
    n[35] = "End";
    n[36] = "Home";
    n[37] = "Left";
    n[38] = "Up";
    n[39] = "Right";
    n[40] = "Down";
    n[44] = "Sys Req";
    n[45] = "Insert";
    n[46] = "Delete";
    constexpr std::string_view digits = "0123456789";
    for (std::size_t i = 0; i < 10; ++i)
        n[0x30 + i] = digits.substr(i, 1);
    constexpr std::string_view letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (std::size_t i = 0; i < 26; ++i)
        n[0x41 + i] = letters.substr(i, 1);
    constexpr std::string_view keypad[10] = {"Num 0", "Num 1", "Num 2", "Num 3", "Num 4",
                                             "Num 5", "Num 6", "Num 7", "Num 8", "Num 9"};
    for (std::size_t i = 0; i < 10; ++i)
        n[0x60 + i] = keypad[i];
    n[0x6A] = "Num *";
    n[0x6B] = "Num +";
    n[0x6D] = "Num -";
    n[0x6E] = "Num Del";
    n[0x6F] = "Num /";
    constexpr std::string_view functionKeys[24] = {"F1",  "F2",  "F3",  "F4",  "F5",  "F6",  "F7",  "F8",
                                                   "F9",  "F10", "F11", "F12", "F13", "F14", "F15", "F16",
                                                   "F17", "F18", "F19", "F20", "F21", "F22", "F23", "F24"};
    for (std::size_t i = 0; i < 24; ++i)
        n[0x70 + i] = functionKeys[i];
    n[0x90] = "Num Lock";
    n[0x91] = "Scroll Lock";
    n[0xBA] = ";";
    n[0xBB] = "=";
    n[0xBC] = ",";
    n[0xBD] = "-";
    n[0xBE] = ".";
    n[0xBF] = "/";
    n[0xC0] = "`";
    n[0xDB] = "[";
    n[0xDC] = "\\";
    n[0xDD] = "]";
    n[0xDE] = "'";
    return n;
}

constexpr std::array<std::string_view, 256> kNames = makeNames();

} // namespace

std::string_view virtualKeyName(int code) {
    if (code < 0 || code >= static_cast<int>(kNames.size()))
        return {};
    return kNames[static_cast<std::size_t>(code)];
}
