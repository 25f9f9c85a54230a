#include "CreationCommands.h"

#include "editing/CreateNewLink.h"
#include "platform/Clipboard.h"

namespace {

// The dialog, then a repaint of the new row: the dialog may have changed what the row shows.
Node* withDialog(Outline& links, const EditingHost& host, Node* item) {
    host.linkProps(item);
    links.recordChanged(item);
    return item;
}

Node* siblingParent(const Outline& links) {
    Node* focused = links.focused();
    return focused ? links.parentOf(focused) : nullptr;
}

} // namespace

Node* AddRootLink(Outline& links, const EditingHost& host) {
    Node* item = withDialog(links, host, CreateNewLink(links, TreeKind::Links, nullptr));
    host.rebuildTagList();
    return item;
}

Node* AddChildLink(Outline& links, const EditingHost& host) {
    Node* item = withDialog(links, host, CreateNewLink(links, TreeKind::Links, siblingParent(links)));
    host.titleBoxFocus();
    return item;
}

Node* AddItemRight(Outline& links, const EditingHost& host) {
    return withDialog(links, host, CreateNewLink(links, TreeKind::Links, links.focused()));
}

Node* AddItemLeft(Outline& links, const EditingHost& host) {
    Node* parent = siblingParent(links);
    Node* grandparent = parent ? links.parentOf(parent) : nullptr;
    return withDialog(links, host, CreateNewLink(links, TreeKind::Links, grandparent));
}

// The insertion is announced, so the outline repaints what moved; a repaint of everything would
// make a view rebuild itself from the whole outline.
Node* InsertLinkBefore(Outline& links, const EditingHost& host) {
    Node* item = AddNodeTo(links, AddPosition::Before);
    host.linkProps(item);
    return item;
}

Node* InsertLinkAfter(Outline& links, const EditingHost& host) {
    Node* item = AddNodeTo(links, AddPosition::After);
    host.linkProps(item);
    return item;
}

Node* InsertByType(Outline& links, const EditingHost& host, std::int32_t itemType) {
    Node* item = CreateNewLink(links, TreeKind::Links, siblingParent(links));
    item->data.ItemType = itemType;
    links.clearSelection();
    links.setSelected(item, true);
    links.setFocused(item);
    return withDialog(links, host, item);
}

Node* InsertKeyPressed(Outline& links) { return CreateNewLink(links, TreeKind::Links, links.focused()); }

Node* AddLinkFromClipboard(Outline& links, const Clipboard& clipboard, const EditingHost& host) {
    const std::string text = clipboard.text().value_or(std::string());
    return withDialog(links, host, CreateNewLink(links, TreeKind::Links, links.focused(), text, text));
}
