// "Add Active Links" over the session files of the browsers in a temporary home folder.
#include "TempHome.h"

#include "fakes/RecordingDialogs.h"
#include "launch/LinkCapture.h"
#include "platform/xdg/SessionFileBrowserWindows.h"
#include "support/SessionFiles.h"
#include "support/TestOutlines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>

#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using nlohmann::json;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

// A Firefox session of one window with the given (address, title) tabs, each on its only entry.
SessionBytes firefoxSession(const std::vector<std::pair<std::string, std::string>>& tabs) {
    json windowTabs = json::array();
    for (const auto& [url, title] : tabs)
        windowTabs.push_back({{"entries", {{{"url", url}, {"title", title}}}}, {"index", 1}});
    return mozLz4(json{{"windows", {{{"tabs", windowTabs}}}}}.dump());
}

struct BrowserWindowsOnDisk : TempHome {
    Outline links{true};
    RecordingDialogs dialogs;

    // A Firefox runs on the profile: its lock link names this (live) process.
    void firefoxRuns(const fs::path& profile) const {
        fs::create_directories(profile);
        fs::create_symlink("127.0.1.1:+" + std::to_string(::getpid()), profile / "lock");
    }
    // Firefox running with two profiles, one listed by a relative path and one by an absolute path.
    void firefox() {
        const fs::path absolute = root / "elsewhere/work-profile";
        write(home(".mozilla/firefox/profiles.ini"),
              std::string("[General]\nStartWithLastProfile=1\n\n"
                          "[Profile1]\nName=work\nIsRelative=0\nPath=") +
                  absolute.string() +
                  "\n\n"
                  "[Profile0]\nName=default\nIsRelative=1\nPath=abcd.default-release\nDefault=1\n\n"
                  "[Install4F96D1932A9F858E]\nDefault=abcd.default-release\n");
        write(absolute / "sessionstore-backups/recovery.jsonlz4", firefoxSession({{"https://work.example/", "Work"}}));
        write(home(".mozilla/firefox/abcd.default-release/sessionstore-backups/recovery.jsonlz4"),
              firefoxSession({{"https://mail.example/", "Mail"}, {"https://news.example/", "News"}}));
        firefoxRuns(absolute);
        firefoxRuns(home(".mozilla/firefox/abcd.default-release"));
    }
    // A browser of the Chromium family runs: its user data folder holds the lock link.
    void running(const std::string& userData) const {
        fs::create_directories(home(userData));
        fs::create_symlink("host-4242", home(userData + "/SingletonLock"));
    }
    // A running Chromium whose "Default" profile has two windows; an older session file beside it.
    void chromium() {
        running(".config/chromium");
        SnssWriter older;
        older.setTabWindow(1, 1).updateTabNavigation(1, 0, "https://old.example/", u"old");
        write(home(".config/chromium/Default/Sessions/Session_13350000000000000"), older.bytes());
        SnssWriter current;
        current.setTabWindow(5, 50)
            .setTabWindow(5, 51)
            .setTabWindow(6, 60)
            .updateTabNavigation(50, 0, "https://w1.example/a", u"W1 A")
            .updateTabNavigation(51, 0, "https://w1.example/b", u"W1 B")
            .updateTabNavigation(60, 0, "https://w2.example/", u"W2");
        write(home(".config/chromium/Default/Sessions/Session_13360000000000000"), current.bytes());
    }
};

TEST_F(BrowserWindowsOnDisk, EveryOpenTabBecomesANoteBrowserByBrowserWindowByWindow) {
    firefox();
    chromium();
    // Chrome is not running: its last session's windows are closed.
    SnssWriter closed;
    closed.setTabWindow(1, 1).updateTabNavigation(1, 0, "https://closed.example/", u"closed");
    write(home(".config/google-chrome/Default/Sessions/Session_13360000000000000"), closed.bytes());

    SessionFileBrowserWindows windows(folders());
    AddActiveLinks(links, windows, dialogs);
    EXPECT_THAT(shape(links), ElementsAre("Work", "Mail", "News", "W1 A", "W1 B", "W2"))
        << "nothing focused: top level";
    std::vector<std::pair<std::string, std::int32_t>> addressAndType;
    links.forEach([&](Node* n) { addressAndType.emplace_back(n->data.URL, n->data.ItemType); });
    EXPECT_THAT(addressAndType, ElementsAre(std::pair<std::string, std::int32_t>{"https://work.example/", 8},
                                            std::pair<std::string, std::int32_t>{"https://mail.example/", 8},
                                            std::pair<std::string, std::int32_t>{"https://news.example/", 8},
                                            std::pair<std::string, std::int32_t>{"https://w1.example/a", 8},
                                            std::pair<std::string, std::int32_t>{"https://w1.example/b", 8},
                                            std::pair<std::string, std::int32_t>{"https://w2.example/", 8}));
    EXPECT_THAT(dialogs.messages, IsEmpty());
}

