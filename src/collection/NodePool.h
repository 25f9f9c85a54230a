// Storage for outline nodes. Nodes come from large blocks that the system may back with huge pages,
// so that building an outline of a million items costs a few hundred page faults instead of a few
// hundred thousand; freed nodes are reused and blocks are kept for the run. An outline is worked on
// by one thread at a time, but two outlines may be built on two threads (the start collection is
// read while the windows are made), so taking and giving back a node is locked.
#pragma once

#include <cstddef>

namespace NodePool {
void* allocate(std::size_t size);
void release(void* slot) noexcept;
} // namespace NodePool
