// The clipboard commands where the system clipboard misbehaves, which the real one cannot be made to
// do on demand. Everything else is tested against the real clipboard (QtOutlineClipboardTest.cpp).
#include "editing/OutlineClipboard.h"
#include "EditingFixtures.h"
#include "fakes/RecordingClipboard.h"
#include "fakes/RecordingDialogs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

TEST(OutlineClipboard, AClipboardThatCannotBeOpenedReportsTheFailureAndChangesNothing) {
    Outline links;
    build(links, {"A", "B"});
    RecordingClipboard clipboard;
    RecordingDialogs dialogs;
    OutlineClipboard commands(links, 1, 4242, clipboard, dialogs);
    select(links, {"A"});
    commands.CutNode();
    links.setFocused(named(links, "B"));
    clipboard.cannotOpen = true;
    commands.PasteNode();
    EXPECT_THAT(dialogs.messages, ElementsAre("error: Clipboard operation failed."));
    EXPECT_THAT(shape(links), ElementsAre("A", "B"));
    EXPECT_TRUE(commands.cutPending()) << "the cut waits for a paste that works";
}

TEST(OutlineClipboard, ItemsTheClipboardDidNotTakeAreNotMarked) {
    Outline links;
    build(links, {"A"});
    RecordingClipboard clipboard;
    RecordingDialogs dialogs;
    OutlineClipboard commands(links, 1, 4242, clipboard, dialogs);
    select(links, {"A"});
    clipboard.refuse = true;
    commands.CutNode();
    EXPECT_EQ(links.first()->mark(), ClipboardMark::None);
    EXPECT_FALSE(commands.cutPending());
    EXPECT_THAT(dialogs.messages, IsEmpty());
}

TEST(OutlineClipboard, CopyWithNothingSelectedLeavesTheClipboardAlone) {
    Outline links;
    build(links, {"A"});
    RecordingClipboard clipboard;
    clipboard.setText("kept");
    RecordingDialogs dialogs;
    OutlineClipboard commands(links, 1, 4242, clipboard, dialogs);
    commands.CopyNode();
    commands.CutNode();
    EXPECT_THAT(clipboard.calls, ElementsAre("setText kept"));
}

} // namespace
