// Finding items of an outline by a query (FindQuery.h): every item is looked at as it is now, hidden
// and collapsed ones included, so a change made a moment ago is found. No index is kept: the item
// texts lie packed in one arena, and a scan of them costs less than following the outline's changes. The best matches
// come first: by rank (ItemMatch.h), then, where asked, the item launched most recently, then document order.
#pragma once

#include "collection/Outline.h"
#include "find/LaunchRecency.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

struct FindOptions {
    std::size_t limit = 200;  // the most items the result holds
    bool recentFirst = false; // among equal ranks, the most recently launched first
};

struct FindResult {
    std::vector<Node*> items; // the best matches, best first
    std::size_t total = 0;    // how many items match in all
    std::uint64_t generation = 0;
};

class Finder final : private OutlineListener {
public:
    explicit Finder(Outline& outline, DateOrder dateOrder = localeDateOrder());
    ~Finder() override;
    Finder(const Finder&) = delete;
    Finder& operator=(const Finder&) = delete;

    Outline& outline() const { return outline_; }

    // The matches of a query typed as UTF-8; none for an empty query.
    FindResult find(std::string_view typed, const FindOptions& options = {}) const;
    // False once an item may have left the outline since the result was made: its nodes must not be
    // used, the query is run again.
    bool isCurrent(const FindResult& result) const { return result.generation == generation_; }

    // An item was launched from a find: it counts as the most recent launch, before any stamp of the
    // same minute.
    void launched(Node* item);

private:
    void nodesAboutToBeRemoved(Node* parent, int first, int last) override;
    void aboutToReset() override;

    Outline& outline_;
    DateOrder dateOrder_;
    std::unordered_map<const Node*, std::uint64_t> launches_; // this run's launches, by order
    std::uint64_t launchCount_ = 0;
    std::uint64_t generation_ = 0;
};
