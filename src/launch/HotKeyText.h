// The display text of a hot key value, the only link between a registered combination and the
// items that use it: the held modifiers in the order Ctrl, Shift, Alt, Win, each followed by "+",
// then the key's name, all named by the key name table (VirtualKeyNames.h).
#pragma once

#include "HotKeyValue.h"

#include <string>
#include <string_view>

// The text of a value, e.g. "Ctrl+Alt+Home". A key code without a name leaves the key part empty.
std::string hotKeyText(HotKeyValue value);

// The value a text names, 0 when the text is not a valid combination. The text is split at "+" and
// each part trimmed; every part but the last names a modifier ("Shift", "Ctrl", "Alt", "Win" or the
// table's names for them, in any case). The last part is the key: a single digit or letter (in any
// case) is its own code, any other text the first code from 8 to 255 with that name, in any case.
// A key name that holds "+" (as "Num +") therefore never parses.
HotKeyValue parseHotKeyText(std::string_view text);

// The warning shown when another program holds the combination a user assigns.
std::string hotKeyTakenWarning(HotKeyValue value);
