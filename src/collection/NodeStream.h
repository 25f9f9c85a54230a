// The node stream: the chunked binary form of nodes with their subtrees and records. The same node
// chunks make the collection file (behind a header and a top-level count) and the clipboard data.
#pragma once

#include "HugePageAllocator.h"
#include "Outline.h"

#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

// A stream the reader cannot accept. The message is shown to the user as it stands.
class StreamError : public std::runtime_error {
public:
    StreamError(int number, const char* message) : std::runtime_error(message), number_(number) {}
    int number() const { return number_; }

private:
    int number_;
};

namespace StreamErrorNumber {
inline constexpr int WrongFormat = 2002;
inline constexpr int UnknownVersion = 2003;
inline constexpr int NotEnoughData = 2004;
inline constexpr int MissingAnchor = 2005;
inline constexpr int DataAfterNodeEnd = 2006;
} // namespace StreamErrorNumber

namespace ChunkType {
inline constexpr std::int32_t Node = 1;
inline constexpr std::int32_t Base = 2;
inline constexpr std::int32_t UserData = 4;
} // namespace ChunkType

inline constexpr std::uint16_t kStreamVersion = 2;
inline constexpr std::size_t kFileHeaderSize = 12;

using Bytes = std::vector<std::uint8_t, HugePageAllocator<std::uint8_t>>;
using ByteSpan = std::span<const std::uint8_t>;

// The whole outline as a collection file: header (version 2), top-level count, node chunks.
Bytes writeOutline(const Outline& outline);

// Empties the outline, then reads a collection file of version 0, 1 or 2 into it. On a StreamError
// the outline keeps what was read before the error. Nodes read with the selected bit join the
// selection of a multi-selection outline.
void readOutline(Outline& outline, ByteSpan bytes);

// Clipboard stream form: the node chunks of the given nodes (each with its subtree), in the order given.
Bytes writeNodeChunks(const Outline& outline, const std::vector<Node*>& nodes);

// Reads one node chunk (version 2) at the reader's position into a fresh node `into`; returns the
// position after the chunk. Nodes read this way arrive unselected.
std::size_t readNodeChunk(Outline& outline, ByteSpan bytes, std::size_t position, Node* into);

// Reads every node chunk of a clipboard stream; each becomes a new last child of `parent` (nullptr:
// the root). Returns the new top-level nodes.
std::vector<Node*> readNodeChunks(Outline& outline, ByteSpan bytes, Node* parent);

// The global-memory form of clipboard data: a signed 32-bit byte count, then the chunks.
Bytes toGlobalMemoryForm(ByteSpan chunks);
// The chunks inside a global-memory block; a count that is negative or larger than the block is an error.
ByteSpan fromGlobalMemoryForm(ByteSpan block);
