#include "platform/x11/VirtualKeySyms.h"

#include "launch/VirtualKeyNames.h"

#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <map>

namespace {

// Every key the properties dialog can offer (every named code but the modifiers) can be grabbed, and
// no two codes grab the same key.
TEST(VirtualKeySyms, EveryNamedKeyHasItsOwnKeySym) {
    std::map<std::uint32_t, int> codes;
    for (int code = 8; code <= 255; ++code) {
        if (virtualKeyName(code).empty() || code == kVkShift || code == kVkControl || code == kVkMenu)
            continue;
        const std::uint32_t sym = keySymForVirtualKey(code);
        EXPECT_NE(sym, 0u) << virtualKeyName(code);
        EXPECT_TRUE(codes.emplace(sym, code).second) << virtualKeyName(code) << " and " << codes[sym];
    }
}

TEST(VirtualKeySyms, NavigationKeysAreTheExtendedKeysNotTheKeypads) {
    struct Case {
        int code;
        std::uint32_t sym;
    } cases[] = {
        {33, XK_Prior}, {36, XK_Home}, {37, XK_Left}, {45, XK_Insert}, {46, XK_Delete},   {13, XK_Return},
        {0x41, XK_a},   {0x5A, XK_z},  {0x30, XK_0},  {0x67, XK_KP_7}, {0x6B, XK_KP_Add}, {0x74, XK_F5},
        {16, 0},        {0xFF, 0},     {-1, 0},       {256, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(keySymForVirtualKey(c.code), c.sym) << c.code;
}

} // namespace
