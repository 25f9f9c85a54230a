#include "collection/Outline.h"
#include "support/TestOutlines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <thread>
#include <utility>

using ::testing::ElementsAre;

namespace {

// Records every announcement as a line of text.
struct RecordingListener : OutlineListener {
    std::vector<std::string> events;
    static std::string name(const Node* n) { return n ? n->data.Name : "-"; }
    void nodesAboutToBeInserted(Node* p, int f, int) override { events.push_back("will insert " + name(p) + "#" + std::to_string(f)); }
    void nodesInserted(Node* p, int f, int) override { events.push_back("inserted " + name(p) + "#" + std::to_string(f)); }
    void nodesAboutToBeRemoved(Node* p, int f, int) override { events.push_back("will remove " + name(p) + "#" + std::to_string(f)); }
    void nodesRemoved(Node* p, int f, int) override { events.push_back("removed " + name(p) + "#" + std::to_string(f)); }
    void nodeAboutToBeMoved(Node* n, Node* p, int row) override {
        events.push_back("will move " + name(n) + " to " + name(p) + "#" + std::to_string(row));
    }
    void nodeMoved(Node* n) override { events.push_back("moved " + name(n)); }
    void statesChanged(Node* n) override { events.push_back("states " + name(n)); }
    void allStatesChanged() override { events.push_back("all states"); }
    void focusChanged(Node* a, Node* b) override { events.push_back("focus " + name(a) + ">" + name(b)); }
    void aboutToReset() override { events.push_back("will reset"); }
    void reset() override { events.push_back("reset"); }
};

// A
//   A1
//     A1a
//   A2
// B
struct OutlineFixture : ::testing::Test {
    Outline outline;
    Node* A = addNamed(outline, nullptr, "A");
    Node* A1 = addNamed(outline, A, "A1");
    Node* A1a = addNamed(outline, A1, "A1a");
    Node* A2 = addNamed(outline, A, "A2");
    Node* B = addNamed(outline, nullptr, "B");
};

TEST_F(OutlineFixture, WalksFollowDocumentOrderIncludingCollapsedBranches) {
    EXPECT_EQ(outline.first(), A);
    EXPECT_EQ(outline.next(A1a), A2);
    EXPECT_EQ(outline.next(A2), B);
    EXPECT_EQ(outline.next(B), nullptr);
    EXPECT_EQ(outline.previous(B), A2);
    EXPECT_EQ(outline.previous(A2), A1a);
    EXPECT_EQ(outline.previous(A1), A);
    EXPECT_EQ(outline.previous(A), nullptr);
    EXPECT_EQ(outline.lastDeepest(), B);
    EXPECT_EQ(outline.parentOf(A1), A);
    EXPECT_EQ(outline.parentOf(A), nullptr);
    EXPECT_EQ(outline.nextSibling(A1), A2);
    EXPECT_EQ(outline.previousSibling(A1), nullptr);
    EXPECT_EQ(outline.level(A1a), 2);
    EXPECT_EQ(outline.level(B), 0);
    EXPECT_EQ(outline.totalCount(), 5);
    EXPECT_EQ(outline.rootCount(), 2);
}

TEST_F(OutlineFixture, NewNodesAreEmptyVisibleCollapsedAndUnselected) {
    Node* n = outline.addChild(nullptr);
    EXPECT_EQ(n->data, LinkItem{});
    EXPECT_TRUE(n->isVisible());
    EXPECT_FALSE(n->isExpanded());
    EXPECT_FALSE(n->isSelected());
    EXPECT_EQ(n->rowHeight(), 20);
    EXPECT_EQ(n->alignment(), 50);
    EXPECT_EQ(outline.focused(), nullptr);
}

TEST_F(OutlineFixture, InsertBeforeAndAfterPlaceSiblings) {
    addNamed(outline, nullptr, "x");
    Node* before = outline.insertBefore(A2);
    before->data.Name = "before A2";
    Node* after = outline.insertAfter(A1a);
    after->data.Name = "after A1a";
    EXPECT_THAT(shape(outline), ElementsAre("A", "  A1", "    A1a", "    after A1a", "  before A2", "  A2", "B", "x"));
}

TEST_F(OutlineFixture, MoveAndCopyCarryTheSubtree) {
    outline.moveNode(A1, B, AttachMode::LastChild);
    EXPECT_THAT(shape(outline), ElementsAre("A", "  A2", "B", "  A1", "    A1a"));
    outline.moveNode(A1, A, AttachMode::Before);
    EXPECT_THAT(shape(outline), ElementsAre("A1", "  A1a", "A", "  A2", "B"));
    Node* copy = outline.copyNode(A1, A2, AttachMode::FirstChild);
    copy->data.Name = "copy";
    EXPECT_THAT(shape(outline), ElementsAre("A1", "  A1a", "A", "  A2", "    copy", "      A1a", "B"));
}

TEST_F(OutlineFixture, ASubtreeTakenFromAnotherOutlineMovesWithOneAnnouncementOnEachSide) {
    Outline aside;
    Node* built = addNamed(aside, nullptr, "built");
    addNamed(aside, built, "inner");
    aside.setFocused(built->child(0));
    aside.setSelected(built->child(0), true);
    RecordingListener here, there;
    outline.addListener(&here);
    aside.addListener(&there);
    EXPECT_EQ(outline.takeNode(aside, built, A, AttachMode::After), built);
    EXPECT_THAT(shape(outline), ElementsAre("A", "  A1", "    A1a", "  A2", "built", "  inner", "B"));
    EXPECT_TRUE(aside.isEmpty());
    EXPECT_EQ(aside.focused(), nullptr);
    EXPECT_EQ(aside.selectedCount(), 0);
    EXPECT_EQ(outline.selectedCount(), 0);
    EXPECT_FALSE(built->child(0)->isSelected());
    EXPECT_THAT(here.events, ElementsAre("will insert #1", "inserted #1"));
    EXPECT_THAT(there.events, ElementsAre("focus inner>-", "will remove #0", "removed #0"));
    outline.removeListener(&here);
    aside.removeListener(&there);
}

TEST_F(OutlineFixture, MoveIntoOwnSubtreeIsRefusedAndOntoItselfDoesNothing) {
    try {
        outline.moveNode(A, A1a, AttachMode::LastChild);
        FAIL() << "move into own subtree accepted";
    } catch (const OutlineError& e) {
        EXPECT_STREQ(e.what(), "Target node cannot be a child node of the node to be moved.");
    }
    outline.moveNode(A, A, AttachMode::After);
    EXPECT_THAT(shape(outline), ElementsAre("A", "  A1", "    A1a", "  A2", "B"));
}

TEST_F(OutlineFixture, SelectionIsCountedAndTakenInDocumentOrder) {
    outline.setSelected(B, true);
    outline.setSelected(A1a, true);
    outline.setSelected(A, true);
    EXPECT_EQ(outline.selectedCount(), 3);
    EXPECT_THAT(names(outline.selectedNodes()), ElementsAre("A", "A1a", "B"));
    EXPECT_THAT(names(outline.reducedSelection()), ElementsAre("A", "B"));
    outline.deleteNode(A);
    EXPECT_EQ(outline.selectedCount(), 1);
    outline.selectAll();
    EXPECT_EQ(outline.selectedCount(), 1);
    outline.clearSelection();
    EXPECT_EQ(outline.firstSelected(), nullptr);
}

// The list of selected nodes is kept by every road that selects, unselects, removes or brings back a
// node: it always holds exactly the selected nodes in the outline.
TEST_F(OutlineFixture, TheSelectionListFollowsEveryRoadThatChangesTheSelection) {
    Outline other;
    Node* elsewhere = addNamed(other, nullptr, "elsewhere");
    other.setSelected(elsewhere, true);
    auto listed = [](const Outline& o) {
        std::vector<std::string> result = names(o.selection());
        std::sort(result.begin(), result.end());
        return result;
    };
    auto walked = [](const Outline& o) {
        std::vector<std::string> result = names(o.selectedNodes());
        std::sort(result.begin(), result.end());
        return result;
    };
    outline.setKeepsRemovedNodes(true);
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"select three", [&] { outline.setSelected(B, true); outline.setSelected(A1a, true); outline.setSelected(A, true); }},
        {"unselect the first listed", [&] { outline.setSelected(B, false); }},
        {"delete a subtree holding selected nodes", [&] { outline.deleteNode(A1); }},
        {"put it back", [&] { outline.reattach(A1, A, 0); }},
        {"select all", [&] { outline.selectAll(); }},
        {"states from the file", [&] { outline.setBase(A2, NodeBase{}); }},
        {"take a node from another outline", [&] { outline.takeNode(other, elsewhere, nullptr, AttachMode::LastChild); }},
        {"give a selected subtree to another outline", [&] { other.takeNode(outline, A1, nullptr, AttachMode::LastChild); }},
        {"clear the selection", [&] { outline.clearSelection(); }},
        {"select again and clear the outline", [&] {
             outline.setKeepsRemovedNodes(false);
             outline.setSelected(B, true);
             outline.clear();
         }},
    };
    for (const auto& [name, step] : steps) {
        step();
        SCOPED_TRACE(name);
        EXPECT_EQ(listed(outline), walked(outline));
        EXPECT_EQ(listed(other), walked(other));
        EXPECT_EQ(outline.selectedCount(), static_cast<int>(outline.selection().size()));
    }
}

