// The outline: an ordered forest of nodes, each carrying one LinkItem and its node states.
// All three trees of the program are Outlines. Every change goes through an operation here and is
// announced to the listeners before and after; bulk changes are announced once.
#pragma once

#include "LinkItem.h"
#include "NodePool.h"
#include "NodeStates.h"

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>

class Outline;

class Node {
public:
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    LinkItem data;  // read in place; edits of a user's go through Outline::editRecord or setRecord

    Node* parent() const { return parent_; }  // the invisible root for top-level nodes
    int index() const { return index_; }      // position among its siblings
    int childCount() const { return static_cast<int>(children_.size()); }
    Node* child(int i) const { return children_[static_cast<std::size_t>(i)]; }
    const std::vector<Node*>& children() const { return children_; }

    std::uint16_t states() const { return states_; }
    bool has(std::uint16_t state) const { return (states_ & state) != 0; }
    bool isExpanded() const { return has(NodeState::Expanded); }
    bool isVisible() const { return has(NodeState::Visible); }
    bool isSelected() const { return has(NodeState::Selected); }
    std::uint16_t rowHeight() const { return rowHeight_; }
    std::uint8_t alignment() const { return alignment_; }
    std::uint8_t checkState() const { return checkState_; }
    std::uint8_t checkType() const { return checkType_; }
    ClipboardMark mark() const { return mark_; }

    static void* operator new(std::size_t size) {
        static_assert(alignof(Node) <= alignof(void*), "the node pool aligns slots as pointers");
        return NodePool::allocate(size);
    }
    static void operator delete(void* slot) noexcept { NodePool::release(slot); }

private:
    friend class Outline;
    Node() = default;

    Node* parent_ = nullptr;
    std::vector<Node*> children_;  // owned
    int index_ = 0;
    std::uint16_t states_ = NodeState::Initialized | NodeState::Visible;
    std::uint16_t rowHeight_ = kDefaultRowHeight;
    std::uint8_t alignment_ = kDefaultAlignment;
    std::uint8_t checkState_ = 0;
    std::uint8_t checkType_ = 0;
    ClipboardMark mark_ = ClipboardMark::None;
    std::uint32_t selectionSlot_ = 0;  // its place in the outline's list of selected nodes, while selected
};

// Where a node goes relative to a target node.
enum class AttachMode { Before, After, FirstChild, LastChild };

// The raw per-node values the collection file carries besides the record.
struct NodeBase {
    std::uint16_t states = 0;
    std::uint16_t rowHeight = kDefaultRowHeight;
    std::uint8_t alignment = kDefaultAlignment;
    std::uint8_t checkState = 0;
    std::uint8_t checkType = 0;
};

// Raised by operations the outline refuses.
class OutlineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kMoveIntoOwnSubtree = "Target node cannot be a child node of the node to be moved.";

// Told before and after every change. Rows are positions among the parent's children; the parent
// of a top-level node is the outline's root(). Between aboutToReset and reset nothing else is sent,
// except to a listener that hears every change (the undo history): it is told of each change inside
// a batch too, node by node, so that it can tell what the batch did.
class OutlineListener {
public:
    virtual ~OutlineListener() = default;
    virtual void nodesAboutToBeInserted(Node* /*parent*/, int /*first*/, int /*last*/) {}
    virtual void nodesInserted(Node* /*parent*/, int /*first*/, int /*last*/) {}
    virtual void nodesAboutToBeRemoved(Node* /*parent*/, int /*first*/, int /*last*/) {}
    virtual void nodesRemoved(Node* /*parent*/, int /*first*/, int /*last*/) {}
    // destinationRow counts positions in newParent before the node is taken out (as Qt's moves do).
    virtual void nodeAboutToBeMoved(Node* /*node*/, Node* /*newParent*/, int /*destinationRow*/) {}
    virtual void nodeMoved(Node* /*node*/) {}
    virtual void statesChanged(Node* /*node*/) {}  // expanded, visible, selected, marks
    virtual void recordChanged(Node* /*node*/) {}  // the LinkItem, or a repaint request
    // Before an edit through editRecord or setRecord: the record still holds its old values.
    // Launch stamps and fired flags are written without it (recordChanged alone follows them).
    virtual void recordAboutToChange(Node* /*node*/) {}
    virtual void allStatesChanged() {}             // select all, expand all and other bulk state changes
    virtual void focusChanged(Node* /*previous*/, Node* /*current*/) {}
    virtual void aboutToReset() {}
    virtual void reset() {}
    // True for a listener that is told of every change, inside batches too; asked once, when it is added.
    virtual bool hearsEveryChange() const { return false; }
    // To listeners that hear every change: the content was replaced by one no node-by-node notice
    // describes (another collection swapped in, a sort of the top level).
    virtual void contentsReplaced() {}
};

