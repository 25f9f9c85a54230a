// The one table of key names: the English (US) names of the virtual-key codes, as that keyboard
// layout names them. Hot key texts and the properties dialog's key list are built from it.
#pragma once

#include <cstdint>
#include <string_view>

// The virtual-key codes of the modifier keys.
inline constexpr int kVkShift = 16;
inline constexpr int kVkControl = 17;
inline constexpr int kVkMenu = 18; // Alt

// The name of a virtual-key code; empty for a code without a name and for values outside 0..255.
std::string_view virtualKeyName(int code);
