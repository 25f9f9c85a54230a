#include "launch/VirtualKeyNames.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(VirtualKeyNames, NameTheKeysAsTheEnglishLayoutDoes) {
    struct Case {
        int code;
        std::string name;
    } cases[] = {
        // clang-format off
        {8, "Backspace"}, {9, "Tab"}, {13, "Enter"}, {16, "Shift"}, {17, "Ctrl"}, {18, "Alt"},
        {20, "Caps Lock"}, {27, "Esc"}, {32, "Space"},
        // The navigation keys are named as the extended keys, not as their keypad twins.
        {33, "Page Up"}, {34, "Page Down"}, {35, "End"}, {36, "Home"}, {37, "Left"}, {38, "Up"},
        {39, "Right"}, {40, "Down"}, {45, "Insert"}, {46, "Delete"},
        {48, "0"}, {57, "9"}, {65, "A"}, {90, "Z"},
        {96, "Num 0"}, {101, "Num 5"}, {105, "Num 9"}, {106, "Num *"}, {107, "Num +"}, {109, "Num -"},
        {110, "Num Del"}, {111, "Num /"},
        {112, "F1"}, {116, "F5"}, {123, "F12"}, {124, "F13"}, {135, "F24"},
        {144, "Num Lock"}, {145, "Scroll Lock"},
        {186, ";"}, {187, "="}, {188, ","}, {189, "-"}, {190, "."}, {191, "/"}, {192, "`"},
        {219, "["}, {220, "\\"}, {221, "]"}, {222, "'"},
        // Without a name: unassigned, keypad separator, browser and media keys, reserved, out of range.
        {0, ""}, {10, ""}, {58, ""}, {108, ""}, {136, ""}, {166, ""}, {183, ""}, {223, ""}, {255, ""},
        {-1, ""}, {256, ""},
        // clang-format on
    };
    for (const Case& c : cases)
        EXPECT_EQ(virtualKeyName(c.code), c.name) << "code " << c.code;
}

} // namespace
