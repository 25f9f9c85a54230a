#include "OutlineClipboard.h"

#include "collection/ByteIO.h"
#include "collection/NodeStream.h"
#include "editing/BulkChange.h"
#include "editing/StreamCopy.h"
#include "platform/Dialogs.h"

namespace {

// The marked items in document order.
std::vector<Node*> markedItems(const Outline& tree) {
    std::vector<Node*> result;
    tree.forEach([&](Node* n) {
        if (n->mark() != ClipboardMark::None)
            result.push_back(n);
    });
    return result;
}

// Of items in document order, those not inside the subtree of an earlier one.
std::vector<Node*> outermost(const Outline& tree, const std::vector<Node*>& items) {
    std::vector<Node*> result;
    for (Node* n : items)
        if (result.empty() || !tree.isAncestorOf(result.back(), n))
            result.push_back(n);
    return result;
}

std::vector<Node*> reducedMarks(const Outline& tree) { return outermost(tree, markedItems(tree)); }

void appendLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

} // namespace

OutlineClipboard::OutlineClipboard(Outline& tree, std::uint32_t treeReference, std::uint32_t processId,
                                   Clipboard& clipboard, Dialogs& dialogs)
    : tree_(tree), treeReference_(treeReference), processId_(processId), clipboard_(clipboard), dialogs_(dialogs) {}

OutlineClipboard::~OutlineClipboard() { clipboard_.detachTreeSource(*this); }

void OutlineClipboard::CopyNode() { putOnClipboard(ClipboardMark::Copy); }

void OutlineClipboard::CutNode() { putOnClipboard(ClipboardMark::Cut); }

void OutlineClipboard::putOnClipboard(ClipboardMark mark) {
    if (tree_.selectedCount() == 0)
        return;
    // Our previous data object, if it was still there, is released on the way and its marks go;
    // should the clipboard have kept it, they go here.
    if (!clipboard_.setTreeData(*this))
        return;
    if (marked_)
        clipboardReleased();
    const std::vector<Node*> items = tree_.selectedNodes();
    {
        BulkChange batch(tree_, items.size());
        for (Node* n : items)
            tree_.setMark(n, mark);
    }
    marked_ = true;
    cutPending_ = mark == ClipboardMark::Cut;
}

void OutlineClipboard::PasteNode() {
    const std::optional<TreeClipboardContent> content = clipboard_.treeContent();
    if (!content) {
        dialogs_.showError(kClipboardFailed);
        return;
    }
    if (!content->data)
        return;
    Node* target = tree_.focused();
    if (cutPending_ && content->reference && namesThisTree(*content->reference))
        moveCutItems(target);
    else
        pasteCopies(*content->data, target);
    cutPending_ = false;
}

void OutlineClipboard::moveCutItems(Node* target) {
    const std::vector<Node*> cut = markedItems(tree_);
    const std::vector<Node*> items = outermost(tree_, cut);
    {
        BulkChange batch(tree_, items.size());
        for (Node* item : items) {
            if (item == target || tree_.isAncestorOf(item, target))
                continue;
            tree_.moveNode(item, target, AttachMode::LastChild);
        }
    }
    // The cut is done, but the items are still what the clipboard holds: a further paste copies
    // them, so they are marked as copied from now on. Moving keeps every node.
    OutlineStatesUpdate marks(tree_);
    for (Node* n : cut)
        tree_.setMark(n, ClipboardMark::Copy);
}

void OutlineClipboard::pasteCopies(const std::vector<std::uint8_t>& block, Node* target) {
    try {
        insertNodeChunks(tree_, fromGlobalMemoryForm(block), target, AttachMode::LastChild);
    } catch (const StreamError& e) {
        dialogs_.showError(std::string("The items on the clipboard are damaged; nothing was pasted.\n") + e.what());
    }
}

bool OutlineClipboard::namesThisTree(const std::vector<std::uint8_t>& reference) const {
    ByteReader in(reference.data(), reference.size());
    std::uint32_t processId, tree;
    return in.u32(processId) && in.u32(tree) && processId == processId_ && tree == treeReference_;
}

// The global-memory form (a byte count, then the chunks), built in the clipboard's own buffer so the
// chunks are copied once.
std::vector<std::uint8_t> OutlineClipboard::treeData() const {
    const Bytes chunks = writeNodeChunks(tree_, reducedMarks(tree_));
    std::vector<std::uint8_t> block;
    block.reserve(4 + chunks.size());
    appendLittleEndian(block, static_cast<std::uint32_t>(chunks.size()));
    block.insert(block.end(), chunks.begin(), chunks.end());
    return block;
}

std::vector<std::uint8_t> OutlineClipboard::treeReference() const {
    std::vector<std::uint8_t> reference;
    appendLittleEndian(reference, processId_);
    appendLittleEndian(reference, treeReference_);
    return reference;
}

void OutlineClipboard::clipboardReleased() {
    if (marked_)
        tree_.clearMarks();
    marked_ = false;
    cutPending_ = false;
}
