// Lock files beside the collections: two documents with lock sets of their own stand for two
// programs; a collection one holds is neither read nor written by the other, by any road.
#include "collection/Documents.h"
#include "collection/NodeStream.h"
#include "platform/qt/LockFiles.h"
#include "support/ScratchProgramFolder.h"

#include <QString>
#include <QSysInfo>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using ::testing::HasSubstr;

namespace {

struct Program {
    explicit Program(const std::string& folder) : documents(outline, folder) { documents.setLock(&locks); }
    Outline outline;
    LockFiles locks;
    Documents documents;
};

struct CollectionLocks : ::testing::Test {
    ScratchProgramFolder scratch{"locks"};
    std::string path(const std::string& name) const { return (scratch.path() / name).string(); }
    void collection(const std::string& name, const std::string& item) const {
        Outline outline;
        outline.addChild(nullptr)->data.Name = item;
        const Bytes bytes = writeOutline(outline);
        std::ofstream(path(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    std::string firstName(const std::string& name) const {
        std::ifstream in(path(name), std::ios::binary);
        const Bytes bytes(std::istreambuf_iterator<char>(in), {});
        Outline outline;
        readOutline(outline, bytes);
        return std::string(std::string_view(outline.root()->children().front()->data.Name));
    }
};

TEST_F(CollectionLocks, ACollectionHeldByOneProgramIsNeitherOpenedNorOverwrittenByAnother) {
    collection("shared.goto", "First's");
    collection("own.goto", "Second's");
    Program first(scratch.programFolder()), second(scratch.programFolder());
    first.documents.LoadTree(path("shared.goto"));
    second.documents.LoadTree(path("own.goto"));

    try {
        second.documents.LoadTree(path("shared.goto")); // Open, the collection list, a handed-over FILE
        FAIL() << "opened a collection another program holds";
    } catch (const CollectionInUseError& e) {
        EXPECT_THAT(e.what(), HasSubstr("is open in another Wendelmoor (process "));
    }
    EXPECT_EQ(second.documents.currentPath(), path("own.goto"));
    EXPECT_EQ(std::string_view(second.outline.root()->children().front()->data.Name), "Second's");
    EXPECT_THROW(second.documents.SaveTree(path("shared.goto")), CollectionInUseError); // Save As
    EXPECT_EQ(firstName("shared.goto"), "First's");

    // Once the first program has left it, the collection is free.
    first.documents.LoadTree(path("elsewhere.goto"));
    EXPECT_FALSE(fs::exists(path("shared.goto.lock")));
    second.documents.LoadTree(path("shared.goto"));
    EXPECT_EQ(std::string_view(second.outline.root()->children().front()->data.Name), "First's");
}

TEST_F(CollectionLocks, SaveAsMovesTheLockAndAFailedSaveKeepsTheOldOne) {
    Program program(scratch.programFolder());
    program.documents.LoadTree(path("links.goto"));
    program.documents.SaveTree(path("copy.goto"));
    EXPECT_TRUE(fs::exists(path("copy.goto.lock")));
    EXPECT_FALSE(fs::exists(path("links.goto.lock")));
    EXPECT_THROW(program.documents.SaveTree(path("no such folder/x.goto")), FileError);
    EXPECT_TRUE(fs::exists(path("copy.goto.lock")));
}

TEST_F(CollectionLocks, TheLockOfAProgramThatEndedIsTakenOver) {
    collection("links.goto", "Kept");
    // A lock file as a crashed program leaves it: a process id that runs no more, on this host.
    std::ofstream(path("links.goto.lock")) << "2147483646\nwendelmoor\n"
                                           << QSysInfo::machineHostName().toStdString() << "\n";
    Program program(scratch.programFolder());
    program.documents.LoadTree(path("links.goto"));
    EXPECT_EQ(std::string_view(program.outline.root()->children().front()->data.Name), "Kept");
}

TEST_F(CollectionLocks, ADamagedCollectionStaysLockedWhileItsRecoveryFileIsInUse) {
    std::ofstream(path("bad.goto")) << "not a collection";
    Program first(scratch.programFolder()), second(scratch.programFolder());
    EXPECT_THROW(first.documents.LoadTree(path("bad.goto")), CollectionLoadError);
    first.documents.Save(); // to the recovery file
    EXPECT_THROW(second.documents.LoadTree(path("bad.goto")), CollectionInUseError);
}

} // namespace
