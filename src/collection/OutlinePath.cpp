#include "OutlinePath.h"

#include <algorithm>

OutlinePath pathOf(const Outline& outline, const Node* node) {
    OutlinePath path;
    for (const Node* n = node; n && n != outline.root(); n = n->parent())
        path.push_back(n->index());
    std::reverse(path.begin(), path.end());
    return path;
}

Node* nodeAt(const Outline& outline, const OutlinePath& path) {
    Node* n = outline.root();
    for (std::int32_t row : path) {
        if (row < 0 || row >= n->childCount())
            throw PathError("A recorded item is no longer where it was.");
        n = n->child(row);
    }
    return n;
}

void PathList::add(const Outline& outline, const Node* node) {
    const std::size_t start = rows_.size();
    rows_.push_back(0);
    for (const Node* n = node; n && n != outline.root(); n = n->parent())
        rows_.push_back(n->index());
    std::reverse(rows_.begin() + static_cast<std::ptrdiff_t>(start) + 1, rows_.end());
    rows_[start] = static_cast<std::int32_t>(rows_.size() - start - 1);
}

std::vector<Node*> PathList::resolve(const Outline& outline) const {
    std::vector<Node*> nodes;
    for (std::size_t i = 0; i < rows_.size();) {
        const auto length = static_cast<std::size_t>(rows_[i++]);
        Node* n = outline.root();
        for (std::size_t k = 0; k < length && n; ++k) {
            const std::int32_t row = rows_[i + k];
            n = row >= 0 && row < n->childCount() ? n->child(row) : nullptr;
        }
        i += length;
        if (n && n != outline.root())
            nodes.push_back(n);
    }
    return nodes;
}
