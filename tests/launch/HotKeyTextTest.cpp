#include "launch/HotKeyText.h"
#include "launch/VirtualKeyNames.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(HotKeyValue, ComposesTheKeyCodeWithTheRegistrationFlags) {
    struct Case {
        std::uint16_t code;
        unsigned flags;
        HotKeyValue value;
    } cases[] = {
        {0x74, kModCtrl, 0x4074},  {0x74, kModCtrl | kModAlt, 0xC074},
        {0x41, kModShift, 0x2041}, {0x2E, kModWin, 0x10000 | 0x2E},
        {0x70, 0, 0x70},           {0x41, kModAlt | kModCtrl | kModShift | kModWin, 0x1E041},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(hotKeyValue(c.code, c.flags), c.value) << std::hex << c.value;
        EXPECT_EQ(hotKeyModFlags(c.value), c.flags) << std::hex << c.value;
        EXPECT_EQ(hotKeyCode(c.value), c.code) << std::hex << c.value;
    }
}

TEST(HotKeyText, NamesModifiersInTheOrderCtrlShiftAltWinThenTheKey) {
    struct Case {
        HotKeyValue value;
        std::string text;
    } cases[] = {
        {0x4074, "Ctrl+F5"},
        {0xC024, "Ctrl+Alt+Home"},
        {0x8021, "Alt+Page Up"},
        {0x2000 | 0x6A, "Shift+Num *"},
        {0x10000 | 0x2000 | 0x58, "Shift+Win+X"},
        {0x1E041, "Ctrl+Shift+Alt+Win+A"},
        {0x70, "F1"},
        {0x4000 | 0xBA, "Ctrl+;"},
        {0x4000 | 0x0A, "Ctrl+"}, // a code without a name
    };
    for (const Case& c : cases)
        EXPECT_EQ(hotKeyText(c.value), c.text) << std::hex << c.value;
}

TEST(HotKeyText, ParsesModifiersInAnyOrderAndCaseAndRejectsWhatNamesNoCombination) {
    struct Case {
        std::string text;
        HotKeyValue value;
    } cases[] = {
        {"Ctrl+F5", 0x4074},
        {"  ctrl + ALT + home ", 0xC024},
        {"Alt+Page Up", 0x8021},
        {"Win+Shift+a", 0x12041},
        {"WIN+x", 0x10058},
        {"Ctrl+7", 0x4037},
        {"Ctrl+;", 0x40BA},
        {"Ctrl+Num *", 0x406A},
        {"Ctrl+Ctrl+F5", 0x4074},
        {"F24", 0x87},
        {"esc", 0x1B},
        // not a combination
        {"", 0},
        {"Ctrl+", 0},
        {"Ctrl+Shift", 0}, // the key is a modifier
        {"Shift", 0},
        {"Ctrl+Foo", 0},
        {"Hyper+A", 0},
        {"A+Ctrl", 0},
        {"Ctrl+F5+", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseHotKeyText(c.text), c.value) << '"' << c.text << '"';
}

// Every key the table names, with every set of modifiers, reads back as the value it was formed from;
// so every name stands for one code. A name holding "+" cannot: the text is split at "+".
TEST(HotKeyText, EveryNamedKeyWithEveryModifierSetReadsBack) {
    int checked = 0;
    for (int code = 8; code <= 255; ++code) {
        std::string_view name = virtualKeyName(code);
        if (name.empty() || code == kVkShift || code == kVkControl || code == kVkMenu ||
            name.find('+') != std::string_view::npos)
            continue;
        for (unsigned flags = 0; flags < 16; ++flags) {
            const HotKeyValue value = hotKeyValue(static_cast<std::uint16_t>(code), flags);
            EXPECT_EQ(parseHotKeyText(hotKeyText(value)), value) << hotKeyText(value);
            ++checked;
        }
    }
    EXPECT_GT(checked, 16 * 100);
}

TEST(HotKeyText, TakenWarningNamesTheCombination) {
    EXPECT_EQ(hotKeyTakenWarning(0xC074),
              "Ctrl+Alt+F5 is already used\rand therefore couldn't be assigned to a hotkey.");
}

} // namespace
