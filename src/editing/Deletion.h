// Deleting the selected items of a tree, and the item that gets the focus afterwards.
#pragma once

#include "collection/Outline.h"

// The item to focus after the selected items are deleted, found from the first selected item: go up
// to the nearest expanded ancestor (the root counts as expanded); stop there when it is the root or
// is displayed; otherwise climb on while the parent is expanded, and, short of the root, repeat.
// nullptr when the search ends at the root (a top-level first selected item, for one). The result
// is never a selected item.
Node* focusAfterDelete(const Outline& tree);

// Deletes every selected item with its whole subtree, then focuses and selects the item
// focusAfterDelete found (nothing focused or selected when there is none). Nothing selected does
// nothing. There is no confirmation and no undo.
void DelNodes(Outline& tree);
// "Delete Items".
inline void DelNode(Outline& tree) { DelNodes(tree); }
