// The main window's global hot keys and notification-area icon, over recording services.
#include "app/TForm1.h"

#include "collection/FileIO.h"
#include "collection/ItemType.h"
#include "collection/NodeStream.h"
#include "fakes/RecordedWindowServices.h"
#include "support/ScratchProgramFolder.h"
#include "support/TestOutlines.h"

#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

ShellRequest newWindow(const std::string& url) {
    return {"open", "IEXPLORE.EXE", " -new " + url, {}};
}

// A main window started over a collection whose items carry hot keys: "first" (inside a group) and
// "second" share Ctrl+Alt+F5, another program holds "taken"'s Ctrl+Shift+F5, "bad" does not parse.
struct HotKeyWindow : ::testing::Test, RecordedWindowServices {
    ScratchProgramFolder scratch{"hotkeys"};
    const fs::path& folder = scratch.path();
    std::unique_ptr<TForm1> form;

    void SetUp() override {
        Outline collection;
        Node* group = addNamed(collection, nullptr, "group");
        item(collection, group, "first", "Ctrl+Alt+F5");
        item(collection, nullptr, "taken", "Ctrl+Shift+F5");
        item(collection, nullptr, "second", "Ctrl+Alt+F5");
        item(collection, nullptr, "bad", "Ctrl+Foo");
        writeFileSafely((folder / "links.goto").string(), writeOutline(collection));
        hotKeys.heldElsewhere.insert(0x6074);
        form = std::make_unique<TForm1>(scratch.programFolder(), services());
        form->FormCreate();
    }
    void TearDown() override {
        form.reset();
    }
    static void item(Outline& outline, Node* parent, const std::string& name, const std::string& hotKey) {
        Node* n = addNamed(outline, parent, name);
        n->data.ItemType = ItemType::Url;
        n->data.URL = "https://example.org/" + name;
        n->data.HotKey = hotKey;
    }
};

TEST_F(HotKeyWindow, StartUpRegistersTheCollectionsKeysSilentlyAndAPressLaunchesItsItems) {
    // The items' keys, then the quick launcher's (Ctrl+Alt+Space).
    EXPECT_THAT(hotKeys.calls, ElementsAre("register 0xC074", "register 0x6074", "register 0xC074", "register 0xC020"));
    EXPECT_THAT(dialogs.messages, IsEmpty());

    hotKeys.press(0xC074);
    hotKeys.press(0x6074); // refused at start-up: never pressed
    EXPECT_THAT(shell.requests,
                ElementsAre(newWindow("https://example.org/first"), newWindow("https://example.org/second")));

    form.reset();
    EXPECT_FALSE(hotKeys.hasPressHandler());
    EXPECT_FALSE(tray.hasHandlers());
}

TEST_F(HotKeyWindow, EscThenClickBringsTheWindowBackAndTheNextClickHidesItAgain) {
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_TRUE(form->trayFlag());
    tray.click();
    EXPECT_FALSE(form->trayFlag());
    tray.click();
    EXPECT_TRUE(form->trayFlag());
    tray.click();
    tray.minimize();
    EXPECT_TRUE(form->trayFlag());
    tray.click();
    EXPECT_THAT(tray.calls, ElementsAre("hide", "show", "hide", "show", "show"));
    EXPECT_EQ(tray.window, RecordingTrayIcon::Window::Normal);
}

} // namespace
