#include "HotKeyText.h"

#include "VirtualKeyNames.h"

namespace {

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i]))
            return false;
    return true;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ')
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ')
        s.remove_suffix(1);
    return s;
}

std::string_view winName() {
    return winKeyName(virtualKeyName(kVkMenu));
}

// The modifier bit a text names, 0 when it names none.
HotKeyValue modifierBit(std::string_view part) {
    struct Modifier {
        std::string_view plain;
        std::string_view layoutName;
        HotKeyValue bit;
    };
    const Modifier modifiers[] = {
        {"Shift", virtualKeyName(kVkShift), kHotKeyShift},
        {"Ctrl", virtualKeyName(kVkControl), kHotKeyCtrl},
        {"Alt", virtualKeyName(kVkMenu), kHotKeyAlt},
        {"Win", winName(), kHotKeyWin},
    };
    for (const Modifier& m : modifiers)
        if (equalsIgnoringCase(part, m.plain) || equalsIgnoringCase(part, m.layoutName))
            return m.bit;
    return 0;
}

HotKeyValue keyCodeNamed(std::string_view part) {
    if (part.empty())
        return 0;
    if (part.size() == 1) {
        char c = upper(part.front());
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'))
            return static_cast<unsigned char>(c);
    } else if (modifierBit(part) != 0) {
        return 0;
    }
    for (int code = 8; code <= 255; ++code) {
        std::string_view name = virtualKeyName(code);
        if (!name.empty() && equalsIgnoringCase(name, part))
            return static_cast<HotKeyValue>(code);
    }
    return 0;
}

} // namespace

std::string hotKeyText(HotKeyValue value) {
    std::string text;
    auto add = [&](HotKeyValue bit, std::string_view name) {
        if (value & bit) {
            text += name;
            text += '+';
        }
    };
    add(kHotKeyCtrl, virtualKeyName(kVkControl));
    add(kHotKeyShift, virtualKeyName(kVkShift));
    add(kHotKeyAlt, virtualKeyName(kVkMenu));
    add(kHotKeyWin, winName());
    text += virtualKeyName(hotKeyCode(value));
    return text;
}

HotKeyValue parseHotKeyText(std::string_view text) {
    // Modifiers are read from the left for as long as a part names one and more text follows; the
    // rest is the key. So a key whose name holds "+" (the keypad's "Num +") reads back as well.
    HotKeyValue modifiers = 0;
    for (std::size_t plus; (plus = text.find('+')) != std::string_view::npos; text.remove_prefix(plus + 1)) {
        const HotKeyValue bit = modifierBit(trimmed(text.substr(0, plus)));
        if (bit == 0)
            break;
        modifiers |= bit;
    }
    const HotKeyValue key = keyCodeNamed(trimmed(text));
    return key == 0 ? 0 : key | modifiers;
}

std::string_view winKeyName(std::string_view altName) {
    bool capitals = !altName.empty();
    for (char c : altName)
        capitals = capitals && c >= 'A' && c <= 'Z';
    return capitals ? "WIN" : "Win";
}
