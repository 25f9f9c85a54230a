#include "StreamCopy.h"

#include "editing/BulkChange.h"

std::vector<Node*> insertNodeChunks(Outline& tree, ByteSpan chunks, Node* target, AttachMode mode) {
    Outline scratch;
    const std::vector<Node*> read = readNodeChunks(scratch, chunks, nullptr);
    BulkChange batch(tree, read.size());
    std::vector<Node*> inserted;
    inserted.reserve(read.size());
    for (const Node* item : read)
        inserted.push_back(tree.copyNode(item, target, mode));
    return inserted;
}

Node* copyThroughStream(const Outline& from, Node* item, Outline& to, Node* target, AttachMode mode) {
    const Bytes chunks = writeNodeChunks(from, {item});
    return insertNodeChunks(to, chunks, target, mode).front();
}

void CloneItems(Outline& tree) {
    Node* focused = tree.focused();
    const std::vector<Node*> items = tree.reducedSelection();
    BulkChange batch(tree, items.size());
    for (Node* item : items) {
        if (focused)
            copyThroughStream(tree, item, tree, focused, AttachMode::After);
        else
            copyThroughStream(tree, item, tree, nullptr, AttachMode::FirstChild);
    }
}
