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
        {"Ctrl+Shift+F5", 0x6074},
        {"ctrl + alt + a", 0xC041},
        {"Win+Home", 0x10024},
        {"Ctrl+Num +", 0x406B}, // a key name holding "+"
        {"Num +", 0x6B},
        {"Shift+Num Del", 0x206E},
        // not a combination
        {"", 0},
        {"Ctrl+", 0},
        {"Ctrl+Shift", 0}, // the key is a modifier
        {"Ctrl+Ctrl", 0},
        {"Shift", 0},
        {"Ctrl+Foo", 0},
        {"Ctrl+Foo+F5", 0},
        {"Hyper+A", 0},
        {"A+Ctrl", 0},
        {"Ctrl+F5+", 0},
        {"Ctrl++", 0},
        {"+", 0},
        {"Ctrl+AB", 0},
        {std::string("Ctrl+\0", 6), 0},
        {"Ctrl+\xC4", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseHotKeyText(c.text), c.value) << '"' << c.text << '"';
}

// Every key the table names (the properties dialog offers exactly these, the modifiers aside), with
// every set of modifiers, reads back as the value it was formed from; so every name stands for one
// code, including "Num +".
TEST(HotKeyText, EveryNamedKeyWithEveryModifierSetReadsBack) {
    for (int code = 8; code <= 255; ++code) {
        std::string_view name = virtualKeyName(code);
        if (name.empty() || code == kVkShift || code == kVkControl || code == kVkMenu)
            continue;
        for (unsigned flags = 0; flags < 16; ++flags) {
            const HotKeyValue value = hotKeyValue(static_cast<std::uint16_t>(code), flags);
            EXPECT_EQ(parseHotKeyText(hotKeyText(value)), value) << hotKeyText(value);
        }
    }
}

// The Win modifier is written in capitals beside a layout that names its Alt key in capitals.
TEST(HotKeyText, WinIsSpelledInCapitalsOnlyBesideAnAltNameOfCapitalLettersAtoZ) {
    struct Case {
        const char* altName;
        const char* win;
    } cases[] = {
        {"Alt", "Win"},  {"ALT", "WIN"}, {"ALTGR", "WIN"},  {"ALT GR", "Win"},
        {"ALT1", "Win"}, {"", "Win"},    {"\xC4LT", "Win"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(winKeyName(c.altName), c.win) << '"' << c.altName << '"';
    EXPECT_EQ(hotKeyText(0x10024), "Win+Home"); // the English layout's Alt is "Alt"
}

} // namespace
