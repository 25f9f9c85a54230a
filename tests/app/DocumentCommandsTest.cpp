#include "app/DocumentCommands.h"
#include "collection/NodeStream.h"
#include "fakes/RecordingDialogs.h"
#include "support/ScratchProgramFolder.h"
#include "support/TestOutlines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

struct DocumentCommandsFixture : ::testing::Test {
    ScratchProgramFolder scratch{"cmds"};
    const fs::path& folder = scratch.path();
    Outline outline;
    RecordingDialogs dialogs;
    std::unique_ptr<Documents> documents;
    std::unique_ptr<DocumentCommands> commands;

    void SetUp() override {
        outline.setRootCount(1);
        documents = std::make_unique<Documents>(outline, scratch.programFolder());
        commands = std::make_unique<DocumentCommands>(*documents, dialogs);
    }
    std::string path(const std::string& name) const { return (folder / name).string(); }
};

TEST_F(DocumentCommandsFixture, SaveWithoutACollectionSaysSo) {
    commands->Save_mp_Click();
    EXPECT_THAT(dialogs.messages, ElementsAre("message: There is no file to save."));
}

TEST_F(DocumentCommandsFixture, OpenAndSaveAsAskInTheInfoFolderForGotoFiles) {
    commands->loadStartCollection();
    dialogs.fileAnswers = {std::nullopt, path("Info/missing.goto"), path("Info/new.goto")};
    commands->Open2Click();  // cancelled
    commands->Open2Click();  // a file that does not exist: nothing happens
    EXPECT_EQ(documents->currentPath(), path("links.goto"));
    commands->SaveAs_mp_Click();
    EXPECT_EQ(documents->currentPath(), path("Info/new.goto"));
    EXPECT_TRUE(fs::exists(path("Info/new.goto")));
    ASSERT_EQ(dialogs.fileRequests.size(), 3u);
    for (const FileDialogRequest& r : dialogs.fileRequests) {
        EXPECT_EQ(r.startFolder, path("Info/"));
        EXPECT_EQ(r.filter, "Wendelmoor files|*.goto");
        EXPECT_EQ(r.defaultExtension, "goto");
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DocumentCommandsFixture, ADamagedStartCollectionIsReportedWithTheReadersMessage) {
    std::ofstream(path("links.goto"), std::ios::binary) << "E V\0T";
    commands->loadStartCollection();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_THAT(dialogs.messages[0], HasSubstr("error: Unable to load tree structure, not enough data available."));
    EXPECT_THAT(dialogs.messages[0], HasSubstr("links.recovered.goto"));
}

TEST_F(DocumentCommandsFixture, AFailedSaveOnCloseKeepsTheWindowOpen) {
    documents->LoadTree(path("gone/links.goto"));
    EXPECT_FALSE(commands->FormClose());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_THAT(dialogs.messages[0], HasSubstr("No such file or directory"));
    documents->SaveTree(path("links.goto"));
    EXPECT_TRUE(commands->FormClose());
}

} // namespace
