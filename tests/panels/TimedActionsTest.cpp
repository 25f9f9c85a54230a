#include "panels/TimedActions.h"

#include "collection/ItemOperations.h"
#include "collection/NodeStream.h"
#include "launch/Launcher.h"

#include "fakes/RecordingClipboard.h"
#include "fakes/RecordingDialogs.h"
#include "fakes/RecordingShell.h"
#include "fakes/StoppedClock.h"
#include "support/TestOutlines.h"

#include <gtest/gtest.h>

namespace {

// An outline, a clock the test sets, and the balloons and launches the timer asked for.
struct TimerFixture : ::testing::Test {
    Outline outline{true};
    TimedActions timed{outline};
    StoppedClock clock;
    std::vector<std::string> balloons;
    std::vector<std::string> launched;
    TimedActionServices services{
        [this](const std::string& title, const std::string& text, int seconds) {
            balloons.push_back(title + "|" + text + "|" + std::to_string(seconds));
        },
        [this](Node* item) { launched.push_back(item->data.Name); }};

    Node* addTimed(Node* parent, const std::string& name, const std::string& time, const char* remind,
                const char* execute) {
        Node* n = addNamed(outline, parent, name);
        n->data.Time = time;
        n->data.Remind = remind;
        n->data.Execute = execute;
        return n;
    }
    void tick(const std::string& at) {
        clock.time = at;
        timed.fire(clock, services);
    }
};

} // namespace

TEST_F(TimerFixture, ReminderShowsOneBalloonInItsMinuteAndNoneLater) {
    Node* item = addTimed(nullptr, "Standup", "09:30", "+", "");
    tick("09:29:58");
    EXPECT_TRUE(balloons.empty());
    EXPECT_EQ(item->data.Fired, 0);
    for (const char* at : {"09:30:00", "09:30:02", "09:30:58", "09:31:00"})
        tick(at);
    EXPECT_EQ(balloons, std::vector<std::string>{"Notification:|Standup is about to be opened|10"});
    EXPECT_TRUE(launched.empty());
    EXPECT_EQ(item->data.Fired, 255);
}

TEST_F(TimerFixture, OnlyExactFiveCharacterTimesFire) {
    // The clock's one-digit hour is padded, the item's is not: "9:30" never equals "09:30".
    Node* loose = addTimed(nullptr, "Loose", "9:30", "+", "+");
    Node* spaced = addTimed(nullptr, "Spaced", "09:30 ", "+", "+");
    tick("9:30:00");
    tick("09:30:10");
    EXPECT_TRUE(balloons.empty());
    EXPECT_TRUE(launched.empty());
    EXPECT_EQ(loose->data.Fired, 0);
    EXPECT_EQ(spaced->data.Fired, 0);
}

TEST_F(TimerFixture, FlagsChooseTheActionsAndEveryDueItemIsMarked) {
    Node* silent = addTimed(nullptr, "Silent", "07:05", "", "");
    Node* run = addTimed(nullptr, "Backup", "07:05", "", "+");
    Node* both = addTimed(nullptr, "Both", "07:05", "+", "+");
    Node* already = addTimed(nullptr, "Already", "07:05", "+", "+");
    already->data.Fired = 255;
    tick("7:05:00");
    EXPECT_EQ(balloons, std::vector<std::string>{"Notification:|Both is about to be opened|10"});
    EXPECT_EQ(launched, (std::vector<std::string>{"Backup", "Both"}));
    for (Node* n : {silent, run, both, already})
        EXPECT_EQ(n->data.Fired, 255) << n->data.Name;
}

TEST_F(TimerFixture, ItemsInCollapsedAndHiddenBranchesFire) {
    Node* group = addNamed(outline, nullptr, "Group");
    Node* hiddenGroup = addNamed(outline, nullptr, "Hidden");
    Node* inCollapsed = addTimed(group, "Deep", "12:00", "+", "");
    Node* inHidden = addTimed(hiddenGroup, "Hidden child", "12:00", "+", "");
    outline.setExpanded(group, false);
    outline.setVisible(hiddenGroup, false);
    outline.setVisible(inHidden, false);
    tick("12:00:01");
    EXPECT_EQ(balloons.size(), 2u);
    EXPECT_EQ(inCollapsed->data.Fired, 255);
    EXPECT_EQ(inHidden->data.Fired, 255);
}

