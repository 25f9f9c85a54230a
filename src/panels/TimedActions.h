// The timer's timed actions: every item due at the current "hh:mm" fires once per run.
#pragma once

#include "collection/Clock.h"
#include "collection/Outline.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct TimedActionServices {
    // A balloon at the notification-area icon: title, text, time-out in seconds.
    std::function<void(const std::string&, const std::string&, int)> balloon;
    // Launches one item (BrowseNodeURL with launch mode 0).
    std::function<void(Node*)> launch;
};

inline constexpr const char* kReminderTitle = "Notification:";
inline constexpr const char* kReminderSuffix = " is about to be opened";
inline constexpr int kReminderSeconds = 10;
inline constexpr int kTimerIntervalMs = 2000;

// Fires the items of one outline. The timer ticks every two seconds over collections of a million
// items, so the items that can still fire (a Time, Fired 0) are kept in a list: a tick costs the
// timed items, not the collection. An item whose record changed is looked at again by the next tick;
// a change to the outline's structure makes the list stale, and the next tick walks the whole
// outline once to build it again.
class TimedActions : private OutlineListener {
public:
    explicit TimedActions(Outline& outline);
    ~TimedActions() override;
    TimedActions(const TimedActions&) = delete;
    TimedActions& operator=(const TimedActions&) = delete;

    // Every item (collapsed and hidden ones too) whose Time equals getTime and whose Fired is 0, in
    // document order: a balloon when Remind is set, a launch when Execute is set, and Fired := 255 in
    // any case.
    void fire(const Clock& clock, const TimedActionServices& services);
    // Fired flags were changed without an announcement (SetFlags clears them all): the next tick
    // walks the outline again.
    void refresh() { changed(); }
    // The list made by a walk that has just looked at every item in document order (start-up's one
    // walk over a loaded collection), so the next tick need not walk again.
    void adopt(std::vector<Node*> timedItems);
    // Whether an item belongs in the list: it has a Time and has not fired in this run.
    static bool canFire(const Node* node) { return !node->data.Time.empty() && node->data.Fired == 0; }

private:
    void rebuild();
    void takeTouched();
    void changed() { ++changes_; }

    void nodesAboutToBeInserted(Node*, int, int) override { changed(); }
    void nodesInserted(Node*, int, int) override { changed(); }
    void nodesAboutToBeRemoved(Node*, int, int) override { changed(); }
    void nodesRemoved(Node*, int, int) override { changed(); }
    void nodeAboutToBeMoved(Node*, Node*, int) override { changed(); }
    void nodeMoved(Node*) override { changed(); }
    void recordChanged(Node* node) override;
    void aboutToReset() override { changed(); }
    void reset() override { changed(); }

    Outline& outline_;
    std::vector<Node*> pending_;  // items with a Time and Fired 0, in document order
    std::vector<Node*> touched_;  // items whose record changed since the last tick
    std::uint64_t changes_ = 1;   // outline changes heard
    std::uint64_t builtAt_ = 0;   // changes_ when pending_ was built
    std::uint64_t ticks_ = 0;     // fire() calls begun, nested ones included
};
