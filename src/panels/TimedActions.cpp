#include "TimedActions.h"

void FireTimedActions(Outline& outline, const Clock& clock, const TimedActionServices& services) {
    const std::string now = getTime(clock);
    // Called every two seconds over the whole collection: the cheap checks come first, and nothing
    // is allocated per item.
    for (Node* n = outline.first(); n; n = outline.next(n)) {
        LinkItem& item = n->data;
        if (item.Fired != 0 || item.Time.size() != now.size() || item.Time != now)
            continue;
        // Marked before acting: a launch can open a modal message, whose event loop runs the timer
        // again, and the item must not fire a second time from inside its own launch.
        item.Fired = 255;
        if (!item.Remind.empty() && services.balloon)
            services.balloon(kReminderTitle, item.Name + kReminderSuffix, kReminderSeconds);
        if (!item.Execute.empty() && services.launch)
            services.launch(n);
    }
}
