#include "Navigation.h"

#include "Selection.h"

#include <vector>

namespace {

void goTo(Outline& outline, Node* target) {
    if (!target)
        return;
    outline.setFocused(target);
    selectOnly(outline, target);
}

// For the commands that go from the reference: nothing happens without one.
template <class Step> void goFromReference(Outline& outline, Step step) {
    if (const Node* reference = outline.firstSelected())
        goTo(outline, step(reference));
}

// "Goto First" and "Goto Last": with no item, only the selection is cleared.
void goToEnd(Outline& outline, Node* target) {
    if (target)
        goTo(outline, target);
    else
        outline.clearSelection();
}

} // namespace

void GotoFirst(Outline& outline) { goToEnd(outline, outline.first()); }

void GotoPrevious(Outline& outline) {
    goFromReference(outline, [&outline](const Node* n) { return outline.previous(n); });
}

void GotoPreviousSibling(Outline& outline) {
    goFromReference(outline, [&outline](const Node* n) { return outline.previousSibling(n); });
}

void GotoNext(Outline& outline) {
    goFromReference(outline, [&outline](const Node* n) { return outline.next(n); });
}

void GotoNextSibling(Outline& outline) {
    goFromReference(outline, [&outline](const Node* n) { return outline.nextSibling(n); });
}

void GotoLast(Outline& outline) { goToEnd(outline, outline.lastDeepest()); }

void expandOnFocus(Outline& outline, Node* previous, Node* current) {
    if (!current)
        return;
    // Outermost first, so that a view lays out each newly shown branch once.
    std::vector<Node*> ancestors;
    for (Node* a = outline.parentOf(current); a; a = outline.parentOf(a))
        if (!a->isExpanded())
            ancestors.push_back(a);
    for (auto a = ancestors.rbegin(); a != ancestors.rend(); ++a)
        outline.setExpanded(*a, true);
    outline.setExpanded(current, true);
    if (previous && previous != current && previous->isExpanded() && previous->parent() == current->parent())
        outline.setExpanded(previous, false);
}

ExpandOnFocus::ExpandOnFocus(Outline& outline) : outline_(outline) { outline_.addListener(this); }

ExpandOnFocus::~ExpandOnFocus() { outline_.removeListener(this); }

void ExpandOnFocus::focusChanged(Node* previous, Node* current) { expandOnFocus(outline_, previous, current); }
