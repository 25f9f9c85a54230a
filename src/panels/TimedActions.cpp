#include "TimedActions.h"

#include <algorithm>
#include <utility>

namespace {

// More records changed than this between two ticks are cheaper to find by walking the outline.
constexpr std::size_t kMostTouched = 1024;

// The positions among siblings from the top level down: compared as sequences, they give document
// order.
std::vector<int> documentPosition(const Node* n) {
    std::vector<int> position;
    for (; n->parent(); n = n->parent())
        position.push_back(n->index());
    std::reverse(position.begin(), position.end());
    return position;
}

}  // namespace

TimedActions::TimedActions(Outline& outline) : outline_(outline) { outline_.addListener(this); }

TimedActions::~TimedActions() { outline_.removeListener(this); }

void TimedActions::recordChanged(Node* node) {
    if (touched_.size() < kMostTouched)
        touched_.push_back(node);
    else
        changed();
}

void TimedActions::rebuild() {
    pending_.clear();
    touched_.clear();
    for (Node* n = outline_.first(); n; n = outline_.next(n))
        if (canFire(n))
            pending_.push_back(n);
    builtAt_ = changes_;
}

void TimedActions::adopt(std::vector<Node*> timedItems) {
    pending_ = std::move(timedItems);
    touched_.clear();
    builtAt_ = changes_;
}

// Adds the changed records that can now fire, keeping document order. The structure has not changed
// since the list was built, so every touched node still exists.
void TimedActions::takeTouched() {
    bool added = false;
    for (Node* n : std::exchange(touched_, {}))
        if (canFire(n) && std::find(pending_.begin(), pending_.end(), n) == pending_.end()) {
            pending_.push_back(n);
            added = true;
        }
    if (!added)
        return;
    std::vector<std::pair<std::vector<int>, Node*>> ordered;
    ordered.reserve(pending_.size());
    for (Node* n : pending_)
        ordered.emplace_back(documentPosition(n), n);
    std::sort(ordered.begin(), ordered.end());
    for (std::size_t i = 0; i < ordered.size(); ++i)
        pending_[i] = ordered[i].second;
}

void TimedActions::fire(const Clock& clock, const TimedActionServices& services) {
    if (builtAt_ != changes_)
        rebuild();
    else
        takeTouched();
    const std::string now = getTime(clock);
    const std::uint64_t tick = ++ticks_;
    for (std::size_t i = 0; i < pending_.size();) {
        LinkItem& item = pending_[i]->data;
        if (item.Fired != 0) {
            pending_.erase(pending_.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        if (item.Time != now) {
            ++i;
            continue;
        }
        // Marked before acting: a launch can open a modal message, whose event loop runs the timer
        // again, and the item must not fire a second time from inside its own launch.
        item.Fired = 255;
        Node* node = pending_[i];
        pending_.erase(pending_.begin() + static_cast<std::ptrdiff_t>(i));
        if (!item.Remind.empty() && services.balloon)
            services.balloon(kReminderTitle, item.Name + kReminderSuffix, kReminderSeconds);
        if (!item.Execute.empty() && services.launch)
            services.launch(node);
        // A tick run inside the action has fired what was due. A change made meanwhile leaves the
        // list stale: it is built again and the walk starts over, the fired items no longer in it.
        if (ticks_ != tick)
            return;
        if (builtAt_ != changes_) {
            rebuild();
            i = 0;
        }
    }
}
