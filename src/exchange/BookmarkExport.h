// The step from the collection to a bookmark tree for an HTML bookmark file: Group items become
// folders; URL, Google Search, Saved Page, Folder, File, Email and Application items become links;
// items of other types and items without an address are left out and counted.
#pragma once

#include "collection/Outline.h"
#include "exchange/BookmarkTree.h"

#include <string>

struct CollectedBookmarks {
    BookmarkTree tree;
    std::size_t links = 0;
    std::size_t folders = 0;
    std::size_t leftOut = 0;
};

// The address a browser gets for an item: its URL, its search address, a "file://" address for a
// path, a "mailto:" address; empty when the item has none.
std::string bookmarkAddress(const LinkItem& item);

// The whole collection, or the selected items (each with its subtree, none twice). The items below
// an item that is not a Group follow it in the same folder, so that nothing reachable is lost.
CollectedBookmarks collectBookmarks(const Outline& tree, bool selectedOnly);

// "Exported 4 512 bookmarks in 213 folders; 12 items without a web form left out."
std::string exportSummaryText(const CollectedBookmarks& collected);

// Writes the HTML bookmark file safely (a failure leaves an existing file as it was). Throws FileError.
void writeBookmarkFile(const std::string& path, const std::string& html);

// The command-line export: the collection file at `collectionPath` as an HTML bookmark file at
// `htmlPath`. Returns the error text for the user, empty when it worked.
std::string exportCollectionFile(const std::string& collectionPath, const std::string& htmlPath);
