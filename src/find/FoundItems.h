// What the find bar and the quick launcher do with a found item, and what they show of it.
#pragma once

#include "collection/Outline.h"
#include "find/Finder.h"
#include "launch/Launcher.h"

#include <string>

// The names of the groups above an item, outermost first, as the program shows them: "Work › Tools";
// empty for a top-level item.
std::string groupPath(const Outline& outline, const Node* item);

// Makes the item the focused and only selected item, shown on screen: hidden ones (by a level view)
// are shown again together with their ancestors, and its collapsed ancestors are expanded.
void focusFoundItem(Outline& outline, Node* item);

// Launches the item as Enter in the outline does (mode 0), stamps its "Last visited" and tells the
// finder, so that it comes first among equals in the next find.
void launchFoundItem(Launcher& launcher, Finder& finder, Node* item);
