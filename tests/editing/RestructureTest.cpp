#include "editing/Restructure.h"
#include "EditingFixtures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::UnorderedElementsAreArray;

namespace {

struct MoveCase {
    const char* what;
    void (*command)(Outline&);
    std::vector<std::string> outline;
    std::vector<std::string> selected;
    std::vector<std::string> after;
};

TEST(MoveItems, EveryItemMovesAgainstTheAnchorOfTheFirstItem) {
    const MoveCase cases[] = {
        {"Up keeps the order", MoveItemsUp, {"A", "B", "C"}, {"B", "C"}, {"B", "C", "A"}},
        {"Up on the first child of a branch goes to the top", MoveItemsUp, {"A", "B", "  B1", "  B2"}, {"B1"},
         {"B1", "A", "B", "  B2"}},
        {"Up without anchor reverses", MoveItemsUp, {"A", "B", "C"}, {"A", "B"}, {"B", "A", "C"}},
        {"Up with different parents", MoveItemsUp, {"A", "  A0", "  A1", "B", "  B1"}, {"A1", "B1"},
         {"A", "  A1", "  B1", "  A0", "B"}},
        {"Down of two adjacent siblings: the anchor stays", MoveItemsDown, {"A", "B", "C"}, {"A", "B"},
         {"B", "A", "C"}},
        {"Down reverses", MoveItemsDown, {"A", "M", "B", "C"}, {"A", "B"}, {"M", "B", "A", "C"}},
        {"Down on the last child of a branch goes to the top", MoveItemsDown, {"A", "B", "  B1", "  B2"}, {"B2"},
         {"B2", "A", "B", "  B1"}},
        {"Right indents under the previous sibling", MoveItemsRight, {"A", "  A1", "B", "C"}, {"B", "C"},
         {"A", "  A1", "  B", "  C"}},
        {"Right without previous sibling goes to the top", MoveItemsRight, {"A", "  A1", "  A2"}, {"A1"},
         {"A1", "A", "  A2"}},
        {"Left follows the former parent; later siblings stay", MoveItemsLeft, {"A", "  A1", "  A2", "  A3", "B"},
         {"A1", "A2"}, {"A", "  A3", "A1", "A2", "B"}},
        {"Left on a top-level item goes to the top, in order", MoveItemsLeft, {"A", "B", "C"}, {"B", "C"},
         {"B", "C", "A"}},
        {"A selected child travels inside its parent", MoveItemsUp, {"A", "B", "  B1"}, {"B", "B1"},
         {"B", "  B1", "A"}},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.what);
        Outline o;
        build(o, c.outline);
        select(o, c.selected);
        o.setFocused(o.first());
        Node* focused = o.focused();
        c.command(o);
        EXPECT_THAT(shape(o), ElementsAreArray(c.after));
        EXPECT_THAT(selectedNames(o), UnorderedElementsAreArray(c.selected)) << "the moved items stay selected";
        EXPECT_EQ(o.focused(), focused);
    }
}

TEST(MoveItems, NothingSelectedMovesNothing) {
    for (auto command : {MoveItemsUp, MoveItemsDown, MoveItemsRight, MoveItemsLeft}) {
        Outline o;
        build(o, {"A", "B"});
        o.setFocused(named(o, "B"));
        command(o);
        EXPECT_THAT(shape(o), ElementsAre("A", "B"));
    }
}

TEST(GroupItems, PutsTheReducedSelectionUnderANewUntitledGroupBeforeTheFirstItem) {
    const MoveCase cases[] = {
        {"nothing selected", nullptr, {"A", "B"}, {}, {"", "A", "B"}},
        {"parent and child once", nullptr, {"A", "B", "  B1", "C"}, {"B", "B1", "C"}, {"A", "", "  B", "    B1", "  C"}},
        {"items of different parents", nullptr, {"A", "  A1", "B", "  B1"}, {"A1", "B1"},
         {"A", "  ", "    A1", "    B1", "B"}},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.what);
        Outline o;
        build(o, c.outline);
        select(o, c.selected);
        Node* group = GroupItems(o);
        EXPECT_THAT(shape(o), ElementsAreArray(c.after));
        EXPECT_EQ(group->data, LinkItem{});
        EXPECT_FALSE(group->isSelected());
        EXPECT_THAT(selectedNames(o), ElementsAreArray(c.selected));
    }
}

TEST(SetItemType, ChangesTheSelectedItemsOrElseTheFocusedOne) {
    struct Case {
        std::vector<std::string> selected;
        const char* focused;
        std::vector<std::int32_t> typesAfter;  // A, A1, B, C
    } cases[] = {
        {{"A", "A1", "C"}, "B", {9, 9, 8, 9}},  // a selected child of a selected item too
        {{}, "B", {8, 8, 9, 8}},
        {{}, nullptr, {8, 8, 8, 8}},
    };
    for (const Case& c : cases) {
        Outline o;
        build(o, {"A", "  A1", "B", "C"});
        o.forEach([](Node* n) { n->data.ItemType = 8; });
        select(o, c.selected);
        if (c.focused)
            o.setFocused(named(o, c.focused));
        SetItemType(o, 9);
        std::vector<std::int32_t> types;
        o.forEach([&](Node* n) { types.push_back(n->data.ItemType); });
        EXPECT_THAT(types, ElementsAreArray(c.typesAfter));
        EXPECT_EQ(named(o, "A")->data.Name, "A") << "no other field changes";
    }
}

} // namespace
