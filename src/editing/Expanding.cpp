#include "Expanding.h"

#include "StateChanges.h"

#include <vector>

namespace {

// Expands every collapsed item that has children, in the whole outline (all) or in the branch of
// `top`, and `top` itself whether or not it has children.
void expandBranch(Outline& outline, Node* top, bool all) {
    std::vector<Node*> collapsed;
    auto collect = [&collapsed, top](Node* n) {
        if (!n->isExpanded() && (n->childCount() > 0 || n == top))
            collapsed.push_back(n);
    };
    if (all)
        outline.forEach(collect);
    else
        outline.forEachInSubtree(top, collect);
    changeStates(outline, collapsed.size(), [&] {
        for (Node* n : collapsed)
            outline.setExpanded(n, true);
    });
}

} // namespace

void ExpandAll(Outline& outline) { expandBranch(outline, nullptr, true); }

void CollapseAll(Outline& outline) { outline.setExpandedAll(false); }

void HideFocused(Outline& outline) { outline.setExpanded(outline.focused(), false); }

void ExpandFocused(Outline& outline) { outline.setExpanded(outline.focused(), true); }

void ExpandAllSubs(Outline& outline) {
    if (Node* focused = outline.focused())
        expandBranch(outline, focused, false);
}

void ToggleFocused(Outline& outline) {
    if (Node* focused = outline.focused())
        outline.toggle(focused);
}
