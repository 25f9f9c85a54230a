#include "NodePool.h"

#include "SpinLock.h"

#include <cstdint>
#include <new>
#include <sys/mman.h>

namespace {

constexpr std::size_t kBlockSize = std::size_t{2} << 20;  // one huge page
constexpr std::size_t kAlignment = alignof(void*);  // a node holds nothing more aligned than a pointer

struct FreeSlot {
    FreeSlot* next;
};

constinit SpinLock lock;  // the start collection is read on a thread of its own
constinit std::size_t slotSize = 0;  // fixed by the first request: every node has the same size
constinit FreeSlot* freeSlots = nullptr;
constinit std::uint8_t* blockNext = nullptr;
constinit std::uint8_t* blockEnd = nullptr;

// A fresh block aligned to its size, so the system can give it one huge page.
std::uint8_t* newBlock() {
    void* raw = ::mmap(nullptr, 2 * kBlockSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        throw std::bad_alloc();
    auto start = reinterpret_cast<std::uintptr_t>(raw);
    auto aligned = (start + kBlockSize - 1) & ~(kBlockSize - 1);
    // Give back what lies outside the aligned block.
    if (aligned > start)
        ::munmap(raw, aligned - start);
    if (auto tail = start + 2 * kBlockSize - (aligned + kBlockSize); tail > 0)
        ::munmap(reinterpret_cast<void*>(aligned + kBlockSize), tail);
    ::madvise(reinterpret_cast<void*>(aligned), kBlockSize, MADV_HUGEPAGE);
    return reinterpret_cast<std::uint8_t*>(aligned);
}

} // namespace

void* NodePool::allocate(std::size_t size) {
    SpinGuard guard(lock);
    if (slotSize == 0)
        slotSize = (size + kAlignment - 1) & ~(kAlignment - 1);
    if (size > slotSize)
        throw std::bad_alloc();  // every node has the same size
    if (freeSlots) {
        FreeSlot* slot = freeSlots;
        freeSlots = slot->next;
        return slot;
    }
    if (blockNext == nullptr || blockNext + slotSize > blockEnd) {
        blockNext = newBlock();
        blockEnd = blockNext + kBlockSize;
    }
    void* slot = blockNext;
    blockNext += slotSize;
    return slot;
}

void NodePool::release(void* slot) noexcept {
    if (!slot)
        return;
    SpinGuard guard(lock);
    auto* free = static_cast<FreeSlot*>(slot);
    free->next = freeSlots;
    freeSlots = free;
}