TEST_F(OutlineFixture, DeleteSelectedRemovesSubtreesAndForgetsFocusInside) {
    outline.setFocused(A1a);
    outline.setSelected(A1, true);
    outline.setSelected(A1a, true);
    outline.setSelected(B, true);
    outline.deleteSelected();
    EXPECT_THAT(shape(outline), ElementsAre("A", "  A2"));
    EXPECT_EQ(outline.focused(), nullptr);
    EXPECT_EQ(outline.selectedCount(), 0);
}

TEST_F(OutlineFixture, ChildFlagsFollowTheStructure) {
    EXPECT_TRUE(A1->has(NodeState::HasChildren));
    outline.setVisible(A1a, false);
    EXPECT_TRUE(A1->has(NodeState::AllChildrenHidden));
    outline.deleteNode(A1a);
    EXPECT_FALSE(A1->has(NodeState::HasChildren));
    EXPECT_FALSE(A1->has(NodeState::AllChildrenHidden));
}

TEST_F(OutlineFixture, DisplayedMeansVisibleUnderExpandedVisibleAncestors) {
    EXPECT_TRUE(outline.isDisplayed(A));
    EXPECT_FALSE(outline.isDisplayed(A1));
    outline.setExpanded(A, true);
    EXPECT_TRUE(outline.isDisplayed(A1));
    outline.setVisible(A, false);
    EXPECT_FALSE(outline.isDisplayed(A1));
}

