#include "launch/Launcher.h"

#include "collection/ItemType.h"
#include "fakes/RecordingClipboard.h"
#include "fakes/RecordingDialogs.h"
#include "fakes/RecordingShell.h"
#include "launch/LaunchFixture.h"
#include "support/TestOutlines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr const char* kStamp = "Last visited: [08.12.2026] [01:13]";
constexpr const char* kOldStamp = "Last visited: [01.01.2020] [10:00]";

// What one launch did.
struct Effect {
    std::vector<ShellRequest> requests;
    std::vector<std::string> messages;
    std::optional<std::string> clipboard;
};

ShellRequest open(std::string file, std::string parameters = {}, std::string directory = {}) {
    return {"open", std::move(file), std::move(parameters), std::move(directory)};
}

// Every field a launch may read, filled.
void fill(LinkItem& d, std::int32_t type) {
    d.ItemType = type;
    d.Name = "two words";
    d.URL = "https://example.org/a";
    d.Params = "-x 1";
    d.Dir = "/srv/work";
    d.Text = "the text";
    d.AccessInfo = kOldStamp;
}

const ShellRequest kOpenWithDir = open("https://example.org/a", "-x 1", "/srv/work");
const ShellRequest kOpenWithParams = open("https://example.org/a", "-x 1");
const ShellRequest kNewWindow = open("IEXPLORE.EXE", " -new https://example.org/a");
const ShellRequest kAsItIs = open("https://example.org/a");
const ShellRequest kFileManager = open("explorer.exe", "/n, /e,https://example.org/a", "/srv/work");
const ShellRequest kSearchNewWindow = open("IEXPLORE.EXE", " -new www.google.com/search?q=two words");
const ShellRequest kSearchAsItIs = open("www.google.com/search?q=two words");
const ShellRequest kMail = open("mailto:https://example.org/a", "-x 1");
const ShellRequest kPrint{"print", "https://example.org/a", "-x 1", ""};

// What each type does in modes 0, 1 and 2, and whether the launch stamps the item.
struct TypeRow {
    std::int32_t type;
    Effect byMode[3];
    bool stamped;
};

const Effect kNothing{};
Effect requests(ShellRequest r) {
    return {{std::move(r)}, {}, {}};
}

const TypeRow kBrowseNodeURLTable[] = {
    {ItemType::None, {requests(kOpenWithDir), requests(kOpenWithDir), requests(kOpenWithDir)}, false},
    {ItemType::Group, {kNothing, kNothing, kNothing}, false},
    {ItemType::Url, {requests(kNewWindow), kNothing, requests(kAsItIs)}, false},
    {ItemType::Folder, {requests(kFileManager), kNothing, requests(kFileManager)}, false},
    {ItemType::File, {requests(kOpenWithDir), requests(kOpenWithDir), requests(kOpenWithDir)}, false},
    {ItemType::Application, {requests(kOpenWithDir), requests(kOpenWithDir), requests(kOpenWithDir)}, false},
    {ItemType::GoogleSearch, {requests(kSearchNewWindow), kNothing, requests(kSearchAsItIs)}, true},
    {ItemType::SavedPage, {requests(kNewWindow), kNothing, requests(kAsItIs)}, false},
    {ItemType::Email, {requests(kMail), kNothing, requests(kMail)}, false},
    {ItemType::Note, {{{}, {}, "the text"}, {{}, {}, "the text"}, {{}, {}, "the text"}}, false},
    {ItemType::Warning,
     {{{}, {"message: the text"}, {}}, {{}, {"message: the text"}, {}}, {{}, {"message: the text"}, {}}},
     false},
    {ItemType::PrintJob, {requests(kPrint), requests(kPrint), requests(kPrint)}, false},
    {ItemType::AutoFill, {kNothing, kNothing, kNothing}, false},
    {ItemType::CopyText, {kNothing, kNothing, kNothing}, false},
    {13, {kNothing, kNothing, kNothing}, false},
};

const TypeRow kBrowseURLTable[] = {
    {ItemType::None, {requests(kOpenWithDir), requests(kOpenWithDir), requests(kOpenWithDir)}, true},
    {ItemType::Group, {kNothing, kNothing, kNothing}, true},
    {ItemType::Url, {requests(kOpenWithParams), kNothing, kNothing}, true},
    {ItemType::Folder, {requests(kOpenWithParams), kNothing, kNothing}, true},
    {ItemType::File, {requests(kOpenWithParams), kNothing, kNothing}, true},
    {ItemType::Application, {requests(kOpenWithDir), requests(kOpenWithDir), requests(kOpenWithDir)}, true},
    {ItemType::GoogleSearch, {requests(kSearchNewWindow), kNothing, kNothing}, true},
    {ItemType::SavedPage, {requests(kOpenWithParams), kNothing, kNothing}, true},
    {ItemType::Email, {kNothing, kNothing, kNothing}, true},
    {ItemType::Note, {kNothing, kNothing, kNothing}, true},
    {ItemType::Warning, {kNothing, kNothing, kNothing}, true},
    {ItemType::PrintJob, {requests(kPrint), requests(kPrint), kNothing}, true},
    {ItemType::AutoFill, {kNothing, kNothing, kNothing}, true},
    {ItemType::CopyText, {kNothing, kNothing, kNothing}, true},
    {13, {kNothing, kNothing, kNothing}, true},
};

