#include "ItemOperations.h"

void SetFlags(Outline& outline) {
    outline.forEach([](Node* n) { n->data.Fired = 0; });
}

std::vector<Node*> Targets::selectionOrFocused(const Outline& outline) {
    if (outline.selectedCount() > 0)
        return outline.selectedNodes();
    if (Node* focused = outline.focused())
        return {focused};
    return {};
}