TEST_F(OutlineFixture, ChangesAreAnnouncedBeforeAndAfter) {
    RecordingListener rec;
    outline.addListener(&rec);
    Node* n = addNamed(outline, A, "n");
    outline.moveNode(n, nullptr, AttachMode::FirstChild);
    outline.setFocused(n);
    outline.setSelected(n, true);
    outline.deleteNode(n);
    EXPECT_THAT(rec.events, ElementsAre("will insert A#2", "inserted A#2", "will move n to #0", "moved n", "focus ->n",
                                        "states n", "focus n>-", "will remove #0", "removed #0"));
    outline.removeListener(&rec);
}

TEST_F(OutlineFixture, BulkChangesAreAnnouncedOnce) {
    RecordingListener rec;
    outline.addListener(&rec);
    {
        OutlineUpdate update(outline);
        for (int i = 0; i < 100; ++i)
            outline.addChild(B);
        outline.clear();
    }
    outline.selectAll();
    outline.setExpandedAll(true);
    EXPECT_THAT(rec.events, ElementsAre("will reset", "reset", "all states", "all states"));
    outline.removeListener(&rec);
}

TEST_F(OutlineFixture, AStatesBatchEndsWithOneAllStatesAndCountsShapeChanges) {
    RecordingListener rec;
    outline.addListener(&rec);
    const std::uint64_t before = outline.shapeChanges();
    {
        OutlineStatesUpdate batch(outline);
        outline.setSelected(A, true);
        outline.setMark(B, ClipboardMark::Copy);
        outline.selectAll();
        Node* n = addNamed(outline, B, "n");  // not a state: announced as it happens
        outline.setSelected(n, true);
    }
    EXPECT_EQ(outline.shapeChanges(), before) << "selection and marks leave the displayed rows as they are";
    { OutlineStatesUpdate nothingChanges(outline); }
    {
        OutlineStatesUpdate batch(outline);
        outline.setExpanded(A, true);
        outline.setVisible(A2, false);
    }
    EXPECT_EQ(outline.shapeChanges(), before + 2);
    EXPECT_THAT(rec.events, ElementsAre("will insert B#0", "inserted B#0", "all states", "all states"));
    outline.removeListener(&rec);
}

