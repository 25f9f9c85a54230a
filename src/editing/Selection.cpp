#include "Selection.h"

#include "StateChanges.h"

#include <cstddef>
#include <utility>
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

// The displayed item after a displayed one.
Node* nextDisplayed(const Outline& outline, Node* node) {
    if (node->isExpanded())
        for (Node* child : node->children())
            if (child->isVisible())
                return child;
    for (Node* n = node; n != outline.root(); n = n->parent()) {
        const Node* parent = n->parent();
        for (int i = n->index() + 1; i < parent->childCount(); ++i)
            if (parent->child(i)->isVisible())
                return parent->child(i);
    }
    return nullptr;
}

// Whether `a` comes before `b` in document order.
bool precedes(const Outline& outline, const Node* a, const Node* b) {
    auto path = [&outline](const Node* n) {
        std::vector<int> rows;
        for (; n != outline.root(); n = n->parent())
            rows.push_back(n->index());
        return std::vector<int>(rows.rbegin(), rows.rend());
    };
    return path(a) < path(b);
}

} // namespace

void SelectAll(Outline& outline) { outline.selectAll(); }

void SelectAllVisible(Outline& outline) {
    std::vector<Node*> unselected;
    forEachDisplayed(outline, [&unselected](Node* n) {
        if (!n->isSelected())
            unselected.push_back(n);
    });
    changeSelection(outline, unselected.size(), [&] {
        for (Node* n : unselected)
            outline.setSelected(n, true);
    });
}

void UnselectAll(Outline& outline) {
    if (static_cast<std::size_t>(outline.selectedCount()) > kItemsAnnouncedOneByOne) {
        outline.clearSelection();
        return;
    }
    for (Node* n : outline.selectedNodes())
        outline.setSelected(n, false);
}

void Invert(Outline& outline) {
    changeSelection(outline, static_cast<std::size_t>(outline.totalCount()), [&outline] {
        outline.forEach([&outline](Node* n) { outline.setSelected(n, !n->isSelected()); });
    });
}

void selectOnly(Outline& outline, Node* item) {
    if (outline.selectedCount() == 1 && item->isSelected())
        return;
    if (item->isSelected() && static_cast<std::size_t>(outline.selectedCount()) <= kItemsAnnouncedOneByOne) {
        for (Node* n : outline.selectedNodes())
            if (n != item)
                outline.setSelected(n, false);
        return;
    }
    UnselectAll(outline);
    outline.setSelected(item, true);
}

void selectDisplayedRange(Outline& outline, Node* from, Node* to, bool addToSelection) {
    if (!addToSelection)
        UnselectAll(outline);
    if (precedes(outline, to, from))
        std::swap(from, to);
    std::vector<Node*> range{from};
    for (Node* n = from; n != to && (n = nextDisplayed(outline, n));)
        range.push_back(n);
    changeSelection(outline, range.size(), [&] {
        for (Node* n : range)
            outline.setSelected(n, true);
    });
}
