// Any bytes as a hot key text, as an item read from a collection file or edited by hand may carry
// one: parsing answers a value or 0, never fails; a value it answers holds only a named key and the
// modifier bits, and reads back from its own display text.
#include "launch/HotKeyText.h"
#include "launch/VirtualKeyNames.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const HotKeyValue value = parseHotKeyText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (value == 0)
        return 0;
    constexpr HotKeyValue modifiers = kHotKeyShift | kHotKeyCtrl | kHotKeyAlt | kHotKeyWin;
    if ((value & ~(modifiers | 0xFFu)) != 0 || virtualKeyName(hotKeyCode(value)).empty())
        std::abort();
    if (parseHotKeyText(hotKeyText(value)) != value)
        std::abort();
    return 0;
}
