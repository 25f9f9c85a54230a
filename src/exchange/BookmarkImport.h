// The step from a bookmark tree to the collection: one new top-level Group holding the source's
// folders as Group items and its bookmarks as URL items, in the source's order. The group is built
// in an outline of its own and joins the collection in one insertion, so a cancelled or failed
// import leaves the collection exactly as it was, and the import is one step to undo.
#pragma once

#include "collection/Outline.h"
#include "exchange/BookmarkTree.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>

struct ImportSummary {
    std::size_t bookmarks = 0;
    std::size_t folders = 0;
    std::size_t alreadyThere = 0;    // left out: the collection holds the address
    std::size_t bookmarklets = 0;    // left out: "javascript:" addresses
    std::size_t withoutAddress = 0;  // left out: empty addresses
};

// "Imported 4 512 bookmarks in 213 folders; 37 already in the collection, 3 bookmarklets left out."
std::string importSummaryText(const ImportSummary& summary);

// An address as the duplicate rule compares it: scheme and host without letter case, no trailing slash.
std::string addressKey(std::string_view url);

using KnownAddresses = std::unordered_set<std::string>;
// The comparison form of every address the collection holds.
KnownAddresses addressesOf(const Outline& tree);

// The name of the new group: the source and the day, as "Firefox (default-release) 2026-12-10".
std::string importGroupName(std::string_view source, std::string_view day);
// Today's local date as "2026-12-10".
std::string todayText();

class PreparedImport {
public:
    // `known` nullptr keeps every bookmark; otherwise those whose address it holds are left out.
    // The texts are moved out of the tree, so that they are never held twice.
    PreparedImport(BookmarkTree tree, const std::string& groupName, const KnownAddresses* known);

    const ImportSummary& summary() const { return summary_; }
    // Moves the group in as the last top-level item of `tree`, in one announced insertion; returns
    // it. Once only: afterwards the prepared import is empty.
    Node* attachTo(Outline& tree);

private:
    std::unique_ptr<Outline> group_;
    ImportSummary summary_;
};
