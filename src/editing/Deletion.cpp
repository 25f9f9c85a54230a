#include "Deletion.h"

#include "editing/BulkChange.h"

Node* focusAfterDelete(const Outline& tree) {
    Node* current = tree.firstSelected();
    if (!current)
        return nullptr;
    Node* const root = tree.root();
    auto expanded = [root](const Node* n) { return n == root || n->isExpanded(); };
    for (;;) {
        do
            current = current->parent();
        while (!expanded(current));
        if (current == root || tree.isDisplayed(current))
            break;
        while (current != root && expanded(current->parent()))
            current = current->parent();
        if (current == root)
            break;
    }
    return current == root ? nullptr : current;
}

void DelNodes(Outline& tree) {
    if (tree.selectedCount() == 0)
        return;
    Node* next = focusAfterDelete(tree);
    {
        BulkChange batch(tree, static_cast<std::size_t>(tree.selectedCount()));
        tree.deleteSelected();
    }
    tree.setFocused(next);
    tree.clearSelection();
    tree.setSelected(next, true);
}
