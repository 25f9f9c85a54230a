// The one operation that appends a new link item to any of the three trees.
#pragma once

#include "collection/Outline.h"

#include <string>

// Which of the program's three trees an operation works on.
enum class TreeKind { Links, Marks, Dir };

// Appends a new item as the last child of `parent` (nullptr: the last top-level item) with Name set to
// `title` and URL to `address`. Items made on the outline, or under a tree's root() named as the
// parent (not nullptr), are Notes; other items keep type 0.
// Nothing is repainted, focused or selected.
Node* CreateNewLink(Outline& tree, TreeKind kind, Node* parent, const std::string& address = {},
                    const std::string& title = {});
