// The hot key value: a virtual-key code in the low 8 bits plus the held modifiers, each a bit
// above it. Items store the display text of a value (HotKeyText.h), never the value itself.
#pragma once

#include <cstdint>

using HotKeyValue = std::uint32_t;

// Modifier bits of a value.
inline constexpr HotKeyValue kHotKeyShift = 0x2000;
inline constexpr HotKeyValue kHotKeyCtrl = 0x4000;
inline constexpr HotKeyValue kHotKeyAlt = 0x8000;
inline constexpr HotKeyValue kHotKeyWin = 0x10000;

// The modifier flags a desktop registration takes, as the properties dialog reads them from its
// check boxes.
inline constexpr unsigned kModAlt = 1;
inline constexpr unsigned kModCtrl = 2;
inline constexpr unsigned kModShift = 4;
inline constexpr unsigned kModWin = 8;

// The value of a key code held with the given registration flags.
constexpr HotKeyValue hotKeyValue(std::uint16_t keyCode, unsigned modFlags) {
    HotKeyValue set = 0;
    if (modFlags & kModAlt)
        set += 0x80;
    if (modFlags & kModCtrl)
        set += 0x40;
    if (modFlags & kModShift)
        set += 0x20;
    if (modFlags & kModWin)
        set += 0x100;
    return (set << 8) + keyCode;
}

constexpr std::uint8_t hotKeyCode(HotKeyValue value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

// The registration flags of a value's modifiers.
constexpr unsigned hotKeyModFlags(HotKeyValue value) {
    return ((value & kHotKeyAlt) ? kModAlt : 0) | ((value & kHotKeyCtrl) ? kModCtrl : 0) |
           ((value & kHotKeyShift) ? kModShift : 0) | ((value & kHotKeyWin) ? kModWin : 0);
}
