// Incremental search: typing while a tree has the keyboard focus finds the next item whose name
// begins like the typed text. Used by all three trees.
#pragma once

#include "collection/Outline.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The comparison of one item with the search text (UTF-8): the first n characters of the item's
// Name and of the text, n being the shorter of the two lengths, compared without regard to letter
// case. 0 means a match, as a comparison result does. So an empty Name matches any text, and with
// the text "goo" both "Google" and "Go" match.
int LinksTreeIncrementalSearch(const Node* item, std::string_view searchText);

// The first item from `start` on that matches, going forward in document order over every item
// (hidden ones and those in collapsed branches included) and on from the first item after the last
// one, until back at `start`. With no start the search begins at the first item. nullptr when no
// item matches.
Node* findIncremental(const Outline& outline, Node* start, std::string_view searchText);

// The search text of one tree: characters typed within a pause of less than kPause milliseconds of
// each other are collected; a longer pause starts a new text.
class IncrementalSearch {
public:
    static constexpr std::int64_t kPause = 1000;

    // `typed` (UTF-8) arrives at `now`, a monotonic time in milliseconds. The first matching item
    // from the focused one on becomes the only selected and the focused item. Returns false, with
    // nothing changed, when no item matches; the caller then beeps.
    bool type(Outline& outline, std::string_view typed, std::int64_t now);
    const std::string& text() const { return text_; }

private:
    std::string text_;
    std::optional<std::int64_t> lastTyped_;
};
