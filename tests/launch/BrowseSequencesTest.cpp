#include "launch/BrowseSequences.h"

#include "collection/ItemType.h"
#include "launch/LaunchFixture.h"
#include "support/TestOutlines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

ShellRequest open(std::string file, std::string parameters = {}, std::string directory = {}) {
    return {"open", std::move(file), std::move(parameters), std::move(directory)};
}

// An item whose launch shows which item it was and in which mode: a URL item opens "IEXPLORE.EXE"
// in mode 0, its address as it is in mode 2 and nothing in mode 1 (under BrowseURL: its address in
// mode 0 only).
Node* urlItem(Outline& outline, Node* parent, const std::string& name) {
    Node* n = addNamed(outline, parent, name);
    n->data.ItemType = ItemType::Url;
    n->data.URL = "https://example.org/" + name;
    return n;
}

// Outline A (A1, A2), B.
struct SequenceTest : LaunchFixture {
    Node* a = urlItem(outline, nullptr, "A");
    Node* a1 = urlItem(outline, a, "A1");
    Node* a2 = urlItem(outline, a, "A2");
    Node* b = urlItem(outline, nullptr, "B");

    void selectOnly(Node* n) {
        outline.clearSelection();
        outline.setSelected(n, true);
        outline.setFocused(n);
    }
};

TEST_F(SequenceTest, BrowseNextStepsThroughTheOutlineInDocumentOrderAndStampsEachItem) {
    selectOnly(a1);
    for (Node* expected : {a2, b}) {
        BrowseNext(launcher, outline, LaunchMode::NewBrowserWindow);
        EXPECT_EQ(outline.focused(), expected);
        EXPECT_THAT(outline.selectedNodes(), ElementsAre(expected));
        EXPECT_EQ(shell.requests.back(), open(expected->data.URL)) << "BrowseURL opens the address as it is";
        EXPECT_FALSE(expected->data.AccessInfo.empty());
    }
    EXPECT_THAT(dialogs.messages, IsEmpty());

    BrowseNext(launcher, outline, LaunchMode::NewBrowserWindow);
    EXPECT_EQ(outline.focused(), nullptr);
    EXPECT_EQ(outline.selectedCount(), 0);
    EXPECT_THAT(dialogs.messages, ElementsAre("message: There was no node selected."));
    EXPECT_EQ(shell.requests.size(), 2u);
    EXPECT_TRUE(a1->data.AccessInfo.empty()) << "the start item is not launched again";
}

TEST_F(SequenceTest, BrowsePreviousGoesToTheParentOrToTheLastDescendantOfThePreviousSibling) {
    struct Case {
        Node* from;
        Node* to;
        bool collapsed;
    } cases[] = {{a1, a, false}, {b, a2, false}, {b, a2, true}};
    for (const Case& c : cases) {
        outline.setExpanded(a, !c.collapsed);
        selectOnly(c.from);
        shell.requests.clear();
        BrowsePrevious(launcher, outline, LaunchMode::Embedded);
        EXPECT_EQ(outline.focused(), c.to) << c.from->data.Name;
        EXPECT_THAT(outline.selectedNodes(), ElementsAre(c.to)) << c.from->data.Name;
        EXPECT_THAT(shell.requests, IsEmpty()) << "mode 1 opens no web item";
        EXPECT_FALSE(c.to->data.AccessInfo.empty()) << "but stamps it";
    }
    selectOnly(a);
    BrowsePrevious(launcher, outline, LaunchMode::Embedded);
    EXPECT_EQ(outline.focused(), nullptr);
    EXPECT_THAT(dialogs.messages, ElementsAre("message: There was no node selected."));
}

TEST_F(SequenceTest, BrowseNextAndPreviousDoNothingWithoutAFocusedItemOrWithoutASelectedOne) {
    outline.setSelected(a1, true); // selected, not focused
    BrowseNext(launcher, outline, LaunchMode::NewBrowserWindow);
    BrowsePrevious(launcher, outline, LaunchMode::Embedded);
    outline.setSelected(a1, false);
    outline.setFocused(a1); // focused, not selected
    BrowseNext(launcher, outline, LaunchMode::NewBrowserWindow);
    BrowsePrevious(launcher, outline, LaunchMode::Embedded);
    EXPECT_EQ(outline.focused(), a1);
    EXPECT_EQ(outline.selectedCount(), 0);
    EXPECT_THAT(shell.requests, IsEmpty());
    EXPECT_THAT(dialogs.messages, IsEmpty());
}

TEST_F(SequenceTest, ASetLaunchesItsMembersInDocumentOrderOnceEachInModeZero) {
    a1->data.Sets = 0b0101;        // sets #1 and #3
    b->data.Sets = 0b0001;         // set #1
    a->data.Sets = 0x10;           // no set of the four, only a carried bit
    outline.setExpanded(a, false); // collapsed branches count
    struct Case {
        std::uint32_t mask;
        std::vector<std::string> opened;
    } cases[] = {
        {1, {" -new https://example.org/A1", " -new https://example.org/B"}},
        {2, {}},
        {4, {" -new https://example.org/A1"}},
        {8, {}},
        {1 | 4, {" -new https://example.org/A1", " -new https://example.org/B"}},
    };
    for (const Case& c : cases) {
        shell.requests.clear();
        OpenSet(launcher, outline, c.mask);
        std::vector<std::string> opened;
        for (const ShellRequest& r : shell.requests) {
            EXPECT_EQ(r.file, "IEXPLORE.EXE");
            opened.push_back(r.parameters);
        }
        EXPECT_EQ(opened, c.opened) << "mask " << c.mask;
    }
    EXPECT_THAT(dialogs.messages, IsEmpty());
}

