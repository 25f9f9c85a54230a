#include "Restructure.h"

#include "collection/ItemOperations.h"
#include "editing/BulkChange.h"

#include <algorithm>
#include <vector>

namespace {

enum class Order { Document, Reverse };

// Moves every item of the reduced selection to `mode` relative to the anchor the first item gives.
template <class AnchorOf>
void moveSelected(Outline& tree, AnchorOf anchorOf, AttachMode mode, Order order) {
    std::vector<Node*> items = tree.reducedSelection();
    if (!items.empty()) {
        BulkChange batch(tree, items.size());
        Node* anchor = anchorOf(tree, items.front());
        if (order == Order::Reverse)
            std::reverse(items.begin(), items.end());
        for (Node* item : items) {
            if (!anchor)
                tree.moveNode(item, nullptr, AttachMode::FirstChild);
            else if (item != anchor)
                tree.moveNode(item, anchor, mode);
        }
    }
}

} // namespace

void MoveItemsUp(Outline& tree) {
    moveSelected(tree, [](const Outline& t, const Node* first) { return t.previousSibling(first); },
                 AttachMode::Before, Order::Document);
}

void MoveItemsDown(Outline& tree) {
    moveSelected(tree, [](const Outline& t, const Node* first) { return t.nextSibling(first); }, AttachMode::After,
                 Order::Document);
}

void MoveItemsRight(Outline& tree) {
    moveSelected(tree, [](const Outline& t, const Node* first) { return t.previousSibling(first); },
                 AttachMode::LastChild, Order::Document);
}

void MoveItemsLeft(Outline& tree) {
    moveSelected(tree, [](const Outline& t, const Node* first) { return t.parentOf(first); }, AttachMode::After,
                 Order::Reverse);
}

Node* GroupItems(Outline& tree) {
    const std::vector<Node*> items = tree.reducedSelection();
    Node* group = nullptr;
    {
        BulkChange batch(tree, items.size());
        group = items.empty() ? tree.insertNode(nullptr, AttachMode::FirstChild)
                              : tree.insertNode(items.front(), AttachMode::Before);
        for (Node* item : items)
            tree.moveNode(item, group, AttachMode::LastChild);
    }
    return group;
}

void SetItemType(Outline& tree, std::int32_t itemType) {
    for (Node* item : Targets::selectionOrFocused(tree))
        tree.editRecord(item, [itemType](LinkItem& record) { record.ItemType = itemType; });
}
