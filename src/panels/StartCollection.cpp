#include "panels/StartCollection.h"

#include "launch/HotKeyCommands.h"

#include <vector>

void PrepareStartCollection(Outline& links, HotKeyService& hotKeys, TimedActions& timedItems) {
    std::vector<Node*> timed;
    links.forEach([&](Node* item) {
        item->data.Fired = 0;
        AddLinkHotKey(hotKeys, item);
        if (TimedActions::canFire(item))
            timed.push_back(item);
    });
    timedItems.adopt(std::move(timed));
}
