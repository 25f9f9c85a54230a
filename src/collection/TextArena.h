// Storage for the texts of link records. A stored text is named by a 32-bit handle, so that a record
// of 21 texts costs 84 bytes when they are empty, and a text costs its bytes and a 4-byte length.
//
// Texts up to 4 KiB are packed into 8 MiB blocks (which the system may back with huge pages) in
// 8-byte granules, and freed granules are reused by texts of the same granule count; longer texts get
// a heap block of their own. Blocks are kept for the run, as the node pool keeps its blocks. Handle 0
// is the empty text and is never stored. Storing and releasing may happen on any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace TextArena {

// A copy of `size` bytes (size > 0).
std::uint32_t store(const char* data, std::size_t size);
// Gives a handle's storage back; handle 0 is ignored.
void release(std::uint32_t handle) noexcept;

namespace detail {
inline constexpr int kGranuleBits = 20;  // 8-byte granules per block: 8 MiB blocks
inline constexpr std::uint32_t kLargeFlag = 0x80000000u;
extern std::uint8_t* smallBlocks[];
struct LargeText {
    std::size_t size;
    char bytes[1];
};
LargeText* largeText(std::uint32_t handle) noexcept;
} // namespace detail

// The bytes of a handle, valid until it is released.
inline std::string_view view(std::uint32_t handle) noexcept {
    using namespace detail;
    if (handle == 0)
        return {};
    if (handle & kLargeFlag) {
        const LargeText* text = largeText(handle);
        return {text->bytes, text->size};
    }
    const std::uint8_t* block = smallBlocks[handle >> kGranuleBits];
    const std::uint8_t* granule = block + (std::size_t{handle & ((1u << kGranuleBits) - 1)} << 3);
    std::uint32_t size;
    __builtin_memcpy(&size, granule, 4);
    return {reinterpret_cast<const char*>(granule + 4), size};
}

} // namespace TextArena
