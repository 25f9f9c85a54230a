#include "HotKeyText.h"

#include "VirtualKeyNames.h"

#include <vector>

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

// "WIN" beside a layout whose Alt key is named in capitals, "Win" otherwise.
std::string_view winName() {
    std::string_view alt = virtualKeyName(kVkMenu);
    bool capitals = !alt.empty();
    for (char c : alt)
        capitals = capitals && c >= 'A' && c <= 'Z';
    return capitals ? "WIN" : "Win";
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
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        std::size_t plus = text.find('+', start);
        parts.push_back(trimmed(text.substr(start, plus == std::string_view::npos ? plus : plus - start)));
        if (plus == std::string_view::npos)
            break;
        start = plus + 1;
    }
    HotKeyValue modifiers = 0;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        HotKeyValue bit = modifierBit(parts[i]);
        if (bit == 0)
            return 0;
        modifiers |= bit;
    }
    HotKeyValue key = keyCodeNamed(parts.back());
    return key == 0 ? 0 : key | modifiers;
}

std::string hotKeyTakenWarning(HotKeyValue value) {
    return hotKeyText(value) + " is already used\rand therefore couldn't be assigned to a hotkey.";
}
