// Moving through the outline: the six "Goto" commands and the outline's expand-on-focus behaviour.
//
// The Goto commands take as their reference the first selected item in document order (not the
// focused item) and find their target over all items, hidden ones and those inside collapsed
// branches included. The target becomes the focused and the only selected item. "Goto Next",
// "Goto Previous" and the sibling commands do nothing without a reference or a target; "Goto First"
// and "Goto Last" need no reference and on an empty outline only clear the selection.
#pragma once

#include "collection/Outline.h"

// "Goto First": the first top-level item.
void GotoFirst(Outline& outline);
// "Goto Previous": the item before the reference in document order (its parent, or the deepest last
// item of its previous sibling).
void GotoPrevious(Outline& outline);
// "Goto Previous Sibling".
void GotoPreviousSibling(Outline& outline);
// "Goto Next": the item after the reference in document order.
void GotoNext(Outline& outline);
// "Goto Next Sibling".
void GotoNextSibling(Outline& outline);
// "Goto Last": the last item in document order, down through collapsed branches.
void GotoLast(Outline& outline);

// Expand on focus: when the focus moves to an item, every collapsed ancestor of the item and the
// item itself are expanded, and the item focused before is collapsed when it is expanded and has the
// same parent. It acts on every focus change of the outline it serves, whatever made it.
void expandOnFocus(Outline& outline, Node* previous, Node* current);

// Serves one outline with expandOnFocus for as long as it exists. Made before the outline's views, it
// hears of a focus change first, so that a view scrolling to the new item finds it displayed.
class ExpandOnFocus final : private OutlineListener {
public:
    explicit ExpandOnFocus(Outline& outline);
    ~ExpandOnFocus() override;
    ExpandOnFocus(const ExpandOnFocus&) = delete;
    ExpandOnFocus& operator=(const ExpandOnFocus&) = delete;

private:
    void focusChanged(Node* previous, Node* current) override;
    Outline& outline_;
};
