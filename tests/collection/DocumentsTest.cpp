#include "collection/Documents.h"
#include "collection/NodeStream.h"
#include "support/ScratchProgramFolder.h"
#include "support/TestOutlines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <unistd.h>

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

Bytes fileBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const fs::path& p, const Bytes& b) {
    std::ofstream out(p, std::ios::binary);
    out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

std::unique_ptr<Outline> readFile(const fs::path& p) {
    auto o = std::make_unique<Outline>();
    readOutline(*o, fileBytes(p));
    return o;
}

Bytes collectionWith(const std::vector<std::string>& topNames) {
    Outline o;
    for (const auto& n : topNames)
        addNamed(o, nullptr, n);
    return writeOutline(o);
}

// A fresh program folder per test; the outline starts as at program start: one empty item.
struct DocumentsFixture : ::testing::Test {
    ScratchProgramFolder scratch{"docs"};
    const fs::path& folder = scratch.path();
    Outline outline;
    std::unique_ptr<Documents> docs;

    void SetUp() override {
        outline.setRootCount(1);
        docs = std::make_unique<Documents>(outline, scratch.programFolder());
    }
    std::string path(const std::string& name) const { return (folder / name).string(); }
};

TEST_F(DocumentsFixture, FirstStartWithoutCollectionKeepsOneEmptyItemAndWritesItOnClose) {
    docs->LoadTree(docs->defaultCollectionPath());
    EXPECT_EQ(docs->currentPath(), path("links.goto"));
    EXPECT_EQ(docs->statusText(), " " + path("links.goto"));
    EXPECT_EQ(outline.rootCount(), 1);
    EXPECT_FALSE(fs::exists(path("links.goto")));

    docs->SaveOnClose();
    auto saved = readFile(path("links.goto"));
    ASSERT_EQ(saved->rootCount(), 1);
    EXPECT_EQ(saved->first()->data, LinkItem{});
}

TEST_F(DocumentsFixture, OpeningASecondCollectionSavesTheFirst) {
    writeBytes(path("Info/second.goto"), collectionWith({"s1", "s2"}));
    docs->LoadTree(path("links.goto"));
    outline.first()->data.Name = "edited";
    docs->LoadTree(path("Info/second.goto"));

    EXPECT_THAT(shape(*readFile(path("links.goto"))), ElementsAre("edited"));
    EXPECT_THAT(shape(outline), ElementsAre("s1", "s2"));
    EXPECT_EQ(docs->currentPath(), path("Info/second.goto"));
}

TEST_F(DocumentsFixture, SaveAsThenSaveWritesTheNewFile) {
    docs->LoadTree(path("links.goto"));
    docs->SaveTree(path("Info/other.goto"));
    outline.first()->data.Name = "later";
    EXPECT_TRUE(docs->Save());

    EXPECT_THAT(shape(*readFile(path("Info/other.goto"))), ElementsAre("later"));
    EXPECT_FALSE(fs::exists(path("links.goto")));
}

TEST_F(DocumentsFixture, SaveWithoutACurrentCollectionSavesNothing) {
    EXPECT_FALSE(docs->Save());
    docs->SaveOnClose();
    EXPECT_TRUE(fs::is_empty(folder / "Info"));
    EXPECT_FALSE(fs::exists(path("links.goto")));
}

TEST_F(DocumentsFixture, SavingKeepsPermissionsAndFollowsSymbolicLinks) {
    writeBytes(path("real.goto"), collectionWith({"old"}));
    fs::permissions(path("real.goto"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(path("real.goto"), path("link.goto"));
    docs->LoadTree(path("link.goto"));
    outline.first()->data.Name = "new";
    docs->SaveOnClose();

    EXPECT_TRUE(fs::is_symlink(path("link.goto")));
    EXPECT_THAT(shape(*readFile(path("real.goto"))), ElementsAre("new"));
    EXPECT_EQ(fs::status(path("real.goto")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator{}), 3) << "no temporary file left";
}

// Holds the file size limit low for the life of the object, so that writes fail as on a full disk.
struct FullDisk {
    rlimit previous{};
    explicit FullDisk(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous);
        rlimit limited = previous;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FullDisk() { setrlimit(RLIMIT_FSIZE, &previous); }
};

TEST_F(DocumentsFixture, AFailedSaveLeavesTheOldFilePathAndStatusAsTheyWere) {
    writeBytes(path("links.goto"), collectionWith({"kept"}));
    const Bytes before = fileBytes(path("links.goto"));
    docs->LoadTree(path("links.goto"));
    for (int i = 0; i < 50; ++i)
        addNamed(outline, nullptr, "a longer item that makes the file grow");
    {
        FullDisk full(before.size() + 100);
        try {
            docs->SaveTree(path("Info/new.goto"));
            FAIL() << "save reported success";
        } catch (const FileError& e) {
            EXPECT_THAT(e.what(), HasSubstr("File too large"));
        }
        EXPECT_THROW(docs->Save(), FileError);
    }
    EXPECT_EQ(fileBytes(path("links.goto")), before);
    EXPECT_EQ(docs->currentPath(), path("links.goto"));
    EXPECT_EQ(docs->statusText(), " " + path("links.goto"));
    EXPECT_FALSE(fs::exists(path("Info/new.goto")));
    EXPECT_TRUE(fs::is_empty(folder / "Info")) << "no temporary file left";
}

TEST_F(DocumentsFixture, ASaveIntoAMissingFolderReportsTheSystemError) {
    try {
        docs->SaveTree(path("missing/x.goto"));
        FAIL() << "save reported success";
    } catch (const FileError& e) {
        EXPECT_THAT(e.what(), HasSubstr("No such file or directory"));
    }
    EXPECT_EQ(docs->currentPath(), "");
}

Bytes damagedCollection() {
    Bytes b = collectionWith({"readable", "cut off"});
    b.resize(b.size() - 20);
    return b;
}

TEST_F(DocumentsFixture, ADamagedFileAtStartIsNeverOverwrittenAndLaterWorkIsKept) {
    writeBytes(path("links.goto"), damagedCollection());
    const Bytes damaged = fileBytes(path("links.goto"));
    try {
        docs->LoadTree(docs->defaultCollectionPath());
        FAIL() << "damaged file loaded without error";
    } catch (const CollectionLoadError& e) {
        EXPECT_EQ(e.number(), 2004);
        EXPECT_EQ(e.streamMessage(), "Unable to load tree structure, not enough data available.");
        EXPECT_THAT(e.what(), HasSubstr("links.recovered.goto"));
    }
    EXPECT_EQ(shape(outline).front(), "readable");
    EXPECT_EQ(docs->currentPath(), path("links.recovered.goto"));

    addNamed(outline, nullptr, "work after the failure");
    docs->SaveOnClose();
    EXPECT_EQ(fileBytes(path("links.goto")), damaged);
    EXPECT_EQ(shape(*readFile(path("links.recovered.goto"))).back(), "work after the failure");
}

TEST_F(DocumentsFixture, ReadingAndWritingShowTheProgramBusyUntilTheyEndHoweverTheyEnd) {
    std::vector<std::string> events;
    docs->setBusyIndicator([&events](bool busy) { events.push_back(busy ? "busy" : "idle"); });
    writeBytes(path("Info/bad.goto"), damagedCollection());
    auto run = [&events](const std::function<void()>& command) {
        try {
            command();
        } catch (const std::exception&) {
            events.push_back("error shown");
        }
    };
    run([&] { docs->LoadTree(docs->defaultCollectionPath()); });  // missing: nothing read
    run([&] { docs->SaveTree(path("Info/one.goto")); });
    run([&] { docs->LoadTree(path("Info/bad.goto")); });         // saves the one being left, then fails
    run([&] { docs->SaveTree(path("no such folder/x.goto")); });
    EXPECT_THAT(events, ElementsAre("busy", "idle", "busy", "idle", "busy", "idle", "error shown", "busy", "idle",
                                    "error shown"));
}

TEST_F(DocumentsFixture, ADamagedSecondCollectionLeavesBothFilesIntact) {
    writeBytes(path("Info/bad.goto"), damagedCollection());
    writeBytes(path("Info/bad.recovered.goto"), collectionWith({"an older recovery"}));
    const Bytes damaged = fileBytes(path("Info/bad.goto"));
    docs->LoadTree(path("links.goto"));
    outline.first()->data.Name = "first collection";

    EXPECT_THROW(docs->LoadTree(path("Info/bad.goto")), CollectionLoadError);
    EXPECT_THAT(shape(*readFile(path("links.goto"))), ElementsAre("first collection"));
    EXPECT_EQ(docs->currentPath(), path("Info/bad.recovered-2.goto"));
    docs->SaveOnClose();
    EXPECT_EQ(fileBytes(path("Info/bad.goto")), damaged);
    EXPECT_THAT(shape(*readFile(path("Info/bad.recovered.goto"))), ElementsAre("an older recovery"));
}

TEST_F(DocumentsFixture, WhenTheCollectionBeingLeftCannotBeSavedNothingIsOpened) {
    writeBytes(path("Info/second.goto"), collectionWith({"s"}));
    docs->LoadTree(path("missing-folder/links.goto"));
    EXPECT_THROW(docs->LoadTree(path("Info/second.goto")), FileError);
    EXPECT_EQ(docs->currentPath(), path("missing-folder/links.goto"));
    EXPECT_THAT(shape(outline), ElementsAre(""));
}

TEST_F(DocumentsFixture, AFileThatCannotBeOpenedIsNotDamagedAndChangesNothing) {
    writeBytes(path("links.goto"), collectionWith({"open collection"}));
    docs->LoadTree(path("links.goto"));
    fs::create_directories(folder / "Info" / "a folder.goto");
    writeBytes(path("Info/private.goto"), collectionWith({"private"}));
    fs::permissions(folder / "Info" / "private.goto", fs::perms::none);
    struct Case {
        const char* name;
        bool needsAnOrdinaryUser;  // the superuser may open any file
    };
    for (const Case& c : {Case{"Info/a folder.goto", false}, Case{"Info/private.goto", true}}) {
        if (c.needsAnOrdinaryUser && ::geteuid() == 0)
            continue;
        try {
            docs->LoadTree(path(c.name));
            ADD_FAILURE() << c.name << " was opened";
        } catch (const CollectionLoadError& e) {
            EXPECT_EQ(e.number(), 0);
            EXPECT_THAT(e.what(), HasSubstr(path(c.name)));
            EXPECT_THAT(e.what(), HasSubstr(c.needsAnOrdinaryUser ? "Permission denied" : "Is a directory"));
            EXPECT_THAT(e.what(), HasSubstr("stays open"));
        }
        EXPECT_EQ(docs->currentPath(), path("links.goto"));
        EXPECT_THAT(shape(outline), ElementsAre("open collection"));
    }
    EXPECT_FALSE(fs::exists(folder / "Info" / "a folder.recovered.goto"));
    EXPECT_FALSE(fs::exists(folder / "Info" / "private.recovered.goto"));
}

} // namespace
