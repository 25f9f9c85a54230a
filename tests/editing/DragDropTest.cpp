#include "editing/DragDrop.h"
#include "EditingFixtures.h"
#include "fakes/RecordingDialogs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

namespace {

TEST(DropEffect, FollowsTheModifierKeysHeldAtTheDrop) {
    struct Case {
        DropKeys keys;
        DropEffect ontoOutline;
        DropEffect ontoSideTree;
    } cases[] = {
        {{false, false, false}, DropEffect::Move, DropEffect::Copy},
        {{false, true, false}, DropEffect::Copy, DropEffect::Copy},   // Ctrl
        {{false, false, true}, DropEffect::Link, DropEffect::Link},   // Alt
        {{false, true, true}, DropEffect::Link, DropEffect::Link},    // Ctrl+Alt
        {{true, false, false}, DropEffect::Move, DropEffect::Move},   // Shift
        {{true, true, false}, DropEffect::Move, DropEffect::Move},    // Ctrl+Shift
        {{true, false, true}, DropEffect::Move, DropEffect::Move},    // Shift+Alt
        {{true, true, true}, DropEffect::Move, DropEffect::Move},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "shift " << c.keys.shift << " ctrl " << c.keys.ctrl << " alt " << c.keys.alt);
        EXPECT_EQ(dropEffectFor(c.keys, true), c.ontoOutline);
        EXPECT_EQ(dropEffectFor(c.keys, false), c.ontoSideTree);
    }
}

// A and B (in that order) are dragged within the outline onto X.
TEST(LinksTreeDragDrop, ItemsAreHandledInDocumentOrderAgainstOneTarget) {
    struct Case {
        DropPosition position;
        DropKeys keys;
        DropEffect effect;
        std::vector<std::string> shape;
    } cases[] = {
        {DropPosition::Below, {}, DropEffect::Move, {"X", "B", "A", "  A1", "Y"}},
        {DropPosition::Above, {}, DropEffect::Move, {"A", "  A1", "B", "X", "Y"}},
        {DropPosition::On, {}, DropEffect::Move, {"X", "  A", "    A1", "  B", "Y"}},
        {DropPosition::On, {false, false, true}, DropEffect::Link, {"X", "  A", "    A1", "  B", "Y"}},
        {DropPosition::Below, {true, false, false}, DropEffect::Move, {"X", "B", "A", "  A1", "Y"}},
        {DropPosition::Below, {false, true, false}, DropEffect::Copy,
         {"A", "  A1", "B", "X", "B", "A", "  A1", "Y"}},
        {DropPosition::Nowhere, {}, DropEffect::None, {"A", "  A1", "B", "X", "Y"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.position));
        Outline links;
        build(links, {"A", "  A1", "B", "X", "Y"});
        select(links, {"B", "A1", "A"});
        RecordingDialogs dialogs;
        Drop drop{DragSource::Outline, false, c.keys, named(links, "X"), c.position};
        EXPECT_EQ(LinksTreeDragDrop(links, links, drop, dialogs), c.effect);
        EXPECT_THAT(shape(links), ElementsAreArray(c.shape));
        EXPECT_THAT(selectedNames(links), UnorderedElementsAre("A", "A1", "B")) << "copies arrive unselected";
        EXPECT_THAT(dialogs.messages, IsEmpty());
    }
}

TEST(LinksTreeDragDrop, AMoveIntoTheMovedItemsOwnSubtreeIsRefusedAfterTheItemsBeforeIt) {
    Outline links;
    build(links, {"B", "A", "  A1", "  A2"});
    select(links, {"B", "A"});
    RecordingDialogs dialogs;
    Drop drop{DragSource::Outline, false, {}, named(links, "A1"), DropPosition::On};
    LinksTreeDragDrop(links, links, drop, dialogs);
    EXPECT_THAT(shape(links), ElementsAre("A", "  A1", "    B", "  A2"));
    EXPECT_THAT(dialogs.messages, ElementsAre("error: Target node cannot be a child node of the node to be moved."));
}

TEST(LinksTreeDragDrop, DroppingAnItemOnItselfDoesNothing) {
    for (DropPosition position : {DropPosition::Above, DropPosition::On, DropPosition::Below}) {
        Outline links;
        build(links, {"A", "B"});
        select(links, {"A"});
        RecordingDialogs dialogs;
        LinksTreeDragDrop(links, links, {DragSource::Outline, false, {}, named(links, "A"), position}, dialogs);
        EXPECT_THAT(shape(links), ElementsAre("A", "B"));
        EXPECT_THAT(dialogs.messages, IsEmpty());
    }
}

TEST(LinksTreeDragDrop, OutsideDataAndSideTreeDragsAddNothing) {
    struct Case {
        DragSource source;
        bool copyOffered;
        DropPosition position;
        DropEffect effect;
    } cases[] = {
        {DragSource::Outside, true, DropPosition::On, DropEffect::Copy},  // files from the file manager
        {DragSource::Outside, false, DropPosition::Below, DropEffect::Move},
        {DragSource::Outside, true, DropPosition::Nowhere, DropEffect::Copy},  // taken wherever it lands
        {DragSource::SideTree, true, DropPosition::On, DropEffect::None},
    };
    for (const Case& c : cases) {
        Outline links, marks;
        build(links, {"A", "X"});
        build(marks, {"M"});
        select(links, {"A"});
        RecordingDialogs dialogs;
        for (Outline* receiver : {&links, &marks}) {
            Drop drop{c.source, c.copyOffered, {}, receiver->first(), c.position};
            EXPECT_EQ(LinksTreeDragDrop(links, *receiver, drop, dialogs), c.effect);
        }
        EXPECT_THAT(shape(links), ElementsAre("A", "X"));
        EXPECT_THAT(shape(marks), ElementsAre("M"));
    }
}

TEST(LinksTreeDragDrop, OutlineItemsDroppedOnASideTreeCarryTheirFullRecord) {
    struct Case {
        DropKeys keys;
        DropEffect effect;
        std::vector<std::string> outlineAfter;
    } cases[] = {
        {{}, DropEffect::Copy, {"A", "  full", "X"}},
        {{true, false, false}, DropEffect::Move, {"X"}},  // Shift moves them out of the outline
    };
    for (const Case& c : cases) {
        Outline links, marks;
        build(links, {"A", "  A1", "X"});
        named(links, "A1")->data = everyField();
        build(marks, {"M1", "M2"});
        select(links, {"A"});
        RecordingDialogs dialogs;
        Drop drop{DragSource::Outline, false, c.keys, named(marks, "M1"), DropPosition::Below};
        EXPECT_EQ(LinksTreeDragDrop(links, marks, drop, dialogs), c.effect);
        EXPECT_THAT(shape(links), ElementsAreArray(c.outlineAfter));
        EXPECT_THAT(shape(marks), ElementsAre("M1", "A", "  full", "M2"));
        EXPECT_EQ(named(marks, "full")->data, everyField());
    }
}

} // namespace
