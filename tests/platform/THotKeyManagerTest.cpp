// Global hot keys against a real X server (run under xvfb-run on the xcb platform): registering a
// combination, another X client refused the same combination, presses made with XTest (xdotool)
// reaching the handler whatever the lock keys, and the properties dialog's warning.
#include "platform/x11/THotKeyManager.h"

#include "collection/Outline.h"
#include "fakes/RecordingDialogs.h"
#include "ui/TLinkPropForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <cstdlib>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr std::uint32_t kCtrlAltHome = 0xC024;
constexpr std::uint32_t kCtrlShiftF5 = 0x6074;
constexpr std::uint32_t kCtrlShiftF6 = 0x6075;
constexpr std::uint32_t kCtrlF7 = 0x4076;

// Presses keys as the user would, through the XTest extension.
void xdotoolKey(const QString& keys) {
    ASSERT_EQ(QProcess::execute("xdotool", {"key", keys}), 0) << keys.toStdString();
}

// Another X client: its own connection to the server.
struct OtherClient {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    ~OtherClient() { xcb_disconnect(connection); }

    xcb_keycode_t keyCode(xcb_keysym_t keySym) const {
        const xcb_setup_t* setup = xcb_get_setup(connection);
        const auto count = static_cast<std::uint8_t>(setup->max_keycode - setup->min_keycode + 1);
        auto* reply = xcb_get_keyboard_mapping_reply(
            connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, count), nullptr);
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(reply);
        xcb_keycode_t found = 0;
        for (int i = 0; i < xcb_get_keyboard_mapping_keysyms_length(reply) && !found; ++i)
            if (syms[i] == keySym)
                found = static_cast<xcb_keycode_t>(setup->min_keycode + i / reply->keysyms_per_keycode);
        std::free(reply);
        return found;
    }
    // Grabs one exact combination (no lock-key variants); false when the server refuses it.
    bool grab(xcb_keysym_t keySym, std::uint16_t modifiers) {
        xcb_generic_error_t* error =
            xcb_request_check(connection, xcb_grab_key_checked(connection, 0, root, modifiers, keyCode(keySym),
                                                               XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        std::free(error);
        return error == nullptr;
    }
    // Waits for the server, so that what this client gave back is free for the next request of another.
    void ungrab(xcb_keysym_t keySym, std::uint16_t modifiers) {
        std::free(xcb_request_check(connection, xcb_ungrab_key_checked(connection, keyCode(keySym), root, modifiers)));
    }
    std::string atomName(int atom) const {
        auto* reply =
            xcb_get_atom_name_reply(connection, xcb_get_atom_name(connection, static_cast<xcb_atom_t>(atom)), nullptr);
        std::string name =
            reply ? std::string(xcb_get_atom_name_name(reply), xcb_get_atom_name_name_length(reply)) : "";
        std::free(reply);
        return name;
    }
};

constexpr std::uint16_t kCtrlShift = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_SHIFT;

struct THotKeyManagerTest : ::testing::Test {
    std::unique_ptr<THotKeyManager> hotKeys = THotKeyManager::forApplication();
    OtherClient other;
    std::vector<std::pair<std::uint32_t, int>> presses;

    void SetUp() override {
        ASSERT_NE(hotKeys, nullptr) << "needs an X server and the xcb platform";
        ASSERT_EQ(xcb_connection_has_error(other.connection), 0);
        hotKeys->setPressHandler(
            [this](std::uint32_t value, int identifier) { presses.emplace_back(value, identifier); });
    }
    void waitForPresses(std::size_t count) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return presses.size() >= count; }, 10000));
    }
};

TEST_F(THotKeyManagerTest, ARegisteredCombinationIsNamedAfterItsValueAndItsPressesArriveWhateverTheLockKeys) {
    const int identifier = hotKeys->registerHotKey(kCtrlAltHome);
    ASSERT_NE(identifier, 0);
    EXPECT_EQ(other.atomName(identifier), "HotKeyManagerHotKey49188");
    EXPECT_EQ(hotKeys->registerHotKey(kCtrlAltHome), identifier) << "the program's own key again";

    xdotoolKey("ctrl+alt+Home");
    waitForPresses(1);
    xdotoolKey("Caps_Lock");
    xdotoolKey("Num_Lock");
    xdotoolKey("ctrl+alt+Home");
    waitForPresses(2);
    xdotoolKey("Caps_Lock");
    xdotoolKey("Num_Lock");
    xdotoolKey("ctrl+Home"); // not registered: Alt is missing
    xdotoolKey("ctrl+alt+Home");
    waitForPresses(3);
    EXPECT_THAT(presses, ElementsAre(std::pair(kCtrlAltHome, identifier), std::pair(kCtrlAltHome, identifier),
                                     std::pair(kCtrlAltHome, identifier)));
}

