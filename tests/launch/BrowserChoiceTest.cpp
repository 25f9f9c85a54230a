#include "launch/BrowserChoice.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

struct Switch {
    const char* name;
    std::function<void(BrowserChoice&)> apply;
};
const Switch kEmbedded{"Use Embedded Browser", [](BrowserChoice& b) { UseEmbeddedBrowser(b); }};
const Switch kMSIE{"Use MS IE Browser", [](BrowserChoice& b) { UseMSIEBrowser(b); }};

TEST(BrowserChoice, SwitchSequencesGiveTheChoiceTheFlagTheCheckMarksAndTheLaunchMode) {
    struct Case {
        std::vector<Switch> switches;
        int choice;
        bool flag;
        bool embeddedChecked;
        int launchMode;
    } cases[] = {
        {{}, 0, false, false, 2},
        {{kEmbedded}, 1, false, true, 1},
        {{kEmbedded, kEmbedded}, 0, false, false, 2},
        {{kMSIE}, 2, true, false, 2},
        {{kMSIE, kMSIE}, 0, false, false, 2},
        {{kEmbedded, kMSIE}, 2, true, false, 2},
        {{kMSIE, kEmbedded}, 1, true, true, 1},
        // With the flag set, the embedded switch twice leaves choice 0, and "Launch" then uses mode 0.
        {{kMSIE, kEmbedded, kEmbedded}, 0, true, false, 0},
    };
    for (const Case& c : cases) {
        BrowserChoice b;
        std::string sequence;
        for (const Switch& s : c.switches) {
            s.apply(b);
            sequence += std::string(s.name) + "; ";
        }
        EXPECT_EQ(b.choice, c.choice) << sequence;
        EXPECT_EQ(b.internetExplorer, c.flag) << sequence;
        EXPECT_EQ(b.internetExplorerChecked(), c.flag) << sequence;
        EXPECT_EQ(b.embeddedChecked(), c.embeddedChecked) << sequence;
        EXPECT_EQ(launchCommandMode(b), c.launchMode) << sequence;
    }
}

TEST(BrowserChoice, AutoViewTogglesAndSaysWhenItWasTurnedOn) {
    BrowserChoice b;
    EXPECT_TRUE(AutoView(b));
    EXPECT_TRUE(b.autoViewChecked());
    EXPECT_FALSE(AutoView(b));
    EXPECT_FALSE(b.automaticViewing);
    EXPECT_EQ(b.choice, 0) << "automatic viewing leaves the choice alone";
}

} // namespace
