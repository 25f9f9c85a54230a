// Files dropped on the main window (outside the outline) become items.
#pragma once

#include "collection/Outline.h"

#include <string>
#include <vector>

// Each dropped path, in the order given, becomes a new last child of the focused item (the last
// top-level item when nothing is focused) with the path as Name and URL. Empty paths are skipped.
// Returns the new items.
std::vector<Node*> FilesDropped(Outline& linksTree, const std::vector<std::string>& paths);