TEST_F(TimerFixture, ALaunchThatRunsTheTimerAgainDoesNotFireTheItemTwice) {
    // A launch may open a modal message whose event loop delivers the next tick.
    addTimed(nullptr, "Warn", "08:00", "", "+");
    clock.time = "08:00:00";
    services.launch = [this](Node* item) {
        launched.push_back(item->data.Name);
        if (launched.size() < 3)
            timed.fire(clock, services);
    };
    timed.fire(clock, services);
    EXPECT_EQ(launched, std::vector<std::string>{"Warn"});
}

TEST_F(TimerFixture, ChangesBetweenTicksAreSeenByTheNextTick) {
    // The timer keeps a list of the items that can fire; every kind of change must reach it.
    Node* edited = addNamed(outline, nullptr, "Edited");
    addTimed(nullptr, "Later", "10:01", "+", "");
    tick("10:00:00");
    edited->data.Time = "10:01";  // as the properties dialog stores a field, then announces it
    edited->data.Remind = "+";
    outline.recordChanged(edited);
    tick("10:00:30");
    tick("10:01:00");
    EXPECT_EQ(balloons, (std::vector<std::string>{"Notification:|Edited is about to be opened|10",
                                                  "Notification:|Later is about to be opened|10"}));

    balloons.clear();
    addTimed(nullptr, "Added", "10:02", "+", "");
    Node* gone = addTimed(nullptr, "Gone", "10:02", "+", "");
    tick("10:01:30");
    outline.deleteNode(gone);
    tick("10:02:00");
    EXPECT_EQ(balloons, std::vector<std::string>{"Notification:|Added is about to be opened|10"});

    // Opening another collection replaces every item.
    Outline other;
    Node* loaded = addNamed(other, nullptr, "Loaded");
    loaded->data.Time = "10:02";
    loaded->data.Remind = "+";
    readOutline(outline, writeOutline(other));
    balloons.clear();
    tick("10:02:00");
    EXPECT_EQ(balloons, std::vector<std::string>{"Notification:|Loaded is about to be opened|10"});
}

TEST_F(TimerFixture, ItemsWhoseFlagsAreClearedFireAfterARefresh) {
    // A collection saved after its reminders fired; the window clears the flags after loading it,
    // and a tick may already have come (a message box during start-up runs the timer).
    Node* saved = addTimed(nullptr, "Saved", "13:00", "+", "");
    saved->data.Fired = 255;
    tick("12:59:00");
    SetFlags(outline);
    timed.refresh();
    tick("13:00:00");
    EXPECT_EQ(balloons, std::vector<std::string>{"Notification:|Saved is about to be opened|10"});
}

TEST_F(TimerFixture, AnActionThatDeletesItemsLeavesTheOtherDueItemsFiring) {
    addTimed(nullptr, "First", "11:00", "", "+");
    Node* doomed = addTimed(nullptr, "Doomed", "11:00", "", "+");
    addTimed(nullptr, "Last", "11:00", "", "+");
    services.launch = [&](Node* item) {
        launched.push_back(item->data.Name);
        if (item->data.Name == "First")
            outline.deleteNode(doomed);
    };
    tick("11:00:00");
    EXPECT_EQ(launched, (std::vector<std::string>{"First", "Last"}));
}

TEST(TimedLaunch, ExecuteOpensAWebItemInANewBrowserWindow) {
    Outline outline{true};
    RecordingShell shell;
    RecordingClipboard clipboard;
    RecordingDialogs dialogs;
    StoppedClock clock;
    Launcher launcher({shell, clipboard, dialogs, clock});
    Node* item = addNamed(outline, nullptr, "News");
    item->data.ItemType = 1;
    item->data.URL = "https://example.org/";
    item->data.Time = "06:45";
    item->data.Execute = "+";
    clock.time = "06:45:30";
    TimedActions timed(outline);
    timed.fire(clock, {{}, [&](Node* n) { launcher.BrowseNodeURL(outline, n, LaunchMode::NewBrowserWindow); }});
    const ShellRequest expected{"open", "IEXPLORE.EXE", " -new https://example.org/", ""};
    EXPECT_EQ(shell.requests, std::vector<ShellRequest>{expected});
}
