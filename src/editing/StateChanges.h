// How a command that changes the node states of many items tells the outline's listeners. A view
// updates a few rows cheaply one by one, but rebuilding its whole mirror once is far cheaper than
// updating many thousands of rows one at a time.
#pragma once

#include "collection/Outline.h"
#include "editing/BulkChange.h"

#include <cstddef>

// Runs `change`, which changes the states of about `items` items, as one bulk change of the outline
// when they are more than kItemsAnnouncedOneByOne: listeners rebuild what they show.
template <class Change> void changeStates(Outline& outline, std::size_t items, Change&& change) {
    BulkChange batch(outline, items);
    change();
}

// The same for a change of the selection alone: above kItemsAnnouncedOneByOne items, listeners hear
// one allStatesChanged, so a view repaints without laying its rows out again.
template <class Change> void changeSelection(Outline& outline, std::size_t items, Change&& change) {
    BulkStatesChange batch(outline, items);
    change();
}
