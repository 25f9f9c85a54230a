#include "launch/HotKeyCommands.h"
#include "platform/UnavailableHotKeyService.h"

#include "collection/ItemType.h"
#include "fakes/RecordingHotKeyService.h"
#include "launch/LaunchFixture.h"
#include "support/TestOutlines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr HotKeyValue kCtrlAltF5 = 0xC074;
constexpr HotKeyValue kAltPageUp = 0x8021;
constexpr HotKeyValue kCtrlShiftF5 = 0x6074;

ShellRequest newWindow(const std::string& url) {
    return {"open", "IEXPLORE.EXE", " -new " + url, {}};
}

// The launcher's outline with items carrying hot key texts; collapsed branches as a file leaves them.
struct HotKeyCommandsTest : LaunchFixture {
    RecordingHotKeyService hotKeys;

    Node* item(Node* parent, const std::string& name, const std::string& hotKey) {
        Node* n = addNamed(outline, parent, name);
        n->data.ItemType = ItemType::Url;
        n->data.URL = "https://example.org/" + name;
        n->data.HotKey = hotKey;
        return n;
    }
    void press(HotKeyValue value) { HotKeyManager1HotKeyPressed(launcher, outline, hotKeys, value); }
};

TEST_F(HotKeyCommandsTest, StartUpRegistersEveryParsableKeyInDocumentOrderAndIsSilentAboutRefusals) {
    Node* group = item(nullptr, "group", "");
    item(group, "deep", "Ctrl+Alt+F5");      // inside a collapsed branch
    item(nullptr, "empty", "");              // never registered
    item(nullptr, "bad", "Ctrl+Foo");        // does not parse: skipped
    item(nullptr, "taken", "Ctrl+Shift+F5"); // another program holds it
    item(nullptr, "again", "Ctrl+Alt+F5");   // a repeat of the first
    item(nullptr, "lower", "alt + page up"); // parses in any case and spacing
    hotKeys.heldElsewhere.insert(kCtrlShiftF5);

    AddLinksHotKeys(hotKeys, outline);

    EXPECT_THAT(hotKeys.calls, ElementsAre("register 0xC074", "register 0x6074", "register 0xC074", "register 0x8021"));
    EXPECT_EQ(hotKeys.registered.size(), 2u);
    EXPECT_THAT(dialogs.messages, IsEmpty());
}

TEST_F(HotKeyCommandsTest, AssigningWarnsWithTheExactTextOnlyWhenTheKeyIsRefused) {
    hotKeys.heldElsewhere.insert(kCtrlShiftF5);
    EXPECT_FALSE(AddHotKey2(hotKeys, dialogs, kCtrlShiftF5));
    EXPECT_THAT(dialogs.messages,
                ElementsAre("warning: Ctrl+Shift+F5 is already used\rand therefore couldn't be assigned to a hotkey."));

    dialogs.messages.clear();
    EXPECT_TRUE(AddHotKey2(hotKeys, dialogs, kCtrlAltF5));
    EXPECT_TRUE(AddHotKey2(hotKeys, dialogs, kCtrlAltF5)); // the program's own key again
    EXPECT_THAT(dialogs.messages, IsEmpty());

    AddHotKey(hotKeys, kCtrlShiftF5); // the plain registration never warns
    EXPECT_THAT(dialogs.messages, IsEmpty());
    EXPECT_THAT(hotKeys.calls, ElementsAre("register 0x6074", "register 0xC074", "register 0xC074", "register 0x6074"));
}

TEST_F(HotKeyCommandsTest, APressLaunchesEveryItemShowingItsTextInDocumentOrderInMode0) {
    Node* group = item(nullptr, "group", "");
    item(group, "first", "Ctrl+Alt+F5");
    item(nullptr, "other", "Alt+Page Up");
    item(nullptr, "second", "Ctrl+Alt+F5");
    item(nullptr, "spelled", "ctrl+alt+f5"); // registers the same key, but the text differs

    press(kCtrlAltF5);
    EXPECT_THAT(shell.requests,
                ElementsAre(newWindow("https://example.org/first"), newWindow("https://example.org/second")));
    shell.requests.clear();
    press(kAltPageUp);
    EXPECT_THAT(shell.requests, ElementsAre(newWindow("https://example.org/other")));
    EXPECT_THAT(dialogs.messages, IsEmpty());
}

TEST_F(HotKeyCommandsTest, APressWhoseTextNoItemShowsAnyMoreDoesNothing) {
    Node* only = item(nullptr, "only", "Ctrl+Alt+F5");
    Node* changed = item(nullptr, "changed", "Alt+Page Up");
    AddLinksHotKeys(hotKeys, outline);
    outline.deleteNode(only);
    changed->data.HotKey = "Ctrl+Shift+F5";

    press(kCtrlAltF5);
    press(kAltPageUp);
    EXPECT_THAT(shell.requests, IsEmpty());
    EXPECT_THAT(dialogs.messages, IsEmpty());
    EXPECT_EQ(hotKeys.registered.count(kCtrlAltF5), 1u); // keys stay registered until the program ends
}

} // namespace

TEST(HotKeysUnavailable, TheUserIsToldOnceThatTheDesktopHasNoGlobalHotKeys) {
    UnavailableHotKeyService hotKeys;
    RecordingDialogs dialogs;
    EXPECT_FALSE(AddHotKey2(hotKeys, dialogs, kCtrlShiftF5));
    EXPECT_FALSE(AddHotKey2(hotKeys, dialogs, kCtrlAltF5));
    AddLinksHotKeys(hotKeys, Outline());
    EXPECT_THAT(dialogs.messages, ElementsAre(std::string("warning: ") + kNoGlobalHotKeys));
}
