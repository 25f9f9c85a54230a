#include "exchange/ChromiumBookmarks.h"
#include "exchange/BookmarkText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

// The shape Chromium writes: keys in alphabetical order, so a folder's children come before its
// name and type; an empty synced root; meta_info and sync data that mean nothing here.
constexpr const char* kBookmarks = R"json({
   "checksum": "0123456789abcdef",
   "roots": {
      "bookmark_bar": {
         "children": [ {
            "date_added": "13340000000000000",
            "guid": "00000000-0000-4000-a000-000000000001",
            "id": "5",
            "meta_info": { "power_bookmark_meta": "" },
            "name": "Chromium \u00fcber \"alles\"",
            "type": "url",
            "url": "https://www.chromium.org/"
         }, {
            "children": [ {
               "id": "7", "name": "", "type": "url", "url": "https://example.org/untitled"
            }, {
               "children": [], "id": "8", "name": "Empty", "type": "folder"
            } ],
            "id": "6",
            "name": "Nested",
            "type": "folder"
         }, {
            "id": "9", "name": "Something new", "type": "unknown_kind", "children": [ { "type": "url", "url": "https://gone.example/" } ]
         } ],
         "id": "1",
         "name": "Bookmarks bar",
         "type": "folder"
      },
      "other": {
         "children": [ { "id": "10", "name": "Run", "type": "url", "url": "javascript:void(0)" } ],
         "id": "2", "name": "Other bookmarks", "type": "folder"
      },
      "synced": { "children": [], "id": "3", "name": "Mobile bookmarks", "type": "folder" }
   },
   "sync_metadata": "abc",
   "version": 1
})json";

} // namespace

TEST(ChromiumBookmarks, TheRootsKeepTheirFoldersInTheFilesOrder) {
    const BookmarkTree tree = readChromiumBookmarks(kBookmarks);
    EXPECT_THAT(treeLines(tree), ElementsAre("+ Bookmarks bar", "  - Chromium über \"alles\" <https://www.chromium.org/>",
                                             "  + Nested", "    - <https://example.org/untitled>", "    + Empty",
                                             "+ Other bookmarks", "  - Run <javascript:void(0)>"));
    EXPECT_EQ(tree.items[1].added, 13340000000000000 / 1000000 - 11644473600);
}

TEST(ChromiumBookmarks, DamagedOrForeignJsonIsRefusedWithTheReason) {
    const std::string cut = std::string(kBookmarks).substr(0, 300);
    struct Case {
        std::string bytes;
        const char* reason;
    };
    const Case cases[] = {
        {"", "it is empty"},
        {cut, "it is damaged or cut short (at byte 301)"},
        {R"({"version": 1, "tabs": []})", "it is not a bookmarks file of the Chromium family"},
        {"[1, 2, 3]", "it is not a bookmarks file of the Chromium family"},
        {std::string(5000, '['), "its folders are nested too deeply"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.substr(0, 40));
        try {
            readChromiumBookmarks(c.bytes);
            ADD_FAILURE() << "read";
        } catch (const ExchangeError& e) {
            EXPECT_STREQ(e.what(), c.reason);
        }
    }
}
