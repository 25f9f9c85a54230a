// Small builders shared by the tests.
#pragma once

#include "collection/Outline.h"

#include <string>
#include <vector>

// Adds a node with the given name as the last child of parent (nullptr: top level).
inline Node* addNamed(Outline& outline, Node* parent, const std::string& name) {
    Node* n = outline.addChild(parent);
    n->data.Name = name;
    return n;
}

// The names of all nodes in document order, each prefixed by two spaces per level.
inline std::vector<std::string> shape(const Outline& outline) {
    std::vector<std::string> lines;
    outline.forEach([&](Node* n) { lines.push_back(std::string(2 * outline.level(n), ' ') + n->data.Name); });
    return lines;
}

inline std::vector<std::string> names(const std::vector<Node*>& nodes) {
    std::vector<std::string> result;
    for (const Node* n : nodes)
        result.push_back(n->data.Name);
    return result;
}
