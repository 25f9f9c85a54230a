// Virtual-key codes, the program's own key codes, mapped to the X keysyms of the same keys, at the
// edge where hot keys are grabbed from the X server.
#pragma once

#include <cstdint>

// The keysym of the key a virtual-key code stands for; 0 for codes without one (the modifier keys
// themselves, codes the key name table leaves unnamed, values outside 0..255).
std::uint32_t keySymForVirtualKey(int code);
