#include "VirtualKeySyms.h"

#include <X11/keysym.h>

#include <array>

namespace {

// Beside every code the key name table names (VirtualKeyNames.cpp), the same key on an X keyboard.
// The navigation keys are the extended keys, not the keypad's; Enter is the main Enter key.
constexpr std::array<std::uint32_t, 256> makeKeySyms() {
    std::array<std::uint32_t, 256> k{};
    k[8] = XK_BackSpace;
    k[9] = XK_Tab;
    k[13] = XK_Return;
    k[19] = XK_Pause;
    k[20] = XK_Caps_Lock;
    k[27] = XK_Escape;
    k[32] = XK_space;
    k[33] = XK_Prior;
    k[34] = XK_Next;
    k[35] = XK_End;
    k[36] = XK_Home;
    k[37] = XK_Left;
    k[38] = XK_Up;
    k[39] = XK_Right;
    k[40] = XK_Down;
    k[44] = XK_Print;
    k[45] = XK_Insert;
    k[46] = XK_Delete;
    for (std::uint32_t i = 0; i < 10; ++i)
        k[0x30 + i] = XK_0 + i;
    for (std::uint32_t i = 0; i < 26; ++i)
        k[0x41 + i] = XK_a + i;
    for (std::uint32_t i = 0; i < 10; ++i)
        k[0x60 + i] = XK_KP_0 + i;
    k[0x6A] = XK_KP_Multiply;
    k[0x6B] = XK_KP_Add;
    k[0x6D] = XK_KP_Subtract;
    k[0x6E] = XK_KP_Decimal;
    k[0x6F] = XK_KP_Divide;
    for (std::uint32_t i = 0; i < 24; ++i)
        k[0x70 + i] = XK_F1 + i;
    k[0x90] = XK_Num_Lock;
    k[0x91] = XK_Scroll_Lock;
    k[0xBA] = XK_semicolon;
    k[0xBB] = XK_equal;
    k[0xBC] = XK_comma;
    k[0xBD] = XK_minus;
    k[0xBE] = XK_period;
    k[0xBF] = XK_slash;
    k[0xC0] = XK_grave;
    k[0xDB] = XK_bracketleft;
    k[0xDC] = XK_backslash;
    k[0xDD] = XK_bracketright;
    k[0xDE] = XK_apostrophe;
    return k;
}

constexpr std::array<std::uint32_t, 256> kKeySyms = makeKeySyms();

} // namespace

std::uint32_t keySymForVirtualKey(int code) {
    if (code < 0 || code >= static_cast<int>(kKeySyms.size()))
        return 0;
    return kKeySyms[static_cast<std::size_t>(code)];
}
