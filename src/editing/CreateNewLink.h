// The operations that make new, empty items in a tree: the one that appends a link item to any of the
// three trees, and the one that places an all-zero item beside the focused item.
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

// Where AddNodeTo puts the new item relative to the focused item.
enum class AddPosition { Before = 1, After = 2 };

// Inserts an item with the all-zero record (a Group with an empty Name) directly before or after the
// focused item of `tree`; with nothing focused, as the first (Before) or last (After) top-level item.
Node* AddNodeTo(Outline& tree, AddPosition position);
