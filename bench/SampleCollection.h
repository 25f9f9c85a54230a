// Sample collections for the benchmarks: link items with the field sizes of a real collection, in
// groups of about ten, three to five levels deep. The same count and seed always give the same outline.
#pragma once

#include "collection/Outline.h"

#include <cstdint>

inline constexpr std::uint64_t kSampleSeed = 0x57656E64656C6Dull;

// Fills an empty outline with exactly `count` nodes. Groups (ItemType Group) hold links (ItemType Url)
// and further groups; a link has a title of about 40 bytes and an address of about 70 bytes, one in
// four has a note of about 20 bytes and one in three a "Last visited" stamp.
void buildSampleCollection(Outline& outline, int count, std::uint64_t seed = kSampleSeed);
