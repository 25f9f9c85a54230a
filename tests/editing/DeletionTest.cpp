#include "editing/Deletion.h"
#include "EditingFixtures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

// A (expanded)
//   A1 (expanded)
//     A11
//   A2 (collapsed)
//     A21 (expanded, but inside the collapsed A2)
//       A211
// B (collapsed)
//   B1
void buildSample(Outline& o) {
    build(o, {"A", "  A1", "    A11", "  A2", "    A21", "      A211", "B", "  B1"});
    for (const char* name : {"A", "A1", "A21"})
        o.setExpanded(named(o, name), true);
}

TEST(DelNodes, FocusesTheNearestExpandedDisplayedAncestorOfTheFirstSelectedItem) {
    struct Case {
        std::vector<std::string> selected;
        const char* hidden;  // an item made hidden first, or nullptr
        std::string focusAfter;
    } cases[] = {
        {{"A11"}, nullptr, "A1"},          // the usual case: the parent
        {{"A11", "B1"}, nullptr, "A1"},    // the first selected item decides
        {{"A1"}, nullptr, "A"},            // an expanded item is never its own successor
        {{"A"}, nullptr, "(none)"},        // a top-level first selected item leaves nothing focused
        {{"A", "B1"}, nullptr, "(none)"},
        {{"B1"}, nullptr, "(none)"},       // under a collapsed top-level item
        {{"A211"}, nullptr, "A"},          // inside a collapsed branch: the ancestor above it
        {{"A21"}, nullptr, "A"},
        {{"A11"}, "A1", "(none)"},         // an expanded but hidden parent is not displayed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.selected));
        Outline o;
        buildSample(o);
        if (c.hidden)
            o.setVisible(named(o, c.hidden), false);
        o.setFocused(named(o, "B"));
        select(o, c.selected);
        DelNode(o);
        for (const std::string& gone : c.selected)
            for (const std::string& line : shape(o))
                EXPECT_NE(line.substr(line.find_first_not_of(' ')), gone);
        EXPECT_EQ(focusedName(o), c.focusAfter);
        if (c.focusAfter == "(none)") {
            EXPECT_THAT(selectedNames(o), IsEmpty());
        } else {
            EXPECT_THAT(selectedNames(o), ElementsAre(c.focusAfter));
        }
    }
}

TEST(DelNodes, DeletesWholeSubtreesOfEverySelectedItem) {
    Outline o;
    buildSample(o);
    select(o, {"A1", "A11", "A2"});
    DelNodes(o);
    EXPECT_THAT(shape(o), ElementsAre("A", "B", "  B1"));
    EXPECT_EQ(o.selectedCount(), 1);
}

TEST(DelNodes, WithNothingSelectedDoesNothing) {
    Outline o;
    buildSample(o);
    o.setFocused(named(o, "A11"));
    const auto before = shape(o);
    DelNodes(o);
    EXPECT_THAT(shape(o), ElementsAreArray(before));
    EXPECT_EQ(focusedName(o), "A11");
}

} // namespace
