// The outline's commands that add one new item at a place fixed by the focused item. The selection
// plays no part in where an item lands; only InsertByType changes focus and selection.
#pragma once

#include "collection/Outline.h"
#include "editing/EditingHost.h"

#include <cstdint>

class Clipboard;

// "Add Root Item": a Note as the last top-level item; properties dialog, then the tag list is rebuilt.
Node* AddRootLink(Outline& links, const EditingHost& host);
// "Add Item": a Note as the last sibling of the focused item (last top-level item when the focused
// item is top-level or nothing is focused); properties dialog, then keyboard focus to the title box.
Node* AddChildLink(Outline& links, const EditingHost& host);
// "Add Item Right": a Note as the last child of the focused item; properties dialog.
Node* AddItemRight(Outline& links, const EditingHost& host);
// "Add Item Left": a Note one level up from the focused item, after all siblings of its parent (last
// top-level item when the focused item is at level 0 or 1); properties dialog.
Node* AddItemLeft(Outline& links, const EditingHost& host);
// "Add Item Before": an all-zero item directly before the focused item; properties dialog.
Node* InsertLinkBefore(Outline& links, const EditingHost& host);
// "Insert Link After": an all-zero item directly after the focused item; properties dialog.
Node* InsertLinkAfter(Outline& links, const EditingHost& host);
// The typed insert commands: an item of the given type as the last sibling of the focused item,
// made the only selected and the focused item, then the properties dialog.
Node* InsertByType(Outline& links, const EditingHost& host, std::int32_t itemType);
// The Insert key in the outline: a Note as the last child of the focused item, and nothing else.
Node* InsertKeyPressed(Outline& links);
// "Add Link From Clipboard": a Note as the last child of the focused item whose Name and URL are the
// clipboard's plain text (empty without text); properties dialog.
Node* AddLinkFromClipboard(Outline& links, const Clipboard& clipboard, const EditingHost& host);
