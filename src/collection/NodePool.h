// Storage for outline nodes. Nodes come from large blocks that the system may back with huge pages,
// so that building an outline of a million items costs a few hundred page faults instead of a few
// hundred thousand; freed nodes are reused and blocks are kept for the run. Nodes are made and freed
// on one thread, as all outline work is.
#pragma once

#include <cstddef>

namespace NodePool {
void* allocate(std::size_t size);
void release(void* slot) noexcept;
} // namespace NodePool
