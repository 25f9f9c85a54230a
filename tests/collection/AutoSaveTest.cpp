#include "collection/AutoSave.h"
#include "collection/NodeStream.h"
#include "support/ScratchProgramFolder.h"
#include "support/TestOutlines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using namespace std::chrono_literals;

namespace {

std::vector<std::string> namesIn(const std::string& path) {
    Outline outline;
    readOutline(outline, readWholeFile(path));
    return shape(outline);
}

// A collection open in a program folder, with a clock the test moves.
struct AutoSaveFixture : ::testing::Test {
    ScratchProgramFolder scratch{"autosave"};
    Outline outline;
    Documents documents{outline, scratch.programFolder()};
    AutoSave::Clock::time_point now{};
    AutoSave autoSave{outline, documents, [this] { return now; }};

    std::string path(const std::string& name) const { return (scratch.path() / name).string(); }
    void open(const std::string& name) {
        documents.LoadTree(path(name));
        documents.SaveTree(path(name));
    }
    void settle() {
        for (int i = 0; i < 100 && autoSave.state() == AutoSave::State::Unsaved; ++i) {
            autoSave.tick();
            std::this_thread::sleep_for(10ms);
        }
    }
};

TEST_F(AutoSaveFixture, AChangeIsSavedTwoSecondsAfterTheLastChange) {
    open("links.goto");
    EXPECT_EQ(autoSave.state(), AutoSave::State::Saved);
    addNamed(outline, nullptr, "first");
    EXPECT_EQ(autoSave.statusText(), "Changes not saved yet");
    now += 1900ms;
    autoSave.tick();
    addNamed(outline, nullptr, "second");  // the quiet time starts again
    now += 1900ms;
    autoSave.tick();
    EXPECT_THAT(namesIn(path("links.goto")), ElementsAre());
    now += 200ms;
    autoSave.tick();
    settle();
    EXPECT_EQ(autoSave.state(), AutoSave::State::Saved);
    EXPECT_EQ(autoSave.statusText(), "All changes saved");
    EXPECT_THAT(namesIn(path("links.goto")), ElementsAre("first", "second"));
}

TEST_F(AutoSaveFixture, ChangesThatKeepComingAreSavedEveryThirtySeconds) {
    open("links.goto");
    for (int second = 0; second < 29; ++second) {
        addNamed(outline, nullptr, "item " + std::to_string(second));
        now += 1s;
        autoSave.tick();
    }
    EXPECT_THAT(namesIn(path("links.goto")), ElementsAre());
    addNamed(outline, nullptr, "last");
    now += 1s;
    autoSave.tick();
    // The write runs on the worker; changes meanwhile do not wait for it.
    addNamed(outline, nullptr, "while writing");
    for (int i = 0; i < 100 && namesIn(path("links.goto")).empty(); ++i)
        std::this_thread::sleep_for(10ms);
    EXPECT_EQ(namesIn(path("links.goto")).size(), 30u);
    EXPECT_EQ(autoSave.state(), AutoSave::State::Unsaved);
}

TEST_F(AutoSaveFixture, AFailingSaveKeepsTheChangesSaysSoAndTriesAgainAtTheNextChange) {
    documents.LoadTree(path("missing-folder/links.goto"));
    addNamed(outline, nullptr, "kept");
    now += 3s;
    autoSave.tick();
    for (int i = 0; i < 100 && autoSave.state() != AutoSave::State::Failed; ++i) {
        std::this_thread::sleep_for(10ms);
        autoSave.tick();
    }
    ASSERT_EQ(autoSave.state(), AutoSave::State::Failed);
    EXPECT_THAT(autoSave.statusText(), HasSubstr("Changes not saved: Cannot create file"));
    EXPECT_THAT(shape(outline), ElementsAre("kept"));

    fs::create_directories(scratch.path() / "missing-folder");
    now += 10s;
    autoSave.tick();  // no change since the failure: no new attempt
    std::this_thread::sleep_for(50ms);
    autoSave.tick();
    EXPECT_FALSE(fs::exists(path("missing-folder/links.goto")));
    addNamed(outline, nullptr, "next");
    now += 3s;
    autoSave.tick();
    settle();
    for (int i = 0; i < 100 && autoSave.state() != AutoSave::State::Saved; ++i) {
        std::this_thread::sleep_for(10ms);
        autoSave.tick();
    }
    EXPECT_EQ(autoSave.state(), AutoSave::State::Saved);
    EXPECT_THAT(namesIn(path("missing-folder/links.goto")), ElementsAre("kept", "next"));
}

TEST_F(AutoSaveFixture, AnExplicitSaveMakesEverythingSavedAndAnOlderAutomaticSaveNoLongerCounts) {
    open("links.goto");
    addNamed(outline, nullptr, "one");
    now += 3s;
    autoSave.tick();
    addNamed(outline, nullptr, "two");
    documents.Save();
    EXPECT_EQ(autoSave.state(), AutoSave::State::Saved);
    autoSave.tick();
    EXPECT_EQ(autoSave.state(), AutoSave::State::Saved);
    EXPECT_THAT(namesIn(path("links.goto")), ElementsAre("one", "two"));
}

TEST(BackgroundWriter, WritesNeverOverlapAndTheNewestBytesWin) {
    ScratchFolder folder("writer");
    const std::string target = (folder.path() / "links.goto").string();
    std::atomic<int> running{0}, most{0};
    std::vector<std::uint64_t> ids;
    {
        BackgroundWriter writer;
        for (std::uint8_t round = 0; round < 50; ++round)
            ids.push_back(writer.write({target, Bytes(100000, round), [&] {
                                            most = std::max(most.load(), ++running);
                                            std::this_thread::sleep_for(1ms);
                                            --running;
                                        }}));
        writer.waitIdle();
        const std::vector<BackgroundWriter::Result> results = writer.takeResults();
        ASSERT_FALSE(results.empty());
        EXPECT_EQ(results.back().id, ids.back());
        for (const auto& r : results)
            EXPECT_EQ(r.error, "");
    }
    EXPECT_EQ(most.load(), 1);
    const FileBytes written = readWholeFile(target);
    ASSERT_EQ(written.size(), 100000u);
    EXPECT_EQ(written.data()[0], 49);
}

} // namespace
