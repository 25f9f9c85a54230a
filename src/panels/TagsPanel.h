// The tag list (MarksTree): an index into the outline, rebuilt from it on demand and never stored.
// The "Group" view lists the top-level items, a letter view every item whose name begins with the
// letter. Entries carry only Name and ItemType; the way back to the outline is the Name.
#pragma once

#include "collection/Outline.h"

#include <cstdint>

// The header's sort state. The entries have no ordering among themselves, so sorting never moves
// them: the state only decides the glyph the header shows.
struct TagSort {
    static constexpr int kNoColumn = -1;
    int column = kNoColumn;
    bool ascending = true;
};

// Odd rows of the tag list: red 0xEE, green 0xEE, blue 0xFF, as a colour value 0x00BBGGRR.
inline constexpr std::uint32_t kTagListOddRowColor = 0xFFEEEE;

// "Group": the top-level items of the outline in document order; the first entry is focused.
void GetBookmarks(const Outline& links, Outline& marks, TagSort& sort);

// A letter view: every item, at any level, whose Name begins with the upper-case `letter`; nothing
// is focused.
void GetLetterBookmarks(const Outline& links, Outline& marks, char letter, TagSort& sort);

// A left click on header column `column` (0 is the main column): the first click sorts ascending,
// every further click flips the direction; a click elsewhere clears the sort column.
void MarksTreeHeaderClick(TagSort& sort, int column);

// The outline item the tag list leads to: the first item in document order named exactly as the
// first selected entry. nullptr when the list holds fewer than two entries, when no entry is
// selected, or when no item bears the name any more.
Node* TagTarget(const Outline& marks, const Outline& links);
