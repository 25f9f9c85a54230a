#include "editing/Expanding.h"
#include "EditingFixtures.h"
#include "OutlineStates.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAreArray;

namespace {

using Lines = std::vector<std::string>;

// A
//   A1
//     A11
//   A2
// B (hidden)
//   B1
TEST(Expanding, ChangesOnlyExpansionOfTheItemsEachCommandNames) {
    struct Case {
        const char* what;
        void (*command)(Outline&);
        const char* focused;
        Lines expandedBefore;
        Lines statesAfter;
    } cases[] = {
        {"Expand All expands every item with children, hidden ones too", ExpandAll, nullptr, {},
         {"A +", "  A1 +", "    A11", "  A2", "B +h", "  B1"}},
        {"Collapse All", CollapseAll, nullptr, {"A", "A1", "A11", "B"}, {"A", "  A1", "    A11", "  A2", "B h", "  B1"}},
        {"Hide collapses the focused item", HideFocused, "A", {"A", "A1"},
         {"A *", "  A1 +", "    A11", "  A2", "B h", "  B1"}},
        {"Expand expands the focused item", ExpandFocused, "A1", {}, {"A", "  A1 +*", "    A11", "  A2", "B h", "  B1"}},
        {"All subs expands the focused item and the branches below it", ExpandAllSubs, "A", {},
         {"A +*", "  A1 +", "    A11", "  A2", "B h", "  B1"}},
        {"Toggle expands a collapsed item", ToggleFocused, "A", {}, {"A +*", "  A1", "    A11", "  A2", "B h", "  B1"}},
        {"Toggle collapses an expanded item", ToggleFocused, "A", {"A"},
         {"A *", "  A1", "    A11", "  A2", "B h", "  B1"}},
        {"Hide with nothing focused", HideFocused, nullptr, {"A"}, {"A +", "  A1", "    A11", "  A2", "B h", "  B1"}},
        {"Expand with nothing focused", ExpandFocused, nullptr, {}, {"A", "  A1", "    A11", "  A2", "B h", "  B1"}},
        {"All subs with nothing focused", ExpandAllSubs, nullptr, {}, {"A", "  A1", "    A11", "  A2", "B h", "  B1"}},
        {"Toggle with nothing focused", ToggleFocused, nullptr, {}, {"A", "  A1", "    A11", "  A2", "B h", "  B1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Outline o;
        build(o, {"A", "  A1", "    A11", "  A2", "B", "  B1"});
        o.setVisible(named(o, "B"), false);
        for (const std::string& name : c.expandedBefore)
            o.setExpanded(named(o, name), true);
        if (c.focused)
            o.setFocused(named(o, c.focused));
        c.command(o);
        EXPECT_THAT(states(o), ElementsAreArray(c.statesAfter));
    }
}

} // namespace
