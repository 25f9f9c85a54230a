// The rules that keep the title box above the outline and the focused item's Name in step.
#pragma once

#include "collection/Outline.h"

#include <string>

namespace TitleBox {

// The text the title box shows for an item.
std::string textFor(const Node* item);

// Gives the title box text to the item: its Name becomes the text, unless the text is just how the
// Name is already shown (then the stored bytes stay as they are, 8-bit texts included). The item is
// repainted when its Name changed. Returns true when it changed.
bool storeInto(Outline& outline, Node* item, const std::string& titleText);

// The title box text at start-up: the focused item's Name, else the first selected item's, else
// nothing (the box keeps its text).
const Node* startItem(const Outline& outline);

} // namespace TitleBox
