// Capturing the open browser tabs into the outline, and emptying the web caches.
#include "launch/LinkCapture.h"

#include "fakes/RecordingBrowserWindows.h"
#include "fakes/RecordingDialogs.h"
#include "fakes/RecordingUrlCache.h"
#include "support/TestOutlines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

struct CaptureTest : ::testing::Test {
    Outline links{true};
    RecordingBrowserWindows windows;
    RecordingDialogs dialogs;
    Node *a = nullptr, *a1 = nullptr, *b = nullptr;

    void SetUp() override {
        a = addNamed(links, nullptr, "A");
        a1 = addNamed(links, a, "A1");
        b = addNamed(links, nullptr, "B");
    }
};

TEST_F(CaptureTest, EachOpenTabBecomesANoteUnderTheFocusedItemInTheBrowsersOrder) {
    windows.open.tabs = {
        {"https://one.example/", "One"}, {"file:///srv/docs/", "docs"}, {"https://one.example/", "One"}};
    links.setFocused(a);
    links.setSelected(b, true);
    AddActiveLinks(links, windows, dialogs);
    EXPECT_THAT(shape(links), ElementsAre("A", "  A1", "  One", "  docs", "  One", "B"))
        << "after the children it had, the same address twice";
    const std::pair<const char*, const char*> captured[] = {
        {"https://one.example/", "One"}, {"file:///srv/docs/", "docs"}, {"https://one.example/", "One"}};
    for (int i = 0; i < 3; ++i) {
        LinkItem expected;
        expected.ItemType = 8;
        expected.URL = captured[i].first;
        expected.Name = captured[i].second;
        EXPECT_EQ(a->child(i + 1)->data, expected) << "every other field empty";
    }
    EXPECT_EQ(links.focused(), a) << "focus and selection stay";
    EXPECT_THAT(links.selectedNodes(), ElementsAre(b));
    EXPECT_THAT(dialogs.messages, IsEmpty());
    EXPECT_EQ(windows.asked, 1);
}

TEST_F(CaptureTest, WithNothingFocusedTheTabsBecomeTheLastTopLevelItems) {
    windows.open.tabs = {{"https://one.example/", "One"}, {"https://two.example/", "Two"}};
    AddActiveLinks(links, windows, dialogs);
    EXPECT_THAT(shape(links), ElementsAre("A", "  A1", "B", "One", "Two"));
}

TEST_F(CaptureTest, NoOpenTabAddsNothingAndShowsNothing) {
    links.setFocused(a1);
    AddActiveLinks(links, windows, dialogs);
    EXPECT_THAT(shape(links), ElementsAre("A", "  A1", "B"));
    EXPECT_THAT(dialogs.messages, IsEmpty());
}

TEST_F(CaptureTest, AnUnreadableWindowListShowsItsErrorAfterTheTabsFoundBeforeIt) {
    windows.open.tabs = {{"https://one.example/", "One"}};
    windows.open.error = "The browser session file \"x\" cannot be read: it is encrypted.";
    links.setFocused(b);
    AddActiveLinks(links, windows, dialogs);
    EXPECT_THAT(shape(links), ElementsAre("A", "  A1", "B", "  One"));
    EXPECT_THAT(dialogs.messages,
                ElementsAre("error: The browser session file \"x\" cannot be read: it is encrypted."));
}

TEST(DeleteIECache, DeletesEveryEntryPassesOverThoseThatStayAndSaysNothing) {
    RecordingUrlCache cache;
    cache.stored = {"/c/1", "/c/locked", "/c/2"};
    cache.locked = {"/c/locked"};
    DeleteIECache(cache);
    EXPECT_THAT(cache.deletions, ElementsAre("/c/1", "/c/locked", "/c/2"));
    EXPECT_THAT(cache.stored, ElementsAre("/c/locked"));

    RecordingUrlCache empty;
    DeleteIECache(empty);
    EXPECT_THAT(empty.deletions, IsEmpty());
}

} // namespace
