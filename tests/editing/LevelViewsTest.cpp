#include "editing/LevelViews.h"
#include "EditingFixtures.h"
#include "OutlineStates.h"
#include "collection/NodeStream.h"
#include "editing/Expanding.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

using Lines = std::vector<std::string>;
using Command = std::function<void(Outline&)>;

const Lines kSample = {"A", "  A1", "    A11", "  A2", "B", "  B1"};

Command level(int n) {
    return [n](Outline& o) { ShowLevel(o, n - 1); };
}

TEST(LevelViews, ShowTheChosenLevelsAndKeepExpansionFocusAndSelection) {
    struct Case {
        const char* what;
        std::vector<Command> commands;
        Lines displayed;
    } cases[] = {
        {"Level 1 after Expand All shows the top items, still expanded", {ExpandAll, level(1)}, {"A +", "B +"}},
        {"All Levels brings the expanded outline back",
         {ExpandAll, level(1), AllLevels},
         {"A +", "  A1 +", "    A11", "  A2", "B +", "  B1"}},
        {"Level 2", {ExpandAll, level(2)}, {"A +", "  A1 +", "  A2", "B +", "  B1"}},
        {"a level view is not undone by collapsing and expanding",
         {level(1), CollapseAll, ExpandAll},
         {"A +", "B +"}},
        {"a wider level view replaces a narrower one", {ExpandAll, level(1), level(2)},
         {"A +", "  A1 +", "  A2", "B +", "  B1"}},
        {"collapsed branches stay collapsed", {level(9)}, {"A", "B"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Outline o;
        build(o, kSample);
        select(o, {"A11"});
        o.setFocused(named(o, "B1"));
        for (const Command& command : c.commands)
            command(o);
        EXPECT_THAT(displayed(o), ElementsAreArray(c.displayed));
        EXPECT_EQ(focusedName(o), "B1");
        EXPECT_THAT(selectedNames(o), ElementsAreArray({"A11"}));
    }
}

TEST(LevelViews, AnItemTenLevelsDeepComesBackOnlyWithAllLevelsOrAHoistThatHoldsIt) {
    // L0 at the top, L9 ten levels deep.
    Lines chain;
    for (int i = 0; i < 10; ++i)
        chain.push_back(std::string(2 * static_cast<std::size_t>(i), ' ') + "L" + std::to_string(i));
    struct Case {
        std::string what;
        Command command;
        const char* focused;
        bool deepestDisplayed;
    };
    std::vector<Case> cases;
    for (int n = 1; n <= 9; ++n)
        cases.push_back({"Level " + std::to_string(n), level(n), nullptr, false});
    cases.push_back({"All Levels", AllLevels, nullptr, true});
    cases.push_back({"hoist of the top item", Hoist, "L0", true});
    cases.push_back({"hoist of an item inside the chain", Hoist, "L5", false});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Outline o;
        build(o, chain);
        ExpandAll(o);
        level(1)(o);  // start from a level view, so that the command must show the deep item itself
        if (c.focused)
            o.setFocused(named(o, c.focused));
        c.command(o);
        EXPECT_EQ(o.isDisplayed(named(o, "L9")), c.deepestDisplayed);
    }
}

TEST(Hoist, ShowsOnlyTheFocusedBranchBelowItsHiddenAncestors) {
    struct Case {
        const char* focused;
        Lines displayed;
        Lines states;
    } cases[] = {
        {"A", {"A +", "  A1 +", "    A11", "  A2"},
         {"A +*", "  A1 +", "    A11", "  A2", "B +h", "  B1 h"}},
        {"A1", {}, {"A +h", "  A1 +*", "    A11", "  A2 h", "B +h", "  B1 h"}},
        {nullptr, {"A +", "  A1 +", "    A11", "  A2", "B +", "  B1"},
         {"A +", "  A1 +", "    A11", "  A2", "B +", "  B1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.focused ? c.focused : "nothing focused");
        Outline o;
        build(o, kSample);
        ExpandAll(o);
        level(1)(o);
        if (c.focused)
            o.setFocused(named(o, c.focused));
        Hoist(o);
        EXPECT_THAT(displayed(o), ElementsAreArray(c.displayed));
        EXPECT_THAT(states(o), ElementsAreArray(c.states));
    }
}

TEST(LevelViews, ALevelViewSavedInTheFileComesBackOnLoading) {
    Outline o;
    build(o, kSample);
    ExpandAll(o);
    level(2)(o);
    Outline loaded;
    readOutline(loaded, writeOutline(o));
    EXPECT_THAT(states(loaded), ElementsAreArray(states(o)));
    EXPECT_THAT(displayed(loaded), ElementsAreArray({"A +", "  A1 +", "  A2", "B +", "  B1"}));
}

// The flag the view draws a branch's button by.
TEST(LevelViews, KeepTheFlagOfABranchWhoseChildrenAreAllHidden) {
    struct Case {
        const char* what;
        Command command;
        const char* focused;
        bool allChildrenOfAHidden;
    } cases[] = {
        {"Level 1", level(1), nullptr, true},
        {"All Levels", AllLevels, nullptr, false},
        {"hoist of a child of A", Hoist, "A1", false},
        {"hoist of B", Hoist, "B", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Outline o;
        build(o, kSample);
        level(1)(o);
        AllLevels(o);
        if (c.focused)
            o.setFocused(named(o, c.focused));
        c.command(o);
        EXPECT_EQ(named(o, "A")->has(NodeState::AllChildrenHidden), c.allChildrenOfAHidden);
    }
}

} // namespace
