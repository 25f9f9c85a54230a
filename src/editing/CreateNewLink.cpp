#include "CreateNewLink.h"

#include "collection/ItemType.h"

Node* CreateNewLink(Outline& tree, TreeKind kind, Node* parent, const std::string& address, const std::string& title) {
    Node* node = tree.addChild(parent);
    if (kind == TreeKind::Links || parent == tree.root())
        node->data.ItemType = ItemType::Note;
    node->data.Name = title;
    node->data.URL = address;
    return node;
}

Node* AddNodeTo(Outline& tree, AddPosition position) {
    Node* focused = tree.focused();
    if (!focused)
        return tree.insertNode(nullptr, position == AddPosition::Before ? AttachMode::FirstChild : AttachMode::LastChild);
    return tree.insertNode(focused, position == AddPosition::Before ? AttachMode::Before : AttachMode::After);
}