TEST_F(OutlineFixture, SwapContentsExchangesNodesFocusAndSelection) {
    Outline other;
    Node* x = addNamed(other, nullptr, "x");
    other.setSelected(x, true);
    other.setFocused(x);
    outline.swapContents(other);
    EXPECT_THAT(shape(outline), ElementsAre("x"));
    EXPECT_EQ(outline.focused(), x);
    EXPECT_EQ(outline.selectedCount(), 1);
    EXPECT_THAT(shape(other), ElementsAre("A", "  A1", "    A1a", "  A2", "B"));
    EXPECT_EQ(other.selectedCount(), 0);
}

TEST(OutlineSort, RootChildrenSortStablyByName) {
    Outline outline;
    int position = 0;
    for (const char* name : {"b", "a", "c", "a"})
        addNamed(outline, nullptr, name)->data.URL = name + std::string("-") + std::to_string(++position);
    outline.sortRootChildren(true);
    EXPECT_EQ(outline.root()->child(0)->data.URL, "a-2");
    EXPECT_EQ(outline.root()->child(1)->data.URL, "a-4");
    outline.sortRootChildren(false);
    EXPECT_THAT(shape(outline), ElementsAre("c", "b", "a", "a"));
}

TEST(OutlineDepth, AVeryDeepOutlineIsBuiltWalkedAndDestroyedWithoutRecursion) {
    Outline outline;
    Node* n = nullptr;
    for (int i = 0; i < 200000; ++i)
        n = outline.addChild(n);
    EXPECT_EQ(outline.lastDeepest(), n);
    EXPECT_EQ(outline.totalCount(), 200000);
}

} // namespace

// The start collection is read on a thread of its own while the window builds its own outlines:
// nodes and their texts taken on two threads at once stay each thread's own.
TEST(OutlineThreads, TwoOutlinesBuiltOnTwoThreadsAtOnceStayWhole) {
    constexpr int kItems = 20000;
    auto build = [](Outline& outline, const std::string& prefix) {
        for (int i = 0; i < kItems; ++i) {
            Node* n = addNamed(outline, nullptr, prefix + std::to_string(i));
            if (i % 3 == 0)
                outline.deleteNode(n);  // freed nodes go back to the shared storage meanwhile
        }
    };
    Outline onThread, here;
    std::thread other([&] { build(onThread, "thread "); });
    build(here, "here ");
    other.join();
    for (auto [outline, prefix] : {std::pair{&onThread, "thread "}, std::pair{&here, "here "}}) {
        std::vector<std::string> expected;
        for (int i = 0; i < kItems; ++i)
            if (i % 3 != 0)
                expected.push_back(prefix + std::to_string(i));
        EXPECT_EQ(shape(*outline), expected);
    }
}
