// The quick launcher's key: the default, the one stored, a refused one, and changing it.
#include "launch/QuickLauncherKey.h"
#include "fakes/RecordingDialogs.h"
#include "fakes/RecordingHotKeyService.h"
#include "fakes/RecordingPreferences.h"
#include "launch/HotKeyCommands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr HotKeyValue kCtrlAltF8 = kHotKeyCtrl | kHotKeyAlt | 0x77;

struct LauncherKey : ::testing::Test {
    RecordingHotKeyService hotKeys;
    RecordingDialogs dialogs;
    RecordingPreferences preferences;
    QuickLauncherKey key{hotKeys, dialogs, preferences};
};

TEST_F(LauncherKey, StartsWithCtrlAltSpaceUnlessAnotherIsStored) {
    key.start();
    EXPECT_EQ(key.text(), "Ctrl+Alt+Space");
    EXPECT_TRUE(key.isLauncherPress(kDefaultQuickLauncherKey));
    EXPECT_THAT(hotKeys.calls, ElementsAre("register 0xC020"));

    RecordingHotKeyService otherHotKeys;
    preferences.values[kQuickLauncherKeyName] = "Ctrl+Alt+F8";
    QuickLauncherKey stored{otherHotKeys, dialogs, preferences};
    stored.start();
    EXPECT_TRUE(stored.isLauncherPress(kCtrlAltF8));
    EXPECT_FALSE(stored.isLauncherPress(kDefaultQuickLauncherKey));
    EXPECT_THAT(dialogs.messages, IsEmpty());
}

TEST_F(LauncherKey, ARefusedKeyLeavesTheProgramWithoutTheLauncherAndOnlyAChosenOneIsReported) {
    hotKeys.refuseAll = true; // as where the desktop offers no global hot keys
    key.start();
    EXPECT_FALSE(key.registered());
    EXPECT_FALSE(key.isLauncherPress(kDefaultQuickLauncherKey));
    EXPECT_THAT(dialogs.messages, IsEmpty());

    preferences.values[kQuickLauncherKeyName] = "Ctrl+Alt+F8";
    QuickLauncherKey chosen{hotKeys, dialogs, preferences};
    chosen.start();
    EXPECT_THAT(dialogs.messages, ElementsAre("warning: " + hotKeyTakenWarning("Ctrl+Alt+F8")));
}

TEST_F(LauncherKey, ChangingRegistersTheNewKeyGivesTheOldOneBackAndStoresIt) {
    key.start();
    EXPECT_TRUE(key.change("ctrl+alt+f8"));
    EXPECT_THAT(hotKeys.calls, ElementsAre("register 0xC020", "register 0xC077", "unregister 0xC020"));
    EXPECT_THAT(preferences.calls, ElementsAre("set QuickLauncher/Key Ctrl+Alt+F8"));
    EXPECT_TRUE(key.isLauncherPress(kCtrlAltF8));
    EXPECT_THAT(dialogs.messages, IsEmpty());
}

TEST(LauncherKeyOfItems, AKeyItemsStillCarryStaysRegisteredWhenTheLauncherLeavesIt) {
    RecordingHotKeyService hotKeys;
    RecordingDialogs dialogs;
    RecordingPreferences preferences;
    QuickLauncherKey key{hotKeys, dialogs, preferences,
                         [](const std::string& text) { return text == "Ctrl+Alt+Space"; }};
    key.start();
    EXPECT_TRUE(key.change("Ctrl+Alt+F8"));
    EXPECT_THAT(hotKeys.calls, ElementsAre("register 0xC020", "register 0xC077"));
    EXPECT_FALSE(key.isLauncherPress(kDefaultQuickLauncherKey));
}

TEST_F(LauncherKey, AKeyThatIsNoCombinationOrIsHeldElsewhereKeepsTheOldKey) {
    key.start();
    hotKeys.heldElsewhere.insert(kCtrlAltF8);
    const struct {
        const char* text;
        std::string shown;
    } cases[] = {
        {"Ctrl+Banana", "error: " + notAKeyCombination("Ctrl+Banana")},
        {"", "error: " + notAKeyCombination("")},
        {"Ctrl+Alt+F8", "warning: " + hotKeyTakenWarning("Ctrl+Alt+F8")},
    };
    for (const auto& c : cases) {
        dialogs.messages.clear();
        EXPECT_FALSE(key.change(c.text));
        EXPECT_THAT(dialogs.messages, ElementsAre(c.shown)) << c.text;
        EXPECT_TRUE(key.isLauncherPress(kDefaultQuickLauncherKey));
    }
    EXPECT_THAT(preferences.calls, IsEmpty());
    EXPECT_EQ(hotKeys.registered.count(kDefaultQuickLauncherKey), 1u);
}

TEST_F(LauncherKey, AKeyThatCannotBeStoredStillWorksForTheRunAndSaysSo) {
    key.start();
    preferences.failWrites = true;
    EXPECT_TRUE(key.change("Ctrl+Alt+F8"));
    EXPECT_TRUE(key.isLauncherPress(kCtrlAltF8));
    EXPECT_THAT(dialogs.messages, ElementsAre(std::string("error: ") + kLauncherKeyNotStored));
}

} // namespace
