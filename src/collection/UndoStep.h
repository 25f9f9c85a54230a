// One step of the undo history: the changes one command made to an outline, as the outline announced
// them, each with what is needed to take it back, and the focus and selection before and after.
#pragma once

#include "LinkItem.h"
#include "NodeStream.h"
#include "Outline.h"
#include "OutlinePath.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// Rows first..last of the parent were inserted.
struct InsertedNodes {
    OutlinePath parent;
    int first = 0;
    int last = 0;
};

// Rows first.. of the parent were removed; `chunks` holds them with their subtrees as node chunks.
struct RemovedNodes {
    OutlinePath parent;
    int first = 0;
    Bytes chunks;
};

// A node went from row fromRow of fromParent to row toRow of toParent (rows after the move).
struct MovedNode {
    OutlinePath fromParent;
    int fromRow = 0;
    OutlinePath toParent;
    int toRow = 0;
};

// The record of the node at `node` held `before` until it was edited. The copy sits apart, so that
// the many changes of other kinds stay small.
struct EditedRecord {
    OutlinePath node;
    std::unique_ptr<const LinkItem> before;
};

using OutlineChange = std::variant<InsertedNodes, RemovedNodes, MovedNode, EditedRecord>;

// The focused item and the selected items at one moment.
struct OutlineMarks {
    std::optional<OutlinePath> focus;
    PathList selection;

    static OutlineMarks of(const Outline& outline, const Node* focus);
    std::size_t bytes() const;
};

struct UndoStep {
    std::string name;
    std::vector<OutlineChange> changes;
    OutlineMarks before, after;
    std::size_t bytes = 0;  // what the step holds in memory, counted when it is finished

    std::size_t countBytes() const;
};

// Takes one change back through the outline's own operations, which announce it as any change. Nodes
// read back from chunks pass through `scratch`. Throws (PathError, OutlineError, StreamError) when
// the outline does not hold what the change left.
void applyInverse(Outline& outline, const OutlineChange& change, Outline& scratch);

// Focus and selection as the marks give them; the focus is set by the caller, after any batch.
// Returns the node the marks focus, or nullptr.
Node* restoreSelection(Outline& outline, const OutlineMarks& marks);
