// An allocator for large byte buffers (whole collection files): blocks of 4 MiB and more are mapped
// directly and offered to the system for huge pages, so that filling them costs few page faults.
// Smaller blocks come from the ordinary heap.
#pragma once

#include <cstddef>
#include <new>
#include <sys/mman.h>

template <class T> struct HugePageAllocator {
    using value_type = T;
    static constexpr std::size_t kMappedFrom = std::size_t{4} << 20;

    HugePageAllocator() = default;
    template <class U> HugePageAllocator(const HugePageAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kMappedFrom)
            return static_cast<T*>(::operator new(bytes));
        void* block = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (block == MAP_FAILED)
            throw std::bad_alloc();
        ::madvise(block, bytes, MADV_HUGEPAGE);
        return static_cast<T*>(block);
    }

    void deallocate(T* p, std::size_t n) noexcept {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kMappedFrom)
            ::operator delete(p);
        else
            ::munmap(p, bytes);
    }

    // Sizing a buffer leaves its bytes as they are: the writers fill every byte, so zeroing them
    // first would only touch the memory twice.
    template <class U> void construct(U* p) noexcept { ::new (static_cast<void*>(p)) U; }
    template <class U, class... Args> void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(static_cast<Args&&>(args)...);
    }

    template <class U> bool operator==(const HugePageAllocator<U>&) const noexcept { return true; }
};
