// Level views and hoisting: which items of the outline are visible. A hidden item is not displayed
// whatever its parent's expansion. Expansion, focus and selection stay as they are, and each command
// reaches the outline's listeners as one bulk change.
#pragma once

#include "collection/Outline.h"

// "Level 1" ... "Level 9" (maxLevel 0 to 8): every item whose level is at most maxLevel is visible,
// every deeper item hidden, inside collapsed and hidden branches too.
void ShowLevel(Outline& outline, int maxLevel);
// "All Levels": every item visible.
void AllLevels(Outline& outline);
// Hoist: every item hidden, then the focused item's branch (the whole outline with nothing focused)
// made visible again. The branch's ancestors stay hidden, so hoisting an item below the top level
// leaves nothing displayed.
void Hoist(Outline& outline);
// The hoist's step for one item of the branch it walks: makes the item visible.
void HideNodes(Outline& outline, Node* item);
