// The real shell and the real clipboard: programs actually start, errors reach the user.
#include "platform/linux/LinuxShell.h"

#include "collection/ItemType.h"
#include "fakes/RecordingDialogs.h"
#include "launch/LaunchFixture.h"
#include "launch/ShellSandbox.h"
#include "platform/qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Optional;

namespace {

struct LinuxShellTest : ShellSandbox {
    RecordingDialogs dialogs;
};

TEST_F(LinuxShellTest, AProgramStartsInTheItemsFolderWithItsWordsAndOurOwnFolderStays) {
    LinuxShell shell(dialogs, environment());
    const auto ownFolder = std::filesystem::current_path();
    EXPECT_TRUE(shell.execute({"open", path("docs/tool"), "one 'two words' \"caf\xC3\xA9\"", path("docs/sub")}));
    EXPECT_THAT(record("docs/tool"), Optional(ElementsAre(path("docs/sub"), "one", "two words", "caf\xC3\xA9")));
    EXPECT_EQ(std::filesystem::current_path(), ownFolder);
    EXPECT_THAT(dialogs.messages, IsEmpty());
}

TEST_F(LinuxShellTest, AFolderThatCannotBeEnteredLeavesTheProgramInOurs) {
    LinuxShell shell(dialogs, environment());
    EXPECT_TRUE(shell.execute({"open", path("docs/tool"), "", path("no-such-folder")}));
    EXPECT_THAT(record("docs/tool"), Optional(ElementsAre(std::filesystem::current_path().string())));
}

TEST_F(LinuxShellTest, TheDesktopsProgramsAreReachedThroughPath) {
    LinuxShell shell(dialogs, environment());
    EXPECT_TRUE(shell.execute({"open", "IEXPLORE.EXE", " -new www.example.org", ""}));
    EXPECT_TRUE(shell.execute({"print", path("docs/doc.txt"), "-n 2", ""}));
    EXPECT_THAT(record("bin/x-www-browser"),
                Optional(ElementsAre(testing::_, "--new-window", "https://www.example.org")));
    EXPECT_THAT(record("bin/lp"), Optional(ElementsAre(testing::_, "-n", "2", path("docs/doc.txt"))));
    EXPECT_THAT(dialogs.messages, IsEmpty());
}

TEST_F(LinuxShellTest, WhatCannotBeOpenedOrStartedIsShownAsAnError) {
    remove("bin/x-www-browser");
    remove("bin/xdg-open");
    std::ofstream(root / "docs/garbage") << "neither a script nor a program\n";
    std::filesystem::permissions(root / "docs/garbage", std::filesystem::perms::owner_all);
    LinuxShell shell(dialogs, environment());
    EXPECT_FALSE(shell.execute({"open", "IEXPLORE.EXE", " -new www.example.org", ""}));
    EXPECT_FALSE(shell.execute({"open", path("docs/none.txt"), "", ""}));
    EXPECT_FALSE(shell.execute({"open", path("docs/garbage"), "", ""}));
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_THAT(dialogs.messages[0],
                HasSubstr("error: Cannot open \"https://www.example.org\": no web browser was found"));
    EXPECT_THAT(dialogs.messages[1],
                HasSubstr("error: Cannot open \"" + path("docs/none.txt") + "\": there is no such"));
    EXPECT_THAT(dialogs.messages[2],
                HasSubstr("error: Cannot start \"" + path("docs/garbage") + "\": Exec format error"));
}

// A Note puts its text on the system clipboard; an empty one leaves the clipboard as it was.
TEST(NoteOnTheSystemClipboard, ANoteWithTextReplacesTheClipboardAndAnEmptyOneLeavesIt) {
    Outline outline;
    RecordingShell shell;
    RecordingDialogs dialogs;
    QtClipboard clipboard;
    StoppedClock clock;
    Launcher launcher({shell, clipboard, dialogs, clock});
    Node* note = outline.addChild(nullptr);
    note->data.ItemType = ItemType::Note;

    QGuiApplication::clipboard()->setText("before");
    launcher.BrowseNodeURL(outline, note, LaunchMode::ShellDefault);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");

    note->data.Text = "line one\nline two \xE2\x82\xAC";
    launcher.BrowseNodeURL(outline, note, LaunchMode::Embedded);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("line one\nline two \xE2\x82\xAC"));
    EXPECT_THAT(dialogs.messages, IsEmpty());
    EXPECT_THAT(shell.requests, IsEmpty());
}

} // namespace
