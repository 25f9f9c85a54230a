#include "collection/Backups.h"
#include "collection/Documents.h"
#include "collection/NodeStream.h"
#include "support/ScratchProgramFolder.h"
#include "support/TestOutlines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using ::testing::ElementsAre;

namespace {

std::vector<std::string> namesIn(const std::string& path) {
    Outline outline;
    readOutline(outline, readWholeFile(path));
    return shape(outline);
}

std::string fileName(const std::string& path) { return fs::path(path).filename().string(); }

// Documents over a program folder whose clock the test sets: 2026-03-04 05:06:07 local time.
struct BackupsFixture : ::testing::Test {
    ScratchProgramFolder scratch{"backups"};
    Outline outline;
    Documents documents{outline, scratch.programFolder()};
    std::time_t wall = 0;
    std::chrono::steady_clock::time_point running{};

    BackupsFixture() {
        std::tm local{};
        local.tm_year = 126;
        local.tm_mon = 2;
        local.tm_mday = 4;
        local.tm_hour = 5;
        local.tm_min = 6;
        local.tm_sec = 7;
        local.tm_isdst = -1;
        wall = std::mktime(&local);
        documents.setBackupClock({[this] { return wall; }, [this] { return running; }});
    }
    std::string path(const std::string& name) const { return (scratch.path() / name).string(); }
    std::vector<std::string> backupNames() const {
        std::vector<std::string> names;
        for (const Backup& b : listBackups(path("links.goto")))
            names.push_back(fileName(b.path));
        return names;
    }
};

TEST_F(BackupsFixture, TheFirstSaveOfARunOverAnExistingFileKeepsItAsItWasThenOneAnHour) {
    documents.LoadTree(path("links.goto"));
    addNamed(outline, nullptr, "first");
    documents.Save();  // a new file: nothing to back up
    EXPECT_THAT(backupNames(), ElementsAre());

    addNamed(outline, nullptr, "second");
    documents.Save();
    ASSERT_THAT(backupNames(), ElementsAre("links 2026-03-04 05.06.07.goto"));
    const std::string backup = listBackups(path("links.goto")).front().path;
    EXPECT_THAT(namesIn(backup), ElementsAre("first"));
    EXPECT_EQ(fs::status(backup).permissions(), fs::perms::owner_read | fs::perms::owner_write);

    running += std::chrono::minutes(59);
    wall += 59 * 60;
    documents.Save();
    EXPECT_EQ(backupNames().size(), 1u);
    running += std::chrono::minutes(1);
    wall += 60;
    documents.saveInBackground();
    documents.SaveTree(path("links.goto"));  // waits for the automatic save first
    EXPECT_THAT(backupNames(), ElementsAre("links 2026-03-04 06.06.07.goto", "links 2026-03-04 05.06.07.goto"));
}

TEST_F(BackupsFixture, TheNewestThirtyOfEachCollectionAreKept) {
    documents.LoadTree(path("links.goto"));
    documents.Save();
    documents.SaveTree(path("other.goto"));
    for (int i = 0; i < 35; ++i) {
        wall += 1;
        makeBackup(path("links.goto"), wall);
    }
    makeBackup(path("other.goto"), wall);
    const std::vector<std::string> kept = backupNames();
    ASSERT_EQ(kept.size(), 30u);
    EXPECT_EQ(kept.front(), "links 2026-03-04 05.06.42.goto");
    EXPECT_EQ(kept.back(), "links 2026-03-04 05.06.13.goto");
    EXPECT_EQ(listBackups(path("other.goto")).size(), 1u);
}

} // namespace
