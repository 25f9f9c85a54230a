#include "collection/NodeStream.h"
#include "editing/StreamCopy.h"
#include "EditingFixtures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

TEST(CloneItems, CopiesLandDirectlyAfterTheFocusedItemInReverseOrder) {
    struct Case {
        const char* focused;
        std::vector<std::string> shape;
    } cases[] = {
        {"X", {"A", "  A1", "B", "X", "B", "A", "  A1"}},
        {nullptr, {"B", "A", "  A1", "A", "  A1", "B", "X"}},  // each copy becomes the first top-level item
    };
    for (const Case& c : cases) {
        Outline o;
        build(o, {"A", "  A1", "B", "X"});
        select(o, {"A", "A1", "B"});  // A1 travels inside A, once
        if (c.focused)
            o.setFocused(named(o, c.focused));
        CloneItems(o);
        EXPECT_THAT(shape(o), ::testing::ElementsAreArray(c.shape));
        EXPECT_THAT(selectedNames(o), ElementsAre("A", "A1", "B")) << "the copies arrive unselected";
        EXPECT_EQ(focusedName(o), c.focused ? c.focused : "(none)");
    }
}

TEST(CloneItems, WithNothingSelectedDoesNothing) {
    Outline o;
    build(o, {"A"});
    o.setFocused(o.first());
    CloneItems(o);
    EXPECT_THAT(shape(o), ElementsAre("A"));
}

TEST(CopyThroughStream, CarriesTheWholeRecordAndNodeStatesIntoAnotherTree) {
    Outline from, to;
    build(from, {"P", "  C"});
    Node* p = from.first();
    p->data = everyField();
    from.setExpanded(p, true);
    from.setVisible(p->child(0), false);
    from.setSelected(p, true);
    build(to, {"T"});
    Node* copy = copyThroughStream(from, p, to, to.first(), AttachMode::LastChild);
    EXPECT_EQ(copy->data, everyField());
    EXPECT_TRUE(copy->isExpanded());
    EXPECT_FALSE(copy->child(0)->isVisible());
    EXPECT_FALSE(copy->isSelected());
    EXPECT_EQ(to.selectedCount(), 0);
    EXPECT_EQ(copy->child(0)->data.Name, "C");
}

TEST(InsertNodeChunks, ADamagedStreamInsertsNothing) {
    Outline from, to;
    build(from, {"A", "B"});
    build(to, {"T"});
    Bytes chunks = writeNodeChunks(from, {from.first(), from.next(from.first())});
    chunks.pop_back();  // the second item is cut short
    EXPECT_THROW(insertNodeChunks(to, chunks, nullptr, AttachMode::LastChild), StreamError);
    EXPECT_THAT(shape(to), ElementsAre("T"));
}

} // namespace
