// The display text of a hot key value, the only link between a registered combination and the
// items that use it: the held modifiers in the order Ctrl, Shift, Alt, Win, each followed by "+",
// then the key's name, all named by the key name table (VirtualKeyNames.h).
#pragma once

#include "HotKeyValue.h"

#include <string>
#include <string_view>

// The text of a value, e.g. "Ctrl+Alt+Home". A key code without a name leaves the key part empty.
std::string hotKeyText(HotKeyValue value);

// The value a text names, 0 when the text is not a valid combination. The text is read as modifiers,
// each followed by "+", then the key, every part without surrounding blanks. A modifier is "Shift",
// "Ctrl", "Alt", "Win" or the table's name for it, in any case. The key is a single digit or letter
// (in any case), which is its own code, or the first code from 8 to 255 with that name, in any case;
// the key's name may itself hold "+", as "Ctrl+Num +" does. A modifier in the key's place, or any
// other part, makes the text invalid.
HotKeyValue parseHotKeyText(std::string_view text);

// The name of the Win modifier beside a layout whose Alt key has the given name: "WIN" when that
// name is made of the capital letters A to Z only, "Win" otherwise.
std::string_view winKeyName(std::string_view altName);
