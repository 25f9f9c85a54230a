// Commands that change many items announce one batch; commands that change a few announce each
// change. Either way the outline ends the same, and a focus change comes after the batch.
#include "editing/BulkChange.h"
#include "editing/Deletion.h"
#include "editing/DragDrop.h"
#include "editing/OutlineClipboard.h"
#include "editing/Restructure.h"
#include "editing/StreamCopy.h"
#include "EditingFixtures.h"
#include "fakes/RecordingClipboard.h"
#include "fakes/RecordingDialogs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

namespace {

struct CountingListener : OutlineListener {
    int resets = 0, single = 0;
    std::vector<std::string> focusMoves;
    void reset() override { ++resets; }
    void nodesInserted(Node*, int, int) override { ++single; }
    void nodesRemoved(Node*, int, int) override { ++single; }
    void nodeMoved(Node*) override { ++single; }
    void focusChanged(Node*, Node* current) override {
        focusMoves.push_back(current ? current->data.Name : "(none)");
    }
};

// Top-level groups G0..G{n-1}, each with one child C0..C{n-1}.
void buildGroups(Outline& o, int n) {
    for (int i = 0; i < n; ++i)
        addNamed(o, addNamed(o, nullptr, "G" + std::to_string(i)), "C" + std::to_string(i));
}

void selectChildren(Outline& o, int n) {
    for (int i = 0; i < n; ++i)
        o.setSelected(named(o, "C" + std::to_string(i)), true);
}

TEST(BulkChange, ManyItemsAreOneBatchAFewAreAnnouncedOneByOne) {
    RecordingClipboard clipboard;
    RecordingDialogs dialogs;
    const std::function<void(Outline&)> commands[] = {
        [](Outline& o) { DelNodes(o); },
        [](Outline& o) { MoveItemsLeft(o); },
        [](Outline& o) { MoveItemsUp(o); },
        [](Outline& o) { GroupItems(o); },
        [](Outline& o) { CloneItems(o); },
        [&](Outline& o) {
            Drop drop{DragSource::Outline, false, {}, o.first(), DropPosition::Above};
            LinksTreeDragDrop(o, o, drop, dialogs);
        },
        [&](Outline& o) {
            OutlineClipboard commands(o, 1, 1, clipboard, dialogs);
            commands.CopyNode();
            o.setFocused(o.first());
            commands.PasteNode();
        },
    };
    const int many = static_cast<int>(kItemsAnnouncedOneByOne) + 6;
    for (std::size_t c = 0; c < std::size(commands); ++c) {
        SCOPED_TRACE(c);
        for (bool batched : {false, true}) {
            // The same change on a few items and on many items of a large outline.
            Outline o;
            buildGroups(o, many);
            selectChildren(o, batched ? many : 3);
            const std::vector<std::string> before = shape(o);
            CountingListener listener;
            o.addListener(&listener);
            commands[c](o);
            o.removeListener(&listener);
            EXPECT_NE(shape(o), before) << "the items were changed";
            if (batched) {
                EXPECT_GE(listener.resets, 1);
                EXPECT_EQ(listener.single, 0);
            } else {
                EXPECT_EQ(listener.resets, 0);
                EXPECT_GT(listener.single, 0);
            }
        }
    }
}

TEST(BulkChange, TheFocusAfterABatchedDeleteIsAnnounced) {
    Outline o;
    Node* top = addNamed(o, nullptr, "top");
    o.setExpanded(top, true);
    for (int i = 0; i < 100; ++i)
        o.setSelected(addNamed(o, top, "c" + std::to_string(i)), true);
    o.setFocused(top->child(50));
    CountingListener listener;
    o.addListener(&listener);
    DelNodes(o);
    o.removeListener(&listener);
    EXPECT_EQ(listener.resets, 1);
    EXPECT_EQ(listener.focusMoves, std::vector<std::string>{"top"});
    EXPECT_EQ(shape(o), std::vector<std::string>{"top"});
}

} // namespace
