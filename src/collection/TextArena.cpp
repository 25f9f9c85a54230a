#include "TextArena.h"

#include "SpinLock.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <sys/mman.h>
#include <vector>

namespace TextArena::detail {

namespace {

constexpr std::uint32_t kGranulesPerBlock = 1u << kGranuleBits;
constexpr std::size_t kBlockBytes = std::size_t{kGranulesPerBlock} << 3;
constexpr std::uint32_t kBlockCount = 1u << (31 - kGranuleBits);  // small handles fill 31 bits
constexpr std::uint32_t kMaxGranules = 512;                         // texts up to 4 KiB - 4 bytes
constexpr std::size_t kHugePage = std::size_t{2} << 20;

constexpr int kLargePageBits = 16;
constexpr std::uint32_t kLargePageSize = 1u << kLargePageBits;
constexpr std::uint32_t kLargePageCount = 1u << (31 - kLargePageBits);

// Everything below is constant-initialised and trivially destructible, so texts held by other
// static objects may be released at any point of the program's end.
constinit SpinLock lock;
constinit std::uint32_t freeHeads[kMaxGranules + 1] = {};  // handle of the first free run of n granules
constinit std::uint32_t currentBlock = 0;
constinit std::uint32_t nextGranule = 0;
constinit std::uint32_t blocksMade = 0;

constinit LargeText** largePages[kLargePageCount] = {};
constinit std::uint32_t largeMade = 0;
constinit std::uint32_t largeFreeHead = 0;  // 1 + index of a free entry, 0 when none

std::uint8_t* granuleAt(std::uint32_t handle) {
    return smallBlocks[handle >> kGranuleBits] + (std::size_t{handle & (kGranulesPerBlock - 1)} << 3);
}

// An 8 MiB block aligned to a huge page, so the system can back it with four of them.
std::uint8_t* newBlock() {
    void* raw = ::mmap(nullptr, kBlockBytes + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        return nullptr;
    const auto start = reinterpret_cast<std::uintptr_t>(raw);
    const auto aligned = (start + kHugePage - 1) & ~(kHugePage - 1);
    if (aligned > start)
        ::munmap(raw, aligned - start);
    if (const auto tail = start + kBlockBytes + kHugePage - (aligned + kBlockBytes); tail > 0)
        ::munmap(reinterpret_cast<void*>(aligned + kBlockBytes), tail);
    ::madvise(reinterpret_cast<void*>(aligned), kBlockBytes, MADV_HUGEPAGE);
    return reinterpret_cast<std::uint8_t*>(aligned);
}

// A run of `granules` granules, or 0 when every small block is in use (the text then goes to the heap).
std::uint32_t takeGranules(std::uint32_t granules) {
    if (std::uint32_t handle = freeHeads[granules]) {
        std::memcpy(&freeHeads[granules], granuleAt(handle) + 4, 4);
        return handle;
    }
    if (blocksMade == 0 || nextGranule + granules > kGranulesPerBlock) {
        if (blocksMade == kBlockCount)
            return 0;
        std::uint8_t* block = newBlock();
        if (!block)
            throw std::bad_alloc();
        currentBlock = blocksMade++;
        smallBlocks[currentBlock] = block;
        nextGranule = currentBlock == 0 ? 1 : 0;  // handle 0 stays the empty text
    }
    const std::uint32_t handle = (currentBlock << kGranuleBits) | nextGranule;
    nextGranule += granules;
    return handle;
}

LargeText*& largeEntry(std::uint32_t index) {
    return largePages[index >> kLargePageBits][index & (kLargePageSize - 1)];
}

// A heap block of its own; its table entry's index is the handle.
std::uint32_t storeLarge(const char* data, std::size_t size) {
    auto* text = static_cast<LargeText*>(std::malloc(offsetof(LargeText, bytes) + size));
    if (!text)
        throw std::bad_alloc();
    text->size = size;
    std::memcpy(text->bytes, data, size);
    SpinGuard guard(lock);
    std::uint32_t index;
    if (largeFreeHead != 0) {
        index = largeFreeHead - 1;
        largeFreeHead = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(largeEntry(index)) >> 1);
    } else {
        if (largeMade == kLargePageCount * kLargePageSize) {
            std::free(text);
            throw std::bad_alloc();
        }
        index = largeMade++;
        LargeText**& page = largePages[index >> kLargePageBits];
        if (!page) {
            page = static_cast<LargeText**>(std::calloc(kLargePageSize, sizeof(LargeText*)));
            if (!page) {
                --largeMade;
                std::free(text);
                throw std::bad_alloc();
            }
        }
    }
    largeEntry(index) = text;
    return kLargeFlag | index;
}

void releaseLarge(std::uint32_t index) noexcept {
    LargeText* text;
    {
        SpinGuard guard(lock);
        LargeText*& entry = largeEntry(index);
        text = entry;
        // A free entry holds the next free one, shifted and tagged so it cannot look like a block.
        entry = reinterpret_cast<LargeText*>((std::uintptr_t{largeFreeHead} << 1) | 1);
        largeFreeHead = index + 1;
    }
    std::free(text);
}

} // namespace

constinit std::uint8_t* smallBlocks[kBlockCount] = {};

LargeText* largeText(std::uint32_t handle) noexcept { return largeEntry(handle & ~kLargeFlag); }

} // namespace TextArena::detail

namespace TextArena {

using namespace detail;

std::uint32_t store(const char* data, std::size_t size) {
    const std::size_t granules = (size + 4 + 7) >> 3;
    if (granules <= kMaxGranules) {
        std::uint32_t handle;
        {
            SpinGuard guard(lock);
            handle = takeGranules(static_cast<std::uint32_t>(granules));
        }
        if (handle != 0) {
            std::uint8_t* granule = granuleAt(handle);
            const auto length = static_cast<std::uint32_t>(size);
            std::memcpy(granule, &length, 4);
            std::memcpy(granule + 4, data, size);
            return handle;
        }
    }
    return storeLarge(data, size);
}

void release(std::uint32_t handle) noexcept {
    if (handle == 0)
        return;
    if (handle & kLargeFlag) {
        releaseLarge(handle & ~kLargeFlag);
        return;
    }
    std::uint8_t* granule = granuleAt(handle);
    std::uint32_t size;
    std::memcpy(&size, granule, 4);
    const std::uint32_t granules = (size + 4 + 7) >> 3;
    SpinGuard guard(lock);
    std::memcpy(granule + 4, &freeHeads[granules], 4);
    freeHeads[granules] = handle;
}

} // namespace TextArena
