#include "DragDrop.h"

#include "editing/BulkChange.h"
#include "editing/StreamCopy.h"
#include "platform/Dialogs.h"

#include <optional>
#include <string>

DropEffect dropEffectFor(DropKeys keys, bool ontoTheOutline) {
    if (!keys.shift && !keys.ctrl && !keys.alt)
        return ontoTheOutline ? DropEffect::Move : DropEffect::Copy;
    if (!keys.shift && keys.alt)
        return DropEffect::Link;
    if (!keys.shift && keys.ctrl)
        return DropEffect::Copy;
    return DropEffect::Move;
}

DropEffect LinksTreeDragDrop(Outline& linksTree, Outline& receiver, const Drop& drop, Dialogs& dialogs) {
    // Data from another program (files from the file manager) is taken wherever it lands, and adds nothing.
    if (drop.source == DragSource::Outside)
        return drop.copyOffered ? DropEffect::Copy : DropEffect::Move;
    AttachMode mode = AttachMode::LastChild;
    switch (drop.position) {
    case DropPosition::Above:
        mode = AttachMode::Before;
        break;
    case DropPosition::On:
        mode = AttachMode::LastChild;
        break;
    case DropPosition::Below:
        mode = AttachMode::After;
        break;
    case DropPosition::Nowhere:
        return DropEffect::None;
    }
    if (!drop.target)
        return DropEffect::None;
    if (drop.source != DragSource::Outline)
        return DropEffect::None;

    const bool ontoTheOutline = &receiver == &linksTree;
    const DropEffect effect = dropEffectFor(drop.keys, ontoTheOutline);
    const std::vector<Node*> items = linksTree.reducedSelection();
    std::optional<std::string> refusal;
    {
        // A batch covers both trees, as a move onto a side tree changes both.
        BulkChange receiving(receiver, items.size());
        BulkChange sending(linksTree, ontoTheOutline ? 0 : items.size());
        for (Node* item : items) {
            if (effect == DropEffect::Copy) {
                copyThroughStream(linksTree, item, receiver, drop.target, mode);
            } else if (ontoTheOutline) {
                try {
                    linksTree.moveNode(item, drop.target, mode);
                } catch (const OutlineError& e) {
                    refusal = e.what();
                    break;
                }
            } else {
                copyThroughStream(linksTree, item, receiver, drop.target, mode);
                linksTree.deleteNode(item);
            }
        }
    }
    // Shown once the trees are whole again, not in the middle of a batch.
    if (refusal)
        dialogs.showError(*refusal);
    return effect;
}