TEST_F(BrowserWindowsOnDisk, NoBrowserProfileAddsNothingAndShowsNothing) {
    // A profile list whose profile holds no current session: the browser is not running.
    write(home(".mozilla/firefox/profiles.ini"), std::string("[Profile0]\nPath=p.default\n"));
    fs::create_directories(home(".mozilla/firefox/p.default"));
    SessionFileBrowserWindows windows(folders());
    AddActiveLinks(links, windows, dialogs);
    EXPECT_THAT(shape(links), IsEmpty());
    EXPECT_THAT(dialogs.messages, IsEmpty());
}

TEST_F(BrowserWindowsOnDisk, AFirefoxThatHasEndedLeavesItsLastSessionUnread) {
    firefox();
    // The work profile's Firefox ended without tidying up: its lock names a process that is gone.
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    const fs::path work = root / "elsewhere/work-profile";
    fs::remove(work / "lock");
    fs::create_symlink("127.0.1.1:+" + std::to_string(ended), work / "lock");
    // The default profile's Firefox ended and removed its lock.
    fs::remove(home(".mozilla/firefox/abcd.default-release/lock"));
    SessionFileBrowserWindows windows(folders());
    EXPECT_THAT(windows.sessionFiles(), IsEmpty());
}

TEST_F(BrowserWindowsOnDisk, ADamagedSessionFileShowsAnErrorAfterTheItemsOfTheFilesBeforeIt) {
    firefox();
    chromium();
    const SessionBytes whole = firefoxSession({{"https://mail.example/", "Mail"}});
    const SessionBytes damaged(whole.begin(), whole.end() - 4);
    const fs::path file = home(".mozilla/firefox/abcd.default-release/sessionstore-backups/recovery.jsonlz4");
    write(file, damaged);
    Node* parent = addNamed(links, nullptr, "captured");
    links.setFocused(parent);

    SessionFileBrowserWindows windows(folders());
    AddActiveLinks(links, windows, dialogs);
    EXPECT_THAT(shape(links), ElementsAre("captured", "  Work")) << "the files after the damaged one are not read";
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              "error: The browser session file \"" + file.string() + "\" cannot be read: its LZ4 block is damaged.");
}

TEST_F(BrowserWindowsOnDisk, ProfilesOfTheChromiumFamilyAreTakenDefaultFirstAndEachItsNewestSession) {
    chromium();
    SnssWriter second;
    second.setTabWindow(1, 1).updateTabNavigation(1, 0, "https://p1.example/", u"P1");
    write(home(".config/chromium/Profile 1/Current Session"), second.bytes());
    fs::create_directories(home(".config/chromium/Crashpad"));
    running(".config/BraveSoftware/Brave-Browser");
    write(home(".config/BraveSoftware/Brave-Browser/Default/Sessions/Session_9"), second.bytes());
    write(home(".config/BraveSoftware/Brave-Browser/Default/Sessions/Tabs_10"), SessionBytes{'x'});

    SessionFileBrowserWindows windows(folders());
    std::vector<std::string> files;
    for (const auto& f : windows.sessionFiles())
        files.push_back(fs::relative(f.path, home("")).string());
    EXPECT_THAT(files, ElementsAre(".config/chromium/Default/Sessions/Session_13360000000000000",
                                   ".config/chromium/Profile 1/Current Session",
                                   ".config/BraveSoftware/Brave-Browser/Default/Sessions/Session_9"));
}

TEST(XdgFolders, ComeFromTheEnvironmentWithTheRulesDefaults) {
    const char* saved[] = {std::getenv("HOME"), std::getenv("XDG_CONFIG_HOME"), std::getenv("XDG_CACHE_HOME")};
    const std::string savedValues[] = {saved[0] ? saved[0] : "", saved[1] ? saved[1] : "", saved[2] ? saved[2] : ""};
    ::setenv("HOME", "/home/u", 1);
    ::setenv("XDG_CONFIG_HOME", "/cfg", 1);
    ::setenv("XDG_CACHE_HOME", "relative/cache", 1); // not absolute: ignored
    const XdgFolders folders = XdgFolders::ofThisProcess();
    const char* names[] = {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"};
    for (int i = 0; i < 3; ++i)
        saved[i] ? ::setenv(names[i], savedValues[i].c_str(), 1) : ::unsetenv(names[i]);
    EXPECT_EQ(folders.home, "/home/u");
    EXPECT_EQ(folders.configHome, "/cfg");
    EXPECT_EQ(folders.cacheHome, "/home/u/.cache");
}

} // namespace
