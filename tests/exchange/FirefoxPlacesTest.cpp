#include "exchange/FirefoxPlaces.h"
#include "exchange/BookmarkFile.h"
#include "exchange/BookmarkText.h"
#include "exchange/FirefoxPlacesFixture.h"
#include "support/ScratchFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

struct FirefoxPlaces : ::testing::Test {
    ScratchFolder scratch{"places"};
    std::string path = (scratch.path() / "places.sqlite").string();

    void writeProfile() {
        using F = FirefoxPlacesFixture;
        F places(path);
        places.bookmark(F::Menu, "In the menu", "https://menu.example/");
        places.separator(F::Menu);
        const auto work = places.folder(F::Toolbar, "Work");
        places.describe(work, "Things for work");
        const auto tracker = places.bookmark(work, "Tracker", "https://tracker.example/");
        places.describe(tracker, "Where the bugs are");
        places.annotate(tracker, "other/annotation", "not a description");
        const auto deeper = places.folder(work, "Deeper");
        places.bookmarkWithoutTitle(deeper, "https://untitled.example/");
        places.bookmark(F::Toolbar, "Most Visited", "place:sort=8&maxResults=10");
        places.bookmark(F::Toolbar, "Läsning", "https://read.example/");
        places.bookmark(F::Unfiled, "Bookmarklet", "javascript:alert(1)");
        for (const char* tag : {"one", "two", "three", "four", "five", "six"})
            places.tag("https://tracker.example/", tag);
    }
};

} // namespace

// Descriptions come from the annotations older versions kept; other annotations are not descriptions.
TEST_F(FirefoxPlaces, TheFixedFoldersComeInTheBrowsersOrderWithTagsDescriptionsAndWithoutQueriesOrSeparators) {
    writeProfile();
    EXPECT_THAT(treeLines(readFirefoxPlaces(path)),
                ElementsAre("+ Bookmarks Toolbar", "  + Work {Things for work}",
                            "    - Tracker <https://tracker.example/> [one,two,three,four,five,six] {Where the bugs are}",
                            "    + Deeper", "      - <https://untitled.example/>", "  - Läsning <https://read.example/>",
                            "+ Bookmarks Menu", "  - In the menu <https://menu.example/>", "+ Other Bookmarks",
                            "  - Bookmarklet <javascript:alert(1)>"));
}

// Newer versions of Firefox keep no annotations at all.
TEST_F(FirefoxPlaces, ADatabaseWithoutAnnotationsIsReadWithoutDescriptions) {
    writeProfile();
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "DROP TABLE moz_items_annos; DROP TABLE moz_anno_attributes;", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    const std::vector<std::string> lines = treeLines(readFirefoxPlaces(path));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[1], "  + Work");
    EXPECT_EQ(lines[2], "    - Tracker <https://tracker.example/> [one,two,three,four,five,six]");
}

TEST_F(FirefoxPlaces, TheDatabaseIsRecognisedByContentAndReadFromMemoryAlike) {
    writeProfile();
    const std::string renamed = (scratch.path() / "backup.dat").string();
    std::filesystem::copy_file(path, renamed);
    const BookmarkFileContent content = readBookmarkFile(renamed);
    EXPECT_EQ(content.format, BookmarkFormat::FirefoxPlaces);
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(treeLines(readFirefoxPlacesBytes(bytes)), treeLines(content.tree));
}

TEST_F(FirefoxPlaces, ADatabaseHeldOpenForWritingByTheBrowserIsStillRead) {
    writeProfile();
    sqlite3* browser = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &browser), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(browser, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_EQ(readFirefoxPlaces(path).items.size(), 10u);
    sqlite3_exec(browser, "COMMIT;", nullptr, nullptr, nullptr);
    sqlite3_close(browser);
}

TEST_F(FirefoxPlaces, FilesThatAreNoPlacesDatabaseAreRefusedNamingTheFile) {
    struct Case {
        const char* name;
        std::string bytes;
        const char* reason;
    };
    std::string truncatedDatabase;
    {
        writeProfile();
        std::ifstream in(path, std::ios::binary);
        truncatedDatabase.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        truncatedDatabase.resize(4096 + 100);
    }
    std::string encrypted = "SQLite format 3";
    encrypted += '\0';
    encrypted += std::string(4080, '\x5a');
    const Case cases[] = {
        {"other database", "", "it is not a Firefox bookmarks database"},
        {"encrypted", encrypted, "it is not a database, or it is encrypted"},
        {"truncated", truncatedDatabase, "the database is damaged"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = (scratch.path() / (std::string(c.name) + ".sqlite")).string();
        if (c.bytes.empty()) {
            sqlite3* db = nullptr;
            sqlite3_open(file.c_str(), &db);
            sqlite3_exec(db, "CREATE TABLE notes (text TEXT); INSERT INTO notes VALUES ('x');", nullptr, nullptr, nullptr);
            sqlite3_close(db);
        } else {
            std::ofstream(file, std::ios::binary) << c.bytes;
        }
        try {
            readBookmarkFile(file);
            ADD_FAILURE() << "read";
        } catch (const ExchangeError& e) {
            EXPECT_THAT(e.what(), HasSubstr("The bookmarks file \"" + file + "\" cannot be read: "));
            EXPECT_THAT(e.what(), HasSubstr(c.reason));
        }
    }
}
