// Where a node sits in an outline, as the row at each level from the top: a position that stays
// meaningful after the node itself is gone, so a recorded change can be found again later.
#pragma once

#include "Outline.h"

#include <cstdint>
#include <stdexcept>
#include <vector>

using OutlinePath = std::vector<std::int32_t>;  // empty: the root

// Raised when a path names no node of the outline.
class PathError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

OutlinePath pathOf(const Outline& outline, const Node* node);
// The node at the path; throws PathError when there is none.
Node* nodeAt(const Outline& outline, const OutlinePath& path);

// Many paths in one flat block (each path's length, then its rows): a selection of many thousand
// items costs one allocation.
class PathList {
public:
    void add(const Outline& outline, const Node* node);
    bool empty() const { return rows_.empty(); }
    std::size_t bytes() const { return rows_.capacity() * sizeof(std::int32_t); }
    void shrink() { rows_.shrink_to_fit(); }
    // The nodes at the paths; a path that names no node is left out.
    std::vector<Node*> resolve(const Outline& outline) const;

private:
    std::vector<std::int32_t> rows_;
};
