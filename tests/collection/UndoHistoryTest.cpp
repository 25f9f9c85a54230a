// The undo history over an outline alone: what makes a step, the bounds, what drops steps, and a
// step that cannot be applied.
#include "collection/Documents.h"
#include "collection/FileIO.h"
#include "collection/NodeStream.h"
#include "collection/UndoHistory.h"
#include "support/ScratchFolder.h"
#include "support/TestOutlines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;

// A, B (expanded, with B1, B2), C; the history over it.
struct History : ::testing::Test {
    History() {
        addNamed(tree, nullptr, "A");
        Node* b = addNamed(tree, nullptr, "B");
        addNamed(tree, b, "B1");
        addNamed(tree, b, "B2");
        addNamed(tree, nullptr, "C");
        tree.setExpanded(b, true);
        undo.clear();
    }
    Node* item(const std::string& name) {
        for (Node* n = tree.first(); n; n = tree.next(n))
            if (n->data.Name == name)
                return n;
        return nullptr;
    }
    void rename(const std::string& from, const std::string& to) {
        UndoStepScope step(undo, "Rename Item");
        tree.editRecord(item(from), [&to](LinkItem& r) { r.Name = to; });
    }
    // A change the history does not hear, which no command can make.
    template <class F> void behindTheHistorysBack(F&& change) {
        tree.removeListener(&undo);
        change();
        tree.addListener(&undo);
    }
    // Undoing the newest step fails: the outline is left as it is, and the history is emptied.
    void expectUndoToFailLeavingTheOutlineWhole() {
        const Bytes before = writeOutline(tree);
        const UndoOutcome outcome = undo.undo();
        EXPECT_FALSE(outcome.applied);
        EXPECT_FALSE(outcome.error.empty());
        EXPECT_EQ(writeOutline(tree), before);
        EXPECT_FALSE(undo.canUndo());
        EXPECT_FALSE(undo.canRedo());
    }
    Outline tree;
    UndoHistory undo{tree};
};

TEST_F(History, AStepIsWhatOneCommandChangedNamedByTheScopeThatMadeItsFirstChange) {
    {
        UndoStepScope command(undo, "Show Item Info");
        UndoStepScope dialog(undo, "Item Properties");
        tree.editRecord(item("A"), [](LinkItem& r) { r.URL = "https://example.org/"; });
    }
    EXPECT_EQ(undo.undoCount(), 1u);
    EXPECT_EQ(undo.undoName(), "Item Properties");
    {
        UndoStepScope command(undo, "Group Items");
        Node* group = tree.insertNode(item("A"), AttachMode::Before);
        tree.moveNode(item("A"), group, AttachMode::LastChild);
        tree.moveNode(item("C"), group, AttachMode::LastChild);
    }
    EXPECT_EQ(undo.undoCount(), 2u) << "one command is one step, however much it changed";
    EXPECT_EQ(undo.undoName(), "Group Items");
    {
        UndoStepScope nothing(undo, "Goto Next");
        tree.setFocused(item("B1"));
        tree.setExpanded(item("B"), true);
        tree.setSelected(item("B2"), true);
        tree.editRecord(item("B2"), [](LinkItem&) {});  // an edit that changes nothing
    }
    EXPECT_EQ(undo.undoCount(), 2u) << "a step that changed nothing is dropped";

    ASSERT_TRUE(undo.undo().applied);
    EXPECT_THAT(shape(tree), ElementsAre("A", "B", "  B1", "  B2", "C"));
    ASSERT_TRUE(undo.undo().applied);
    EXPECT_EQ(item("A")->data.URL, "");
    EXPECT_FALSE(undo.canUndo());
    EXPECT_FALSE(undo.undo().applied);
    EXPECT_EQ(undo.redoName(), "Item Properties");
}

TEST_F(History, ChangesOutsideAnyCommandGatherInOneStepOfTheirOwn) {
    addNamed(tree, nullptr, "D");
    tree.deleteNode(item("A"));
    EXPECT_TRUE(undo.canUndo());
    EXPECT_EQ(undo.undoName(), kChangesOutsideCommands);
    rename("C", "C2");  // a command finishes them first
    EXPECT_EQ(undo.undoCount(), 2u);
    undo.undo();
    undo.undo();
    EXPECT_THAT(shape(tree), ElementsAre("A", "B", "  B1", "  B2", "C"));
}

TEST_F(History, ANewChangeAfterAnUndoDropsTheRedoSteps) {
    rename("A", "A2");
    rename("C", "C2");
    undo.undo();
    EXPECT_TRUE(undo.canRedo());
    rename("B", "B0");
    EXPECT_FALSE(undo.canRedo());
    EXPECT_FALSE(undo.redo().applied);
    EXPECT_THAT(shape(tree), ElementsAre("A2", "B0", "  B1", "  B2", "C"));
}

TEST_F(History, TheLast200StepsAreKeptAndTheOldestGoFirst) {
    for (int i = 0; i < 250; ++i)
        rename(i == 0 ? "A" : "A" + std::to_string(i - 1), "A" + std::to_string(i));
    EXPECT_EQ(undo.undoCount(), 200u);
    while (undo.canUndo())
        undo.undo();
    EXPECT_EQ(item("A49")->data.Name, "A49") << "the 50 oldest renames are no longer undone";
    EXPECT_EQ(undo.redoCount(), 200u);
}

