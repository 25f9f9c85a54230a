#include "collection/CollectionPreload.h"
#include "collection/Documents.h"
#include "collection/NodeStream.h"
#include "support/ScratchProgramFolder.h"
#include "support/TestOutlines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
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
    std::vector<std::string> entries;
    for (const auto& entry : fs::directory_iterator(folder))
        entries.push_back(entry.path().filename().string());
    std::sort(entries.begin(), entries.end());
    EXPECT_THAT(entries, ElementsAre("Backups", "Info", "link.goto", "real.goto")) << "no temporary file left";
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

// The start collection read on a thread of its own is taken in as the file read then would be:
// whole, damaged (with the same error and recovery file), or read anew when it changed meanwhile.
TEST_F(DocumentsFixture, AStartCollectionReadMeanwhileIsTakenInAsTheFileItselfWouldBe) {
    struct Case {
        const char* name;
        Bytes file;
        std::optional<Bytes> rewrittenAfterReading;
    };
    const Case cases[] = {
        {"whole", collectionWith({"a", "b"}), std::nullopt},
        {"damaged", damagedCollection(), std::nullopt},
        {"changed", collectionWith({"old"}), collectionWith({"new", "newer"})},
    };
    struct Outcome {
        std::vector<std::string> shape;
        std::string error;
        std::string currentFile;
        bool operator==(const Outcome&) const = default;
    };
    auto start = [](const Case& c, bool preloaded) {
        ScratchProgramFolder program{"preload"};
        const std::string file = program.programFolder() + "links.goto";
        writeBytes(file, c.file);
        Outline tree;
        tree.setRootCount(1);
        Documents documents(tree, program.programFolder());
        CollectionPreload preload;
        if (preloaded) {
            preload.start(file);
            documents.offerPreload(&preload);
            preload.waitUntilRead();
        }
        if (c.rewrittenAfterReading)
            writeBytes(file, *c.rewrittenAfterReading);
        Outcome outcome;
        try {
            documents.LoadTree(documents.defaultCollectionPath());
        } catch (const CollectionLoadError& e) {
            outcome.error = e.streamMessage();
        }
        outcome.shape = shape(tree);
        outcome.currentFile = fs::path(documents.currentPath()).filename().string();
        return outcome;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome preloaded = start(c, true);
        EXPECT_EQ(preloaded, start(c, false));
        EXPECT_EQ(preloaded.error.empty(), std::string(c.name) != "damaged");
        if (c.rewrittenAfterReading) {
            EXPECT_THAT(preloaded.shape, ElementsAre("new", "newer"));
        }
    }
}

TEST(CollectionPreload, GivesWhatItReadOnceAndOnlyForThatFileAsItStillIs) {
    ScratchProgramFolder program{"preload"};
    const std::string file = program.programFolder() + "links.goto";
    struct Case {
        const char* name;
        std::string read, taken;
        bool multiSelect;
        bool rewrite;
        bool given;
    };
    const Case cases[] = {
        {"the file read", file, file, true, false, true},
        {"another file", file, program.programFolder() + "Info/other.goto", true, false, false},
        {"another kind of outline", file, file, false, false, false},
        {"the file rewritten since", file, file, true, true, false},
        {"a missing file", program.programFolder() + "missing.goto", program.programFolder() + "missing.goto", true, false, false},
        {"a folder", program.programFolder() + "Info", program.programFolder() + "Info", true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(file, collectionWith({"kept"}));
        CollectionPreload preload;
        preload.start(c.read);
        preload.waitUntilRead();
        if (c.rewrite)
            writeBytes(file, collectionWith({"kept", "added"}));
        std::optional<ReadCollection> read = preload.take(c.taken, c.multiSelect);
        ASSERT_EQ(read.has_value(), c.given);
        if (read) {
            EXPECT_THAT(shape(*read->outline), ElementsAre("kept"));
            EXPECT_TRUE(read->streamMessage.empty());
        }
        EXPECT_FALSE(preload.take(c.taken, c.multiSelect)) << "given twice";
    }
    // A preload dropped while it still reads does not wait for the reading, nor disturb it.
    {
        CollectionPreload dropped;
        dropped.start(file);
    }
}
