#include "editing/Navigation.h"
#include "EditingFixtures.h"
#include "OutlineStates.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

using Lines = std::vector<std::string>;

// A
//   A1
//     A11
//   A2
// C
// B
//   B1
//     B11
const Lines kSample = {"A", "  A1", "    A11", "  A2", "C", "B", "  B1", "    B11"};

// The sample with its selection and focus, every branch collapsed, served by expand-on-focus as the
// outline of the window is.
struct Sample {
    Outline o;
    ExpandOnFocus expandOnFocus{o};
    Sample(const Lines& selected, const char* focused) {
        build(o, kSample);
        select(o, selected);
        if (focused)
            o.setFocused(named(o, focused));
        o.setExpandedAll(false);
    }
};

TEST(Goto, MakesTheTargetTheFocusedAndOnlySelectedItemAndDisplaysIt) {
    struct Case {
        const char* what;
        void (*command)(Outline&);
        Lines selected;
        const char* focused;
        std::string target;
        Lines displayedAfter;
    } cases[] = {
        {"Next from inside a collapsed branch", GotoNext, {"A11"}, "C", "A2", {"A +", "  A1", "  A2 +", "C", "B"}},
        {"Next goes into the children first", GotoNext, {"B"}, nullptr, "B1", {"A", "C", "B +", "  B1 +", "    B11"}},
        {"Next from the last child of a branch goes on after the branch", GotoNext, {"A2"}, nullptr, "C",
         {"A", "C +", "B"}},
        {"the reference is the first selected item, not the focused one", GotoNext, {"C", "A2"}, "B", "C",
         {"A", "C +", "B"}},
        {"Previous to the deepest last item of the previous sibling", GotoPrevious, {"C"}, nullptr, "A2",
         {"A +", "  A1", "  A2 +", "C", "B"}},
        {"Previous to the parent", GotoPrevious, {"A1"}, nullptr, "A", {"A +", "  A1", "  A2", "C", "B"}},
        {"Previous Sibling", GotoPreviousSibling, {"A2"}, nullptr, "A1", {"A +", "  A1 +", "    A11", "  A2", "C", "B"}},
        {"Next Sibling", GotoNextSibling, {"A1"}, nullptr, "A2", {"A +", "  A1", "  A2 +", "C", "B"}},
        {"First needs no reference", GotoFirst, {}, "C", "A", {"A +", "  A1", "  A2", "C", "B"}},
        {"Last goes down through collapsed branches", GotoLast, {"A"}, nullptr, "B11",
         {"A", "C", "B +", "  B1 +", "    B11 +"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Sample s(c.selected, c.focused);
        c.command(s.o);
        EXPECT_EQ(focusedName(s.o), c.target);
        EXPECT_THAT(selectedNames(s.o), ElementsAreArray({c.target}));
        EXPECT_THAT(displayed(s.o), ElementsAreArray(c.displayedAfter));
    }
}

TEST(Goto, DoesNothingWithoutAReferenceOrATarget) {
    struct Case {
        const char* what;
        void (*command)(Outline&);
        Lines selected;
    } cases[] = {
        {"Next with nothing selected, though an item is focused", GotoNext, {}},
        {"Previous with nothing selected", GotoPrevious, {}},
        {"Next Sibling with nothing selected", GotoNextSibling, {}},
        {"Previous Sibling with nothing selected", GotoPreviousSibling, {}},
        {"Next from the last item", GotoNext, {"B11"}},
        {"Previous from the first item", GotoPrevious, {"A"}},
        {"Previous Sibling of a first child", GotoPreviousSibling, {"A1"}},
        {"Next Sibling of a last child", GotoNextSibling, {"A2", "C"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Sample s(c.selected, "C");
        const Lines before = states(s.o);
        c.command(s.o);
        EXPECT_THAT(states(s.o), ElementsAreArray(before));
    }
}

TEST(Goto, FirstAndLastOnAnEmptyOutlineLeaveNothingFocusedOrSelected) {
    for (void (*command)(Outline&) : {GotoFirst, GotoLast}) {
        Outline o;
        command(o);
        EXPECT_EQ(o.focused(), nullptr);
        EXPECT_EQ(o.selectedCount(), 0);
    }
}

TEST(ExpandOnFocus, ExpandsTheNewItemAndItsAncestorsAndCollapsesTheFormerSibling) {
    struct Case {
        const char* what;
        const char* from;
        const char* to;
        Lines expandedFirst;
        Lines displayedAfter;
    } cases[] = {
        {"to a sibling: the expanded former item collapses", "A", "C", {"A"}, {"A", "C +", "B"}},
        {"to a child: the parent stays expanded", "A", "A1", {"A"}, {"A +", "  A1 +", "    A11", "  A2", "C", "B"}},
        {"to an item elsewhere: ancestors expand, the former item stays", "A1", "B11", {"A", "A1"},
         {"A +", "  A1 +", "    A11", "  A2", "C", "B +", "  B1 +", "    B11 +"}},
        {"a collapsed former sibling stays collapsed", "C", "B", {}, {"A", "C", "B +", "  B1"}},
        {"focus cleared: nothing changes", "A", nullptr, {"A"}, {"A +", "  A1", "  A2", "C", "B"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Sample s({}, c.from);
        for (const std::string& name : c.expandedFirst)
            s.o.setExpanded(named(s.o, name), true);
        s.o.setFocused(c.to ? named(s.o, c.to) : nullptr);
        EXPECT_THAT(displayed(s.o), ElementsAreArray(c.displayedAfter));
    }
}

} // namespace
