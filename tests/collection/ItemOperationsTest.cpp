#include "collection/ItemOperations.h"
#include "support/TestOutlines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

TEST(SetFlags, ClearsFiredEverywhereIncludingCollapsedBranches) {
    Outline o;
    Node* a = addNamed(o, nullptr, "a");
    Node* b = addNamed(o, a, "b");
    a->data.Fired = b->data.Fired = 255;
    SetFlags(o);
    EXPECT_EQ(a->data.Fired, 0);
    EXPECT_EQ(b->data.Fired, 0);
}

TEST(Targets, SelectionWinsOverTheFocusedItem) {
    Outline o;
    Node* a = addNamed(o, nullptr, "a");
    Node* b = addNamed(o, nullptr, "b");
    Node* c = addNamed(o, nullptr, "c");
    Node* x = addNamed(o, nullptr, "x");
    EXPECT_TRUE(Targets::selectionOrFocused(o).empty());
    o.setFocused(x);
    EXPECT_THAT(names(Targets::selectionOrFocused(o)), ElementsAre("x"));
    for (Node* n : {c, a, b})
        o.setSelected(n, true);
    EXPECT_THAT(names(Targets::selectionOrFocused(o)), ElementsAre("a", "b", "c"));
    EXPECT_EQ(Targets::firstSelectedItem(o), a);
}

} // namespace
