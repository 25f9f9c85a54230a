// The "Selection" commands. None of them moves the focus.
#pragma once

#include "collection/Outline.h"

// "All": every item, hidden ones and those inside collapsed branches included.
void SelectAll(Outline& outline);
// "All Visible": every displayed item is added to the selection.
void SelectAllVisible(Outline& outline);
// "Unselect All".
void UnselectAll(Outline& outline);
// "Invert": every item, displayed or not, is selected when it was not and deselected when it was.
void Invert(Outline& outline);

// Makes `item` the only selected item (the focus stays where it is).
void selectOnly(Outline& outline, Node* item);
// Selects every displayed item from `from` to `to`, both displayed, in either order and both
// included; without `addToSelection` nothing else stays selected.
void selectDisplayedRange(Outline& outline, Node* from, Node* to, bool addToSelection);
