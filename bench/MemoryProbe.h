// The memory of this process as the benchmarks see it: resident growth for the bytes-per-item counters,
// page faults, and the allocator's choice between reusing freed pages and touching fresh ones.
#pragma once

#include <cstdint>

// Makes the allocator keep what is freed (no automatic trimming, no separate mappings for large
// blocks), so that work repeated in a loop reuses resident pages instead of faulting in new ones.
void keepFreedMemory();

// Gives the heap's free memory back to the system, so that the next allocations touch fresh pages as
// in a freshly started program.
void releaseFreeMemory();

// Page faults of this process so far (minor and major): each first touch of a fresh page is one, and
// their cost differs widely between machines (far more on virtual machines).
std::int64_t pageFaults();

// Made just before the work to measure: gives free heap memory back to the system, notes the resident
// size and restarts the kernel's high-water mark, so that both growths below count only that work.
class MemoryProbe {
public:
    MemoryProbe();

    // Resident bytes gained since construction and still held by live allocations.
    std::int64_t residentGrowth() const;
    // The highest resident size since construction minus the size then; -1 when the kernel's
    // high-water mark could not be restarted (no /proc/self/clear_refs).
    std::int64_t peakGrowth() const;

private:
    std::int64_t baseline_;
    bool peakRestarted_;
};
