// Dropping dragged items on one of the three trees. Only the outline's items travel: a drag from
// the outline copies or moves its reduced selection to the drop point; drags from the side trees and
// data from outside the program (files from the file manager, another program) add nothing.
#pragma once

#include "collection/Outline.h"

class Dialogs;

// Where the drop point lies relative to the item under it.
enum class DropPosition {
    Above,   // directly before the item
    On,      // as its last child
    Below,   // directly after the item
    Nowhere  // the empty area of a tree: no drop
};

enum class DropEffect { None, Copy, Move, Link };

// The modifier keys held at the drop.
struct DropKeys {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// Where a drag came from.
enum class DragSource { Outside, Outline, SideTree };

struct Drop {
    DragSource source = DragSource::Outside;
    bool copyOffered = false;  // outside data: the effects it offers include copy
    DropKeys keys;
    Node* target = nullptr;  // the item under the drop point, in the receiving tree
    DropPosition position = DropPosition::Nowhere;
};

// The effect of dropping the outline's items: without modifiers a move within the outline and a copy
// onto another tree; Alt or Ctrl+Alt link; Ctrl alone copies; every other combination moves.
DropEffect dropEffectFor(DropKeys keys, bool ontoTheOutline);

// Carries out a drop on `receiver` (which may be `linksTree` itself) and returns its effect. Items
// are handled one by one in document order against the same target, so items dropped below an item
// land in reverse order. A copy travels through the node stream; a move (or link) within the outline
// moves the item, onto another tree it copies the item there and deletes it from the outline. A move
// into the moved item's own subtree is refused with an error; the items before it stay moved.
DropEffect LinksTreeDragDrop(Outline& linksTree, Outline& receiver, const Drop& drop, Dialogs& dialogs);
