// One step of the undo history: the changes one command made to an outline, as the outline announced
// them, each with what is needed to take it back, and the focus and selection before and after.
// Nodes keep their identity for the history's lifetime: a removed node is kept, not destroyed, and
// undo puts the very same node back, so a step names nodes directly.
#pragma once

#include "LinkItem.h"
#include "Outline.h"

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

// Raised when the outline does not hold what a recorded change left (which no command can cause).
class UndoError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Nodes taken out of an outline and kept detached with their subtrees; destroyed with this object
// unless put back first.
class KeptNodes {
public:
    KeptNodes() = default;
    KeptNodes(Outline& outline, std::vector<Node*> nodes);
    KeptNodes(KeptNodes&& other) noexcept;
    KeptNodes& operator=(KeptNodes&& other) noexcept;
    ~KeptNodes();

    const std::vector<Node*>& nodes() const { return nodes_; }
    void add(Node* node) { nodes_.push_back(node); }
    std::vector<Node*> release();

private:
    Outline* outline_ = nullptr;
    std::vector<Node*> nodes_;
};

// Changes of one kind heard one after another join one change, a run, taken back newest first: a
// command over 100 000 items spread over the outline records a few runs, not 100 000 changes.

// Rows first..last of the parent were inserted.
struct InsertedRows {
    Node* parent;
    int first;
    int last;
};

struct InsertedNodes {
    std::vector<InsertedRows> insertions;
};

// Where a removed node was: at `row` of `parent`, as the outline stood just before it went.
struct RemovalPlace {
    Node* parent;
    int row;
};

// Nodes removed one after another, each from its place, and kept: node i of `kept` left places[i].
// Rows first..last of one parent are recorded as that many removals at `first`.
struct RemovedNodes {
    std::vector<RemovalPlace> places;
    KeptNodes kept;
};

// The node went to another place; before, it was at row fromRow of fromParent.
struct MovedNode {
    Node* node;
    Node* fromParent;
    int fromRow;
};

struct MovedNodes {
    std::vector<MovedNode> moves;
};

// The node's record held `before` until it was edited. The copy sits apart, so that the many
// changes of other kinds stay small.
struct EditedRecord {
    Node* node;
    std::unique_ptr<const LinkItem> before;
};

using OutlineChange = std::variant<InsertedNodes, RemovedNodes, MovedNodes, EditedRecord>;

// The selected items (in no particular order) at one moment. They are copied only when the selection
// is about to change: until then they are the outline's own selection, so a command that leaves the
// selection alone copies nothing, and steps in a row without a selection change share one snapshot.
struct SelectionSnapshot {
    std::size_t size = 0;      // how many items were selected
    bool taken = false;        // the selection has changed since, and `nodes` holds it as it was
    std::vector<Node*> nodes;  // once taken

    std::size_t bytes() const { return sizeof(SelectionSnapshot) + size * sizeof(Node*); }
};

// The focused item and the selected items at one moment.
struct OutlineMarks {
    Node* focus = nullptr;
    std::shared_ptr<SelectionSnapshot> selection;
};

struct UndoStep {
    std::string name;
    std::vector<OutlineChange> changes;
    OutlineMarks before, after;
    std::size_t bytes = 0;  // what the step holds in memory, counted when it is finished

    std::size_t countBytes() const;
};

// Takes one change back through the outline's own operations, which announce it as any change; nodes
// put back are no longer the change's. Throws (UndoError, OutlineError) when the outline does not
// hold what the change left.
void applyInverse(Outline& outline, OutlineChange& change);

// The selection as the marks give it, announced as one bulk change of states; nothing when the
// selection has not changed since. The focus is the caller's to set, after any batch.
void restoreSelection(Outline& outline, const OutlineMarks& marks);

// How many of the outline's operations take the change back.
std::size_t operationCount(const OutlineChange& change);

// Whether taking the change back alters the top-level items (their set, order or records), judged
// before it is taken back.
bool changesTopLevel(const Outline& outline, const OutlineChange& change);

// The item a change concerned, once it has been taken back (to show it); nullptr when none is left.
Node* changedItem(const Outline& outline, const OutlineChange& change);