TEST_F(History, TheMemoryLimitDropsOldStepsButKeepsTheNewest) {
    Outline big;
    UndoHistory limited(big, UndoLimits{200, 4096});
    for (int i = 0; i < 40; ++i) {
        UndoStepScope step(limited, "Add Item");
        addNamed(big, nullptr, std::string(100, 'x'));
    }
    EXPECT_LE(limited.bytes(), 4096u);
    EXPECT_GT(limited.undoCount(), 1u);
    EXPECT_LT(limited.undoCount(), 40u);
    {
        UndoStepScope step(limited, "Delete Items");
        OutlineUpdate batch(big);
        while (!big.isEmpty())
            big.deleteNode(big.first());
    }
    EXPECT_EQ(limited.undoCount(), 1u) << "a step larger than the limit is still the newest";
    EXPECT_GT(limited.bytes(), 4096u);
    limited.undo();
    EXPECT_EQ(big.rootCount(), 40);
}

// A listener of the kind a view is: inside a batch it hears the reset, and nothing else.
struct ResetCounter : OutlineListener {
    int resets = 0, others = 0;
    void reset() override { ++resets; }
    void nodesAboutToBeRemoved(Node*, int, int) override { ++others; }
    void nodesAboutToBeInserted(Node*, int, int) override { ++others; }
    void nodeAboutToBeMoved(Node*, Node*, int) override { ++others; }
};

TEST_F(History, ABatchIsRecordedNodeByNodeWhileOtherListenersHearOneReset) {
    ResetCounter view;
    tree.addListener(&view);
    const Bytes before = writeOutline(tree);
    {
        UndoStepScope step(undo, "Delete Items");
        OutlineUpdate batch(tree);
        tree.deleteNode(item("B1"));
        tree.moveNode(item("C"), item("A"), AttachMode::Before);
        tree.clear();
    }
    EXPECT_EQ(view.resets, 1);
    EXPECT_EQ(view.others, 0);
    const Bytes after = writeOutline(tree);
    undo.undo();
    EXPECT_THAT(shape(tree), ElementsAre("A", "B", "  B1", "  B2", "C"));
    EXPECT_EQ(writeOutline(tree), before);
    undo.redo();
    EXPECT_EQ(writeOutline(tree), after);
    tree.removeListener(&view);
}

TEST_F(History, UndoRestoresFocusAndSelectionButNotLaunchStamps) {
    tree.setFocused(item("B2"));
    tree.setSelected(item("B2"), true);
    tree.setSelected(item("C"), true);
    {
        UndoStepScope step(undo, "Delete Items");
        tree.deleteSelected();
        tree.setFocused(item("A"));
    }
    item("A")->data.AccessInfo = "Last visited: 11.12.2026 10:00";  // a launch: no step
    tree.recordChanged(item("A"));
    rename("A", "renamed");
    tree.setExpanded(item("B"), false);
    undo.undo();
    EXPECT_EQ(item("A")->data.AccessInfo, "Last visited: 11.12.2026 10:00");
    const UndoOutcome outcome = undo.undo();
    EXPECT_THAT(shape(tree), ElementsAre("A", "B", "  B1", "  B2", "C"));
    EXPECT_EQ(tree.focused(), item("B2"));
    EXPECT_EQ(outcome.shown, item("B2"));
    EXPECT_THAT(names(tree.selectedNodes()), ElementsAre("B2", "C"));
    EXPECT_TRUE(item("B")->isExpanded()) << "the ancestors of what changed are expanded";
    undo.redo();
    EXPECT_EQ(tree.focused(), item("A"));
    EXPECT_EQ(tree.selectedCount(), 0);
}

// A step that left the selection alone keeps no copy of it until the selection changes; undo then
// brings back the selection the step had, and redo the one it left.
TEST_F(History, ASelectionChangedAfterTheStepsIsRestoredByUndo) {
    tree.setSelected(item("B1"), true);
    tree.setSelected(item("C"), true);
    {
        UndoStepScope step(undo, "Move Items Up");
        tree.moveNode(item("C"), item("A"), AttachMode::Before);
    }
    rename("A", "A renamed");  // a second step over the same selection
    tree.clearSelection();
    tree.setSelected(item("B2"), true);
    undo.undo();
    EXPECT_THAT(names(tree.selectedNodes()), ElementsAre("C", "B1"));
    tree.setSelected(item("A"), true);
    undo.undo();
    EXPECT_THAT(shape(tree), ElementsAre("A", "B", "  B1", "  B2", "C"));
    EXPECT_THAT(names(tree.selectedNodes()), ElementsAre("B1", "C"));
    undo.redo();
    EXPECT_THAT(names(tree.selectedNodes()), ElementsAre("C", "B1"));
}

