// The commands that reshape the outline without making content: moving the selected items up, down,
// right (in one level) and left (out one level), grouping them, and changing their item type.
//
// A move takes the reduced selection and an anchor computed from its first item; each item (with its
// subtree, record and node states) is put at the same place relative to that one anchor, wherever it
// lay before. The anchor itself stays where it is. Without an anchor each item becomes the first
// top-level item. Focus and selection do not change. Every move is announced (many of them as one
// batch), which repaints the outline where it changed.
#pragma once

#include "collection/Outline.h"

#include <cstdint>

// "Up": directly before the previous sibling of the first item; document order.
void MoveItemsUp(Outline& tree);
// "Down": directly after the next sibling of the first item; document order, so several items end
// up reversed.
void MoveItemsDown(Outline& tree);
// "Right": last child of the previous sibling of the first item; document order.
void MoveItemsRight(Outline& tree);
// "Left": directly after the parent of the first item (no anchor for a top-level item); reverse
// document order, so the items keep their order.
void MoveItemsLeft(Outline& tree);

// "Group Items": a new all-zero item (a Group with an empty Name) directly before the first selected
// item (the first top-level item with nothing selected) receives the reduced selection as its last
// children, in order. Returns the group.
Node* GroupItems(Outline& tree);

// "Set Item Type": every selected item (those inside another selected item's subtree included) gets
// the type; with nothing selected the focused item does. No other field changes.
void SetItemType(Outline& tree, std::int32_t itemType);