struct LauncherTest : LaunchFixture {
    Effect effect() const { return {shell.requests, dialogs.messages, clipboard.content}; }
    void reset() {
        shell.requests.clear();
        dialogs.messages.clear();
        clipboard.content.reset();
    }
    void expectEffect(const Effect& expected, const std::string& where) {
        EXPECT_EQ(shell.requests, expected.requests) << where;
        EXPECT_EQ(dialogs.messages, expected.messages) << where;
        EXPECT_EQ(clipboard.content, expected.clipboard) << where;
    }
};

TEST_F(LauncherTest, BrowseNodeURLActsByTypeAndModeAndStampsOnlyGoogleSearch) {
    Node* item = outline.addChild(nullptr);
    for (const TypeRow& row : kBrowseNodeURLTable)
        for (int mode = 0; mode < 3; ++mode) {
            const std::string where = "type " + std::to_string(row.type) + " mode " + std::to_string(mode);
            fill(item->data, row.type);
            reset();
            launcher.BrowseNodeURL(outline, item, mode);
            expectEffect(row.byMode[mode], where);
            EXPECT_EQ(item->data.AccessInfo, row.stamped ? kStamp : kOldStamp) << where;
        }
}

TEST_F(LauncherTest, BrowseURLActsOnTheFirstSelectedItemByTypeAndModeAndStampsEveryItemItReaches) {
    Node* focused = outline.addChild(nullptr);
    Node* item = outline.addChild(nullptr);
    outline.setFocused(focused);
    outline.setSelected(item, true);
    for (const TypeRow& row : kBrowseURLTable)
        for (int mode = 0; mode < 3; ++mode) {
            const std::string where = "type " + std::to_string(row.type) + " mode " + std::to_string(mode);
            fill(item->data, row.type);
            reset();
            launcher.BrowseURL(outline, mode);
            expectEffect(row.byMode[mode], where);
            EXPECT_EQ(item->data.AccessInfo, row.stamped ? kStamp : kOldStamp) << where;
        }
}

TEST_F(LauncherTest, AnEmptyRequiredFieldSaysSorryInEveryModeExceptForNotesAndWarnings) {
    Node* item = outline.addChild(nullptr);
    struct Case {
        std::int32_t type;
        ItemText LinkItem::*field;
        bool sorry;
    } cases[] = {
        {ItemType::None, &LinkItem::URL, true},        {ItemType::Url, &LinkItem::URL, true},
        {ItemType::Folder, &LinkItem::URL, true},      {ItemType::File, &LinkItem::URL, true},
        {ItemType::Application, &LinkItem::URL, true}, {ItemType::GoogleSearch, &LinkItem::Name, true},
        {ItemType::SavedPage, &LinkItem::URL, true},   {ItemType::Email, &LinkItem::URL, true},
        {ItemType::PrintJob, &LinkItem::URL, true},    {ItemType::Note, &LinkItem::Text, false},
        {ItemType::Warning, &LinkItem::Text, false},
    };
    for (const Case& c : cases)
        for (int mode = 0; mode < 3; ++mode) {
            const std::string where = "type " + std::to_string(c.type) + " mode " + std::to_string(mode);
            fill(item->data, c.type);
            item->data.*c.field = "";
            reset();
            launcher.BrowseNodeURL(outline, item, mode);
            expectEffect(
                {{},
                 c.sorry ? std::vector<std::string>{"message: Sorry! URL is empty."} : std::vector<std::string>{},
                 {}},
                where);
            EXPECT_EQ(item->data.AccessInfo, kOldStamp) << where << ": a search that says sorry gets no stamp";
        }
}

