// Commands that change the states of many items reach the outline's listeners as one change: a view
// then rebuilds its mirror once instead of row after row. A change of a few items stays item by item.
#include "EditingFixtures.h"
#include "editing/Expanding.h"
#include "editing/LevelViews.h"
#include "editing/Navigation.h"
#include "editing/Selection.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

namespace {

struct CountingListener : OutlineListener {
    int single = 0;  // changes of one item
    int bulk = 0;    // whole-outline announcements
    void statesChanged(Node*) override { ++single; }
    void allStatesChanged() override { ++bulk; }
    void reset() override { ++bulk; }
};

TEST(StateChanges, ManyItemsAreAnnouncedOnceAndAFewOneByOne) {
    struct Case {
        const char* what;
        std::function<void(Outline&)> command;
        bool bulk;
    } cases[] = {
        {"Level 1", [](Outline& o) { ShowLevel(o, 0); }, true},
        {"All Levels after Level 1",
         [](Outline& o) {
             ShowLevel(o, 0);
             AllLevels(o);
         },
         true},
        {"hoist", Hoist, true},
        {"Expand All", ExpandAll, true},
        {"Collapse All", CollapseAll, true},
        {"All", SelectAll, true},
        {"All Visible", SelectAllVisible, true},
        {"Invert", Invert, true},
        {"Unselect All after All",
         [](Outline& o) {
             SelectAll(o);
             UnselectAll(o);
         },
         true},
        {"Expand", ExpandFocused, false},
        {"All subs of a small branch", ExpandAllSubs, false},
        {"Goto Last", GotoLast, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Outline o;
        // 100 groups of 5 items; the second group expanded, the first focused.
        for (int g = 0; g < 100; ++g) {
            Node* group = addNamed(o, nullptr, "group");
            for (int i = 0; i < 5; ++i)
                addNamed(o, group, "item");
        }
        o.setExpanded(o.root()->child(1), true);
        o.setFocused(o.first());
        CountingListener listener;
        o.addListener(&listener);
        c.command(o);
        o.removeListener(&listener);
        if (c.bulk) {
            EXPECT_EQ(listener.single, 0);
            EXPECT_GE(listener.bulk, 1);
        } else {
            EXPECT_GE(listener.single, 1);
            EXPECT_EQ(listener.bulk, 0);
        }
    }
}

} // namespace
