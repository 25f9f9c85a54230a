// Expanding and collapsing: "Expand All", "Collapse All", and "Hide", "Expand", "All subs" and
// "Toggle" on the focused item (which do nothing when no item is focused). Expansion never changes
// which items are visible.
#pragma once

#include "collection/Outline.h"

// "Expand All": every item that has children is expanded.
void ExpandAll(Outline& outline);
// "Collapse All": every item is collapsed.
void CollapseAll(Outline& outline);
// "Hide": the focused item is collapsed.
void HideFocused(Outline& outline);
// "Expand": the focused item is expanded.
void ExpandFocused(Outline& outline);
// "All subs": the focused item is expanded, and so is every item below it that has children.
void ExpandAllSubs(Outline& outline);
// "Toggle": the focused item is expanded when collapsed and collapsed when expanded.
void ToggleFocused(Outline& outline);