TEST_F(LaunchFixture, TheAddressBarLaunchesTheItemNamedExactlyElseByTheBrowserChoice) {
    Node* plain = addNamed(outline, nullptr, "Wiki");
    Node* padded = addNamed(outline, nullptr, " \tNews \r\n");
    addNamed(outline, nullptr, "Wiki")->data.ItemType = ItemType::Warning; // a second "Wiki" is never reached
    for (Node* n : {plain, padded}) {
        n->data.ItemType = ItemType::Url;
        n->data.URL = "https://example.org/" + std::to_string(n->index());
    }
    struct Case {
        std::string text;
        int choice;
        std::vector<ShellRequest> expected;
    } cases[] = {
        // A found item launches in mode 0 whatever the choice.
        {"Wiki", 0, {open("IEXPLORE.EXE", " -new https://example.org/0")}},
        {"Wiki", 1, {open("IEXPLORE.EXE", " -new https://example.org/0")}},
        {"Wiki", 2, {open("IEXPLORE.EXE", " -new https://example.org/0")}},
        {"News", 0, {open("IEXPLORE.EXE", " -new https://example.org/1")}},
        // A phrase is not trimmed, and names compare case-sensitively.
        {"News ", 0, {open("IEXPLORE.EXE", " -new News ")}},
        {"wiki", 0, {open("IEXPLORE.EXE", " -new wiki")}},
        {"wiki", 1, {}},
        {"wiki", 2, {open("wiki")}},
        {"", 0, {}},
    };
    for (const Case& c : cases) {
        shell.requests.clear();
        AddressBarGo(launcher, outline, c.text, c.choice);
        EXPECT_EQ(shell.requests, c.expected) << "\"" << c.text << "\" choice " << c.choice;
    }
    EXPECT_THAT(dialogs.messages, IsEmpty());
    EXPECT_FALSE(LaunchActivePhrase(launcher, outline, "Nothing"));
    EXPECT_TRUE(LaunchActivePhrase(launcher, outline, "Wiki"));
}

TEST_F(LaunchFixture, AStoredNameInTheOldCodePageMatchesTheSameTextTyped) {
    Node* n = addNamed(outline, nullptr,
                       "Gr\xFC\xDF"
                       "e");
    n->data.ItemType = ItemType::Note;
    n->data.Text = "found";
    EXPECT_TRUE(LaunchActivePhrase(launcher, outline, "Grüße"));
    EXPECT_EQ(clipboard.content, "found");
}

TEST_F(LaunchFixture, TheSearchButtonSearchesByTheBrowserChoice) {
    struct Case {
        std::string text;
        int choice;
        std::vector<ShellRequest> expected;
    } cases[] = {
        {"two words", 0, {open("IEXPLORE.EXE", " -new www.google.com/search?q=two words")}},
        {"two words", 1, {}},
        {"two words", 2, {open("www.google.com/search?q=two words")}},
        {"", 0, {}},
    };
    for (const Case& c : cases) {
        shell.requests.clear();
        AddressBarSearch(launcher, c.text, c.choice);
        EXPECT_EQ(shell.requests, c.expected) << "choice " << c.choice;
    }
}

TEST_F(LaunchFixture, EmailItemsSendsNameBlankAddressAndMarkerWithLineFeedThenCarriageReturn) {
    Node* a = addNamed(outline, nullptr, "A");
    a->data.URL = "a";
    Node* b = addNamed(outline, a, "B");
    b->data.URL = "b";
    addNamed(outline, nullptr, "C")->data.URL = "c";
    EmailItems(launcher, outline);
    outline.setSelected(b, true);
    outline.setSelected(a, true);
    EmailItems(launcher, outline);
    ASSERT_EQ(shell.requests.size(), 2u);
    EXPECT_EQ(shell.requests[0], open("mailto: ?subject= &body="));
    EXPECT_EQ(shell.requests[1], open(std::string("mailto: ?subject= &body=") + "A a ### \x0A\x0D"
                                                                                "B b ### \x0A\x0D"));
}

TEST_F(LaunchFixture, CopyURLPutsTheFirstSelectedAddressOnTheClipboard) {
    Node* a = addNamed(outline, nullptr, "A");
    a->data.URL = "https://example.org/a";
    Node* b = addNamed(outline, nullptr, "B");
    b->data.URL = "https://example.org/b";
    outline.setFocused(a);
    CopyURL(launcher, outline);
    EXPECT_THAT(dialogs.messages, ElementsAre("message: no selection!"));
    EXPECT_EQ(clipboard.content, std::nullopt);
    outline.setSelected(b, true);
    outline.setSelected(a, true);
    CopyURL(launcher, outline);
    EXPECT_EQ(clipboard.content, "https://example.org/a");
}

TEST_F(LaunchFixture, TheServiceCommandsOpenTheBrowserTheFileManagerAndFixedAddresses) {
    OpenSearchHomePage(launcher);
    StartWebBrowser(launcher);
    StartFileManager(launcher);
    OpenPublisherSite(launcher);
    EXPECT_THAT(shell.requests,
                ElementsAre(open(kSearchHomePage), open("iexplore.exe"), open("explorer.exe"), open(kPublisherSite)));
}

} // namespace
