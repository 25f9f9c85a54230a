// Copies of items always travel through the node stream: a copy carries every field of its record,
// its node states and its whole subtree, exactly as a save and a reload would.
#pragma once

#include "collection/NodeStream.h"
#include "collection/Outline.h"

#include <vector>

// Reads every node chunk of `chunks` before anything is inserted, then inserts each item, in stream
// order, against the same target (`target` nullptr: the root). A damaged stream raises StreamError
// and leaves `tree` exactly as it was. Returns the inserted items.
std::vector<Node*> insertNodeChunks(Outline& tree, ByteSpan chunks, Node* target, AttachMode mode);

// Copies `item` with its subtree from one tree (or the same one) to a place in `to`.
Node* copyThroughStream(const Outline& from, Node* item, Outline& to, Node* target, AttachMode mode);

// "Clone Items": a copy of each item of the reduced selection, in document order, directly after the
// focused item (so several copies end up in reverse order); with nothing focused, each copy becomes
// the first top-level item. Focus and selection stay as they were.
void CloneItems(Outline& tree);
