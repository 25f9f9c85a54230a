#include "Selection.h"

#include "StateChanges.h"

#include <cstddef>
#include <vector>

namespace {

// The displayed items in document order: a hidden or collapsed item's children are never visited.
template <class F> void forEachDisplayed(const Outline& outline, F&& f) {
    std::vector<Node*> pending(outline.root()->children().rbegin(), outline.root()->children().rend());
    while (!pending.empty()) {
        Node* n = pending.back();
        pending.pop_back();
        if (!n->isVisible())
            continue;
        f(n);
        if (n->isExpanded())
            pending.insert(pending.end(), n->children().rbegin(), n->children().rend());
    }
}

} // namespace

void SelectAll(Outline& outline) { outline.selectAll(); }

void SelectAllVisible(Outline& outline) {
    std::vector<Node*> unselected;
    forEachDisplayed(outline, [&unselected](Node* n) {
        if (!n->isSelected())
            unselected.push_back(n);
    });
    changeStates(outline, unselected.size(), [&] {
        for (Node* n : unselected)
            outline.setSelected(n, true);
    });
}

void UnselectAll(Outline& outline) { outline.clearSelection(); }

void Invert(Outline& outline) {
    changeStates(outline, static_cast<std::size_t>(outline.totalCount()), [&outline] {
        outline.forEach([&outline](Node* n) { outline.setSelected(n, !n->isSelected()); });
    });
}

void selectOnly(Outline& outline, Node* item) {
    if (outline.selectedCount() == 1 && item->isSelected())
        return;
    const auto count = static_cast<std::size_t>(outline.selectedCount());
    if (count > kItemsAnnouncedOneByOne) {
        outline.clearSelection();
    } else {
        for (Node* n : outline.selectedNodes())
            if (n != item)
                outline.setSelected(n, false);
    }
    outline.setSelected(item, true);
}
