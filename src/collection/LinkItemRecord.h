// The link item record as it is stored in a user-data chunk: the fields in file order, each text as
// a 32-bit byte count and the bytes.
#pragma once

#include "ByteIO.h"
#include "LinkItem.h"

#include <cstddef>

inline constexpr std::size_t kEmptyRecordSize = 120;

// Writes every field; an all-empty record is 120 bytes.
void writeLinkItem(ByteWriter& out, const LinkItem& item);

// The bytes writeLinkItem writes for the record.
std::size_t linkItemSize(const LinkItem& item);

// Reads fields in order until the reader's end. A record cut short keeps the fields read so far and
// leaves the rest as they were; a text count that is negative or reaches past the end stops reading.
void readLinkItem(ByteReader& in, LinkItem& item);