class Outline {
public:
    explicit Outline(bool multiSelect = true);
    ~Outline();
    Outline(const Outline&) = delete;
    Outline& operator=(const Outline&) = delete;

    void addListener(OutlineListener* listener);
    void removeListener(OutlineListener* listener);

    bool multiSelect() const { return multiSelect_; }

    // Structure
    Node* root() const { return root_; }
    int rootCount() const { return root_->childCount(); }
    bool isEmpty() const { return root_->children_.empty(); }
    void setRootCount(int count);  // adds or removes empty top-level nodes at the end
    Node* addChild(Node* parent);  // new empty node as the last child; nullptr means the root
    void reserveChildren(Node* parent, std::size_t count) { (parent ? parent : root_)->children_.reserve(count); }
    Node* insertNode(Node* target, AttachMode mode);  // target nullptr means the root
    Node* insertBefore(Node* sibling) { return insertNode(sibling, AttachMode::Before); }
    Node* insertAfter(Node* sibling) { return insertNode(sibling, AttachMode::After); }
    // Moves node with its subtree. Moving a node onto itself does nothing; a target inside the
    // node's subtree raises OutlineError(kMoveIntoOwnSubtree).
    void moveNode(Node* node, Node* target, AttachMode mode);
    Node* copyNode(const Node* node, Node* target, AttachMode mode);  // deep copy, returns the copy
    // Moves a node with its subtree out of another outline into this one: one announced removal
    // there, one announced insertion here. A large subtree built aside joins without a copy.
    Node* takeNode(Outline& from, Node* node, Node* target, AttachMode mode);
    void deleteNode(Node* node);
    void deleteSelected();
    void clear();
    // While set, the nodes deleteNode and clear take out are kept, detached with their subtrees,
    // instead of destroyed: the undo history owns them then, puts the very same nodes back with
    // reattach, and destroys those it no longer needs with destroyDetached.
    void setKeepsRemovedNodes(bool keep) { keepsRemoved_ = keep; }
    // Puts a detached node back at `row` of `parent` (announced as an insertion).
    void reattach(Node* node, Node* parent, int row);
    void destroyDetached(Node* node);
    // Whether the node is part of this outline now (not detached, not of another outline).
    bool contains(const Node* node) const;
    // Exchanges the whole content (nodes, focus, selection) with another outline; both are reset.
    void swapContents(Outline& other);
    // Stable sort of the top-level nodes by Name bytes.
    void sortRootChildren(bool ascending);

    // Walks. Document order is pre-order over all nodes, collapsed and hidden ones included.
    Node* first() const;
    Node* next(const Node* node) const;
    Node* previous(const Node* node) const;
    Node* lastDeepest() const;
    Node* parentOf(const Node* node) const;  // nullptr for top-level nodes
    Node* previousSibling(const Node* node) const;
    Node* nextSibling(const Node* node) const;
    int level(const Node* node) const;  // 0 for top-level nodes
    bool isAncestorOf(const Node* ancestor, const Node* node) const;
    template <class F> void forEach(F&& f) const {
        for (Node* n = first(); n; n = next(n))
            f(n);
    }
    // The node and every node below it, in document order.
    template <class F> void forEachInSubtree(Node* node, F&& f) const {
        std::vector<Node*> pending{node};
        while (!pending.empty()) {
            Node* n = pending.back();
            pending.pop_back();
            f(n);
            pending.insert(pending.end(), n->children_.rbegin(), n->children_.rend());
        }
    }
    int totalCount() const;
    // Shown on screen: visible, and every ancestor visible and expanded.
    bool isDisplayed(const Node* node) const;

    // Focus and selection
    Node* focused() const { return focused_; }
    void setFocused(Node* node);
    int selectedCount() const { return static_cast<int>(selection_.size()); }
    void setSelected(Node* node, bool selected);
    void clearSelection();
    void selectAll();
    Node* firstSelected() const;
    Node* nextSelected(const Node* node) const;
    std::vector<Node*> selectedNodes() const;  // in document order
    // The selected nodes in no particular order, kept as they change: taken without a walk.
    const std::vector<Node*>& selection() const { return selection_; }
    // Called once, just before the selection next changes, with the selection still as it was; then
    // forgotten. One watcher at a time (the undo history, which copies a selection only then).
    void watchSelectionOnce(std::function<void()> watcher) { selectionWatcher_ = std::move(watcher); }
    // The selected nodes in document order without those inside the subtree of another selected node.
    std::vector<Node*> reducedSelection() const;

