// Per-node state bits, as the collection file stores them.
#pragma once

#include <cstdint>

namespace NodeState {
inline constexpr std::uint16_t Initialized = 0x0001;
inline constexpr std::uint16_t Disabled = 0x0008;
inline constexpr std::uint16_t Expanded = 0x0020;
inline constexpr std::uint16_t HasChildren = 0x0040;
inline constexpr std::uint16_t Visible = 0x0080;
inline constexpr std::uint16_t Selected = 0x0100;
inline constexpr std::uint16_t AllChildrenHidden = 0x0400;
inline constexpr std::uint16_t MultiLine = 0x1000;
// Transient bits (1, 2, 4, 9, 13) never reach a file: states are written ANDed with this mask.
inline constexpr std::uint16_t PersistentMask = 0xDDE9;
} // namespace NodeState

// Defaults of nodes the program creates.
inline constexpr std::uint16_t kDefaultRowHeight = 20;
inline constexpr std::uint8_t kDefaultAlignment = 50;

// Clipboard marks shown on items put on the clipboard.
enum class ClipboardMark : std::uint8_t { None, Copy, Cut };