TEST_F(History, OpeningAnotherCollectionEmptiesTheHistoryAndSavingDoesNot) {
    ScratchFolder folder("undo-open");
    Documents documents(tree, folder.path().string() + "/");
    rename("A", "A2");
    documents.SaveTree((folder.path() / "first.goto").string());
    EXPECT_TRUE(undo.canUndo());
    Outline other;
    addNamed(other, nullptr, "other");
    const Bytes bytes = writeOutline(other);
    writeFileSafely((folder.path() / "other.goto").string(), bytes);
    documents.LoadTree((folder.path() / "other.goto").string());
    EXPECT_FALSE(undo.canUndo());
    EXPECT_FALSE(undo.canRedo());
    EXPECT_THAT(shape(tree), ElementsAre("other"));
}

// Removals heard one after another (from different parents, one of several rows) are one change,
// taken back newest first.
TEST_F(History, RemovalsInARowComeBackInTheirPlaces) {
    const Bytes before = writeOutline(tree);
    {
        UndoStepScope step(undo, "Delete Items");
        tree.deleteNode(item("B2"));
        tree.deleteNode(item("A"));
        tree.deleteNode(item("B1"));
        tree.clear();
    }
    EXPECT_TRUE(tree.isEmpty());
    undo.undo();
    EXPECT_THAT(shape(tree), ElementsAre("A", "B", "  B1", "  B2", "C"));
    EXPECT_EQ(writeOutline(tree), before);
    undo.redo();
    EXPECT_TRUE(tree.isEmpty());
    undo.undo();
    EXPECT_EQ(writeOutline(tree), before);
}

// A view hears a step of many operations taken back as one reset, however few changes hold them
// (here one run of 100 removals), and a short step operation by operation.
TEST_F(History, AViewHearsALongStepTakenBackAsOneReset) {
    for (int i = 0; i < 100; ++i)
        addNamed(tree, nullptr, "D" + std::to_string(i));
    undo.clear();
    {
        UndoStepScope step(undo, "Delete Items");
        for (int i = 0; i < 100; ++i)
            tree.deleteNode(item("D" + std::to_string(i)));
    }
    rename("A", "A renamed");
    ResetCounter view;
    tree.addListener(&view);
    undo.undo();
    EXPECT_EQ(view.resets, 0);
    undo.undo();
    EXPECT_EQ(view.resets, 1);
    EXPECT_EQ(view.others, 0);
    EXPECT_EQ(tree.rootCount(), 103);
    tree.removeListener(&view);
}

// A failure halfway through a run of removals: the nodes already put back go again, the others stay
// kept until the history lets them go.
TEST_F(History, ARunOfRemovalsThatCannotComeBackLeavesTheOutlineWhole) {
    {
        UndoStepScope step(undo, "Delete Items");
        tree.deleteNode(item("B2"));
        tree.deleteNode(item("C"));
    }
    // B2's row is no longer there: B1, before it, was taken away.
    Outline elsewhere;
    behindTheHistorysBack([&] { elsewhere.takeNode(tree, item("B1"), nullptr, AttachMode::LastChild); });
    expectUndoToFailLeavingTheOutlineWhole();
    EXPECT_THAT(shape(tree), ElementsAre("A", "B"));
}

// A whole collection replaced by another's items in one batch, as a restored backup replaces it.
TEST_F(History, ItemsTakenFromAnotherOutlineInABatchGoBackThere) {
    Outline other;
    addNamed(other, nullptr, "X");
    addNamed(other, addNamed(other, nullptr, "Y"), "Y1");
    for (int i = 0; i < 100; ++i)  // more changes than are taken back one by one
        addNamed(other, nullptr, "Z" + std::to_string(i)), addNamed(tree, nullptr, "D" + std::to_string(i));
    undo.clear();
    const Bytes before = writeOutline(tree);
    {
        UndoStepScope step(undo, "Restore Backup");
        OutlineUpdate batch(tree);
        while (!tree.isEmpty())
            tree.deleteNode(tree.root()->child(0));
        while (!other.isEmpty())
            tree.takeNode(other, other.root()->child(0), nullptr, AttachMode::LastChild);
    }
    const Bytes after = writeOutline(tree);
    undo.undo();
    EXPECT_EQ(writeOutline(tree), before);
    undo.redo();
    EXPECT_EQ(writeOutline(tree), after);
}

// An inverse that fails (here because the outline was changed behind the history's back, which no
// command can do) leaves the outline as it was and empties the history.
TEST_F(History, AStepThatCannotBeAppliedLeavesTheOutlineWholeAndEmptiesTheHistory) {
    {
        UndoStepScope step(undo, "Restructure");
        tree.editRecord(item("A"), [](LinkItem& r) { r.Name = "A renamed"; });
        tree.moveNode(item("C"), item("B"), AttachMode::LastChild);
        tree.deleteNode(item("B1"));
    }
    // Its last change is taken back (B1 returns to B), the next one finds C no longer where it went.
    behindTheHistorysBack([&] {
        tree.moveNode(item("C"), nullptr, AttachMode::LastChild);
        tree.moveNode(item("B"), item("C"), AttachMode::LastChild);
    });
    expectUndoToFailLeavingTheOutlineWhole();
}

} // namespace