    // Node states
    void setExpanded(Node* node, bool expanded);
    void toggle(Node* node) { setExpanded(node, !node->isExpanded()); }
    void setExpandedAll(bool expanded);
    void setVisible(Node* node, bool visible);
    void setMark(Node* node, ClipboardMark mark);
    void clearMarks();
    // Sets everything the collection file carries for a node (used by the stream reader).
    void setBase(Node* node, const NodeBase& base);
    NodeBase base(const Node* node) const;
    void setRowHeight(Node* node, std::uint16_t height) { node->rowHeight_ = height; }

    // Record edits: `edit` gets the node's LinkItem to change, announced before and after.
    template <class F> void editRecord(Node* node, F&& edit) {
        notify([&](OutlineListener& l) { l.recordAboutToChange(node); });
        edit(node->data);
        notify([&](OutlineListener& l) { l.recordChanged(node); });
    }
    void setRecord(Node* node, const LinkItem& record) {
        editRecord(node, [&record](LinkItem& r) { r = record; });
    }
    // Repaint requests, and writes no one takes back (launch stamps, fired flags).
    void recordChanged(Node* node);
    void repaintAll();

    // Bulk changes: between beginUpdate and the matching endUpdate no single change is announced;
    // listeners get aboutToReset at the start and reset at the end.
    void beginUpdate();
    void endUpdate();
    // Bulk changes of node states (selection, expansion, visibility, marks): between
    // beginStatesUpdate and the matching endStatesUpdate no statesChanged is announced, and listeners
    // get one allStatesChanged at the end when anything changed. Other changes are announced as usual.
    void beginStatesUpdate();
    void endStatesUpdate();
    // Counts the changes of expansion and visibility (and resets), so that a listener hearing
    // allStatesChanged can tell whether the displayed rows may have changed or only selection and marks.
    std::uint64_t shapeChanges() const { return shapeChanges_; }

private:
    Node* newNode();
    void attach(Node* node, Node* parent, int row);
    Node* detach(Node* node);
    void destroySubtree(Node* node);
    // The selected nodes of a subtree leaving or joining the outline leave or join the list.
    void unlistSelectedIn(Node* node);
    void listSelectedIn(Node* node);
    void listSelected(Node* node);
    void unlistSelected(Node* node);
    void selectionAboutToChange() {
        if (selectionWatcher_)
            std::exchange(selectionWatcher_, nullptr)();
    }
    void updateChildFlags(Node* parent);
    bool announcing() const { return updateDepth_ == 0; }
    template <class F> void notify(F&& f) {
        for (OutlineListener* l : announcing() ? listeners_ : hearingEveryChange_)
            f(*l);
    }
    void announceContentsReplaced();
    void announceStates(Node* node);
    void announceAllStates();
    void resolveTarget(Node* target, AttachMode mode, Node*& parent, int& row) const;

    bool multiSelect_;
    Node* root_;
    Node* focused_ = nullptr;
    std::vector<Node*> selection_;  // every selected node of the outline, each knowing its slot
    std::function<void()> selectionWatcher_;
    bool keepsRemoved_ = false;
    int updateDepth_ = 0;
    int statesUpdateDepth_ = 0;
    bool statesChangedInUpdate_ = false;
    std::uint64_t shapeChanges_ = 0;
    std::vector<OutlineListener*> listeners_;
    std::vector<OutlineListener*> hearingEveryChange_;  // those of listeners_ told inside batches too
};

// A batch of an outline for the lifetime of the object: Begin on construction, End on destruction.
template <void (Outline::*Begin)(), void (Outline::*End)()> class OutlineBatch {
public:
    explicit OutlineBatch(Outline& outline) : outline_(outline) { (outline_.*Begin)(); }
    ~OutlineBatch() { (outline_.*End)(); }
    OutlineBatch(const OutlineBatch&) = delete;
    OutlineBatch& operator=(const OutlineBatch&) = delete;

private:
    Outline& outline_;
};

// Any change, announced as one reset.
using OutlineUpdate = OutlineBatch<&Outline::beginUpdate, &Outline::endUpdate>;
// Node states only, announced as one allStatesChanged.
using OutlineStatesUpdate = OutlineBatch<&Outline::beginStatesUpdate, &Outline::endStatesUpdate>;