TEST_F(LauncherTest, BrowseURLSaysSorryForAnEmptyAddressAndStillStamps) {
    Node* item = outline.addChild(nullptr);
    outline.setFocused(item);
    outline.setSelected(item, true);
    for (std::int32_t type : {ItemType::None, ItemType::Url, ItemType::Folder, ItemType::File, ItemType::Application,
                              ItemType::SavedPage, ItemType::PrintJob})
        for (int mode = 0; mode < 3; ++mode) {
            const std::string where = "type " + std::to_string(type) + " mode " + std::to_string(mode);
            fill(item->data, type);
            item->data.URL = "";
            reset();
            launcher.BrowseURL(outline, mode);
            expectEffect({{}, {"message: Sorry! URL is empty."}, {}}, where);
            EXPECT_EQ(item->data.AccessInfo, kStamp) << where;
        }
    // A search with an empty phrase still searches: the search needs no field.
    fill(item->data, ItemType::GoogleSearch);
    item->data.Name = "";
    reset();
    launcher.BrowseURL(outline, LaunchMode::NewBrowserWindow);
    expectEffect(requests(open("IEXPLORE.EXE", " -new www.google.com/search?q=")), "empty search");
}

TEST_F(LauncherTest, BrowseURLNeedsAFocusedItemAndDoesNothingWhenNoneIsSelected) {
    Node* item = addNamed(outline, nullptr, "A");
    fill(item->data, ItemType::Url);
    outline.setSelected(item, true);
    launcher.BrowseURL(outline, LaunchMode::NewBrowserWindow);
    EXPECT_THAT(dialogs.messages, ElementsAre("message: There was no node selected."));
    EXPECT_THAT(shell.requests, IsEmpty());
    EXPECT_EQ(item->data.AccessInfo, kOldStamp);

    reset();
    outline.setSelected(item, false);
    outline.setFocused(item);
    launcher.BrowseURL(outline, LaunchMode::NewBrowserWindow);
    expectEffect(kNothing, "focused, none selected");
    EXPECT_EQ(item->data.AccessInfo, kOldStamp);
}

TEST_F(LauncherTest, OpenURLLaunchesEverySelectedItemInDocumentOrderSayingSorryInBetween) {
    Node* a = addNamed(outline, nullptr, "a");
    Node* b = addNamed(outline, a, "b");
    Node* c = addNamed(outline, nullptr, "c");
    addNamed(outline, nullptr, "not selected");
    for (Node* n : {a, b, c}) {
        const std::string name = n->data.Name;
        fill(n->data, ItemType::Application);
        n->data.URL = "/bin/" + name;
    }
    b->data.URL = "";
    for (Node* n : {c, b, a})
        outline.setSelected(n, true);
    // One log for the shell and the dialogs, so the order between them shows.
    std::vector<std::string> log;
    struct : Shell {
        std::vector<std::string>* log;
        bool execute(const ShellRequest& r) override {
            log->push_back("start " + r.file);
            return true;
        }
    } orderedShell;
    orderedShell.log = &log;
    struct : RecordingDialogs {
        std::vector<std::string>* log;
        void showMessage(const std::string& text) override { log->push_back("message " + text); }
    } orderedDialogs;
    orderedDialogs.log = &log;
    Launcher ordered({orderedShell, clipboard, orderedDialogs, clock});

    ordered.OpenURL(outline, LaunchMode::NewBrowserWindow);
    EXPECT_THAT(log, ElementsAre("start /bin/a", "message Sorry! URL is empty.", "start /bin/c"));
}

TEST_F(LauncherTest, OpenURLWithAFocusedButUnselectedItemSaysSoAndLaunchesNothing) {
    Node* item = outline.addChild(nullptr);
    fill(item->data, ItemType::Url);
    outline.setFocused(item);
    launcher.OpenURL(outline, LaunchMode::NewBrowserWindow);
    expectEffect({{}, {"message: There was no node selected."}, {}}, "focused only");
}

TEST_F(LauncherTest, AStampIsAnnouncedAndUsesTheTwoDigitHour) {
    struct Recorder : OutlineListener {
        std::vector<Node*> changed;
        void recordChanged(Node* n) override { changed.push_back(n); }
    } recorder;
    outline.addListener(&recorder);
    Node* item = outline.addChild(nullptr);
    fill(item->data, ItemType::GoogleSearch);
    clock.time = "9:05:07";
    launcher.BrowseNodeURL(outline, item, LaunchMode::Embedded);
    EXPECT_EQ(item->data.AccessInfo, "Last visited: [08.12.2026] [09:05]");
    EXPECT_THAT(recorder.changed, ElementsAre(item));
    EXPECT_EQ(GetAccessInfo(clock), "Last visited: [08.12.2026] [09:05]");
    outline.removeListener(&recorder);
}

TEST_F(LauncherTest, AWarningInTheOldCodePageIsShownAsItsCharacters) {
    Node* item = outline.addChild(nullptr);
    item->data.ItemType = ItemType::Warning;
    item->data.Text = "Gr\xFC\xDF"
                      "e";
    launcher.BrowseNodeURL(outline, item, LaunchMode::ShellDefault);
    EXPECT_THAT(dialogs.messages, ElementsAre("message: Grüße"));
}

} // namespace