// Ctrl+Alt+F1 to F12 switch to a text console: the X server acts on them itself and no client ever
// sees the press, so they are refused like a combination another program holds.
TEST_F(THotKeyManagerTest, TheConsoleSwitchingKeysAreRefusedButTheirShiftedFormsAreNot) {
    EXPECT_EQ(hotKeys->registerHotKey(0xC074), 0);          // Ctrl+Alt+F5
    EXPECT_EQ(hotKeys->registerHotKey(0x1C074), 0);         // Ctrl+Alt+Win+F5
    const int identifier = hotKeys->registerHotKey(0xE074); // Ctrl+Shift+Alt+F5
    ASSERT_NE(identifier, 0);
    xdotoolKey("ctrl+shift+alt+F5");
    waitForPresses(1);
    EXPECT_THAT(presses, ElementsAre(std::pair(0xE074u, identifier)));
}

TEST_F(THotKeyManagerTest, ACombinationHeldByAnotherClientIsRefusedEitherWay) {
    ASSERT_NE(hotKeys->registerHotKey(kCtrlShiftF5), 0);
    // Another client's registration of the same combination is refused.
    {
        THotKeyManager second(other.connection, other.root);
        EXPECT_EQ(second.registerHotKey(kCtrlShiftF5), 0);
    }
    // A combination the other client holds is refused here.
    ASSERT_TRUE(other.grab(XK_F6, kCtrlShift));
    EXPECT_EQ(hotKeys->registerHotKey(kCtrlShiftF6), 0);
    EXPECT_FALSE(hotKeys->unregisterHotKey(kCtrlShiftF6));
    other.ungrab(XK_F6, kCtrlShift);
    // Once given back, it can be registered, and given back again.
    EXPECT_NE(hotKeys->registerHotKey(kCtrlShiftF6), 0);
    EXPECT_TRUE(hotKeys->unregisterHotKey(kCtrlShiftF6));
    EXPECT_TRUE(other.grab(XK_F6, kCtrlShift));
}

TEST_F(THotKeyManagerTest, ARefusalOfOneLockVariantGivesBackTheGrabsAlreadyMade) {
    // The other client holds only the Caps Lock + Num Lock variant, which is grabbed last.
    const auto locked = static_cast<std::uint16_t>(kCtrlShift | XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2);
    ASSERT_TRUE(other.grab(XK_F6, locked));
    EXPECT_EQ(hotKeys->registerHotKey(kCtrlShiftF6), 0);
    EXPECT_TRUE(other.grab(XK_F6, kCtrlShift)) << "the plain variant was left grabbed";
    EXPECT_TRUE(other.grab(XK_F6, kCtrlShift | XCB_MOD_MASK_LOCK)) << "the Caps Lock variant was left grabbed";
}

TEST_F(THotKeyManagerTest, EverythingIsGivenBackWhenTheServiceEnds) {
    ASSERT_NE(hotKeys->registerHotKey(kCtrlShiftF5), 0);
    ASSERT_NE(hotKeys->registerHotKey(kCtrlF7), 0);
    hotKeys.reset();
    EXPECT_TRUE(other.grab(XK_F5, kCtrlShift));
    EXPECT_TRUE(other.grab(XK_F7, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_2));
}

// "Assign" in the properties dialog with a combination another client holds: the warning, and the
// text still shown.
TEST_F(THotKeyManagerTest, AssigningACombinationAnotherClientHoldsWarnsInTheDialog) {
    ASSERT_TRUE(other.grab(XK_F7, XCB_MOD_MASK_CONTROL));
    Outline outline;
    Node* item = outline.addChild(nullptr);
    RecordingDialogs dialogs;
    TLinkPropForm form(outline, dialogs, *hotKeys);
    ASSERT_TRUE(form.fill(item));
    auto* keys = form.findChild<QComboBox*>("HotComboBox");
    keys->setCurrentIndex(keys->findText("F7"));
    form.BtnGetHotKeyClick();
    EXPECT_THAT(dialogs.messages,
                ElementsAre("warning: Ctrl+F7 is already used\rand therefore couldn't be assigned to a hotkey."));
    EXPECT_EQ(form.findChild<QLineEdit*>("HotKeyEdit")->text(), "Ctrl+F7");

    dialogs.messages.clear();
    keys->setCurrentIndex(keys->findText("F8"));
    form.BtnGetHotKeyClick();
    EXPECT_THAT(dialogs.messages, IsEmpty());
}

} // namespace
