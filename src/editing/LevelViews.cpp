#include "LevelViews.h"

#include <vector>

namespace {

// Gives every child of `parent` the same visibility. Hidden ones are set from the last child back:
// the outline looks for a visible sibling of each changed child, and from that end it finds one at
// once, where in document order it would walk past every sibling hidden so far.
void setChildrenVisible(Outline& outline, Node* parent, bool visible) {
    const int count = parent->childCount();
    if (visible)
        for (int i = 0; i < count; ++i)
            outline.setVisible(parent->child(i), true);
    else
        for (int i = count - 1; i >= 0; --i)
            outline.setVisible(parent->child(i), false);
}

// Sets the visibility of every item below `top` (itself excluded) by its depth below it.
template <class VisibleAtDepth> void setVisibleByDepth(Outline& outline, Node* top, VisibleAtDepth visibleAt) {
    std::vector<std::pair<Node*, int>> parents{{top, 0}};
    while (!parents.empty()) {
        auto [parent, depth] = parents.back();
        parents.pop_back();
        setChildrenVisible(outline, parent, visibleAt(depth));
        for (Node* child : parent->children())
            if (child->childCount() > 0)
                parents.emplace_back(child, depth + 1);
    }
}

} // namespace

void ShowLevel(Outline& outline, int maxLevel) {
    OutlineUpdate update(outline);
    // The children of the root are at level 0.
    setVisibleByDepth(outline, outline.root(), [maxLevel](int level) { return level <= maxLevel; });
}

void AllLevels(Outline& outline) {
    OutlineUpdate update(outline);
    setVisibleByDepth(outline, outline.root(), [](int) { return true; });
}

void HideNodes(Outline& outline, Node* item) { outline.setVisible(item, true); }

void Hoist(Outline& outline) {
    Node* branch = outline.focused();
    OutlineUpdate update(outline);
    setVisibleByDepth(outline, outline.root(), [](int) { return false; });
    auto show = [&outline](Node* item) { HideNodes(outline, item); };
    if (branch)
        outline.forEachInSubtree(branch, show);
    else
        outline.forEach(show);
}
