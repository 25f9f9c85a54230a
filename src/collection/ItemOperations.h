// Small operations on the items of an outline that several commands share.
#pragma once

#include "Outline.h"

#include <vector>

// Clears the timed-action flag Fired in every item, in document order.
void SetFlags(Outline& outline);

// The four rules by which commands pick the items they act on.
namespace Targets {
// The focused item, or nullptr.
inline Node* focusedItem(const Outline& outline) { return outline.focused(); }
// The first selected item in document order, or nullptr (the caller then shows kNoSelection).
inline Node* firstSelectedItem(const Outline& outline) { return outline.firstSelected(); }
// Each selected item in document order.
inline std::vector<Node*> eachSelected(const Outline& outline) { return outline.selectedNodes(); }
// The selected items, or the focused item when nothing is selected (empty when neither exists).
std::vector<Node*> selectionOrFocused(const Outline& outline);
} // namespace Targets

inline constexpr const char* kNoSelection = "no selection!";
