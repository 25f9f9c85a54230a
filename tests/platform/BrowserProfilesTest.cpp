// The browser profiles found in a temporary home folder, and their bookmarks files.
#include "TempHome.h"

#include "platform/xdg/BrowserProfiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include <unistd.h>

namespace fs = std::filesystem;
using ::testing::ElementsAre;

using BrowserProfilesOnDisk = TempHome;

TEST_F(BrowserProfilesOnDisk, EveryProfileWithABookmarksFileIsOfferedUnderItsName) {
    write(home(".mozilla/firefox/profiles.ini"),
          std::string("[Profile0]\nName=default-release\nPath=ab.default-release\n\n[Profile1]\nPath=cd.empty\n"));
    write(home(".mozilla/firefox/ab.default-release/places.sqlite"), std::string("x"));
    fs::create_directories(home(".mozilla/firefox/cd.empty"));
    write(home("snap/firefox/common/.mozilla/firefox/profiles.ini"), std::string("[Profile0]\nName=snap\nPath=s.snap\n"));
    write(home("snap/firefox/common/.mozilla/firefox/s.snap/places.sqlite"), std::string("x"));
    write(home(".config/chromium/Profile 1/Bookmarks"), std::string("{}"));
    write(home(".config/chromium/Default/Bookmarks"), std::string("{}"));
    write(home(".config/google-chrome/Default/Bookmarks"), std::string("{}"));
    write(home(".config/BraveSoftware/Brave-Browser/Default/Bookmarks"), std::string("{}"));

    std::vector<std::string> offered;
    for (const ProfileBookmarks& p : profileBookmarkFiles(folders()))
        offered.push_back(p.label + ": " + fs::relative(p.file, home("")).string());
    EXPECT_THAT(offered, ElementsAre("Firefox (default-release): .mozilla/firefox/ab.default-release/places.sqlite",
                                     "Firefox (snap): snap/firefox/common/.mozilla/firefox/s.snap/places.sqlite",
                                     "Chromium (Default): .config/chromium/Default/Bookmarks",
                                     "Chromium (Profile 1): .config/chromium/Profile 1/Bookmarks",
                                     "Google Chrome (Default): .config/google-chrome/Default/Bookmarks",
                                     "Brave (Default): .config/BraveSoftware/Brave-Browser/Default/Bookmarks"));
}

TEST_F(BrowserProfilesOnDisk, AFirefoxRunsOnlyWhileItsLockNamesALiveProcess) {
    struct Case {
        const char* name;
        std::string lockTarget;  // empty: no lock link
        bool running;
    };
    const Case cases[] = {
        {"this process", "127.0.1.1:+" + std::to_string(::getpid()), true},
        {"no lock", "", false},
        {"not a process id", "127.0.1.1:+abc", false},
        {"no process id", "127.0.1.1", false},
        {"process id zero", "127.0.1.1:+0", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path profile = home(std::string("profiles/") + c.name);
        fs::create_directories(profile);
        if (!c.lockTarget.empty())
            fs::create_symlink(c.lockTarget, profile / "lock");
        EXPECT_EQ(firefoxIsRunning(profile), c.running);
    }
}
