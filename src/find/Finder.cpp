#include "Finder.h"

#include "find/FindQuery.h"
#include "find/ItemMatch.h"

#include <algorithm>
#include <queue>

namespace {

struct Candidate {
    int rank;
    std::int64_t stamp;   // 0 unless recent items come first
    std::uint64_t launch; // this run's launch order, 0 for none
    std::size_t ordinal;  // document order
    Node* node;
};

// True when a comes before b in the result.
bool before(const Candidate& a, const Candidate& b) {
    if (a.rank != b.rank)
        return a.rank < b.rank;
    if (a.stamp != b.stamp)
        return a.stamp > b.stamp;
    if (a.launch != b.launch)
        return a.launch > b.launch;
    return a.ordinal < b.ordinal;
}

} // namespace

Finder::Finder(Outline& outline, DateOrder dateOrder) : outline_(outline), dateOrder_(dateOrder) {
    outline_.addListener(this);
}

Finder::~Finder() {
    outline_.removeListener(this);
}

FindResult Finder::find(std::string_view typed, const FindOptions& options) const {
    FindResult result;
    result.generation = generation_;
    const FindQuery query = parseFindQuery(typed);
    if (query.empty() || options.limit == 0)
        return result;
    ItemMatcher matcher(query);
    // The worst of the best `limit` candidates on top, to be replaced by a better one.
    std::priority_queue<Candidate, std::vector<Candidate>, decltype(&before)> best(&before);
    std::size_t ordinal = 0;
    for (Node* node = outline_.first(); node; node = outline_.next(node)) {
        const std::size_t here = ordinal++;
        const int rank = matcher.rank(node->data);
        if (rank < 0)
            continue;
        ++result.total;
        Candidate c{rank, 0, 0, here, node};
        if (options.recentFirst) {
            c.stamp = accessStamp(std::string_view(node->data.AccessInfo), dateOrder_);
            if (auto it = launches_.find(node); it != launches_.end())
                c.launch = it->second;
        }
        if (best.size() < options.limit) {
            best.push(c);
        } else if (before(c, best.top())) {
            best.pop();
            best.push(c);
        }
    }
    result.items.resize(best.size());
    for (std::size_t i = best.size(); i > 0; --i) {
        result.items[i - 1] = best.top().node;
        best.pop();
    }
    return result;
}

void Finder::launched(Node* item) {
    if (item)
        launches_[item] = ++launchCount_;
}

void Finder::nodesAboutToBeRemoved(Node* parent, int first, int last) {
    ++generation_;
    if (launches_.empty())
        return;
    for (int row = first; row <= last; ++row) {
        const Node* removed = parent->child(row);
        std::erase_if(launches_, [&](const auto& entry) {
            return entry.first == removed || outline_.isAncestorOf(removed, entry.first);
        });
    }
}

void Finder::aboutToReset() {
    ++generation_;
    launches_.clear();
}
