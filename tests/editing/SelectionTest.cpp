#include "editing/Selection.h"
#include "EditingFixtures.h"
#include "OutlineStates.h"
#include "editing/LevelViews.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

using ::testing::ElementsAreArray;

namespace {

using Lines = std::vector<std::string>;

// A (expanded)
//   A1 (collapsed)
//     A11
//   A2 (hidden)
// B
TEST(SelectionCommands, ReachUndisplayedItemsAsTheySayAndNeverMoveTheFocus) {
    struct Case {
        const char* what;
        std::vector<std::function<void(Outline&)>> commands;
        Lines selectedBefore;
        Lines selectedAfter;
    } cases[] = {
        {"All takes hidden items and those in collapsed branches", {SelectAll}, {}, {"A", "A1", "A11", "A2", "B"}},
        {"All Visible takes the displayed items and keeps the others", {SelectAllVisible}, {"A11"},
         {"A", "A1", "A11", "B"}},
        {"Unselect All", {UnselectAll}, {"A11", "A2"}, {}},
        {"Invert with nothing selected selects every item, hidden ones included", {Invert}, {},
         {"A", "A1", "A11", "A2", "B"}},
        {"Invert flips every item", {Invert}, {"A1", "A2"}, {"A", "A11", "B"}},
        {"Invert twice restores the selection", {Invert, Invert}, {"A1", "A2"}, {"A1", "A2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Outline o;
        build(o, {"A", "  A1", "    A11", "  A2", "B"});
        o.setExpanded(named(o, "A"), true);
        o.setVisible(named(o, "A2"), false);
        select(o, c.selectedBefore);
        o.setFocused(named(o, "A11"));
        for (const auto& command : c.commands)
            command(o);
        EXPECT_THAT(selectedNames(o), ElementsAreArray(c.selectedAfter));
        EXPECT_EQ(o.selectedCount(), static_cast<int>(c.selectedAfter.size()));
        EXPECT_EQ(focusedName(o), "A11");
    }
}

} // namespace
