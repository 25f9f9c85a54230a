// The import and export commands once chosen, with recording dialogs and background work that can
// be cancelled, on files the tests write.
#include "app/BookmarkCommands.h"
#include "app/BookmarkOptions.h"

#include "collection/FileIO.h"
#include "collection/ItemType.h"
#include "collection/NodeStream.h"
#include "fakes/RecordingBackgroundWork.h"
#include "fakes/RecordingDialogs.h"
#include "support/ScratchFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

constexpr const char* kBookmarksHtml =
    "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n<DT><H3>Reading</H3>\n<DL><p>\n"
    "<DT><A HREF=\"https://known.example/\">Known</A>\n<DT><A HREF=\"https://new.example/\">New</A>\n"
    "<DT><A HREF=\"javascript:go()\">Go</A>\n</DL><p>\n</DL><p>\n";

struct BookmarkCommands : ::testing::Test {
    ScratchFolder scratch{"bookmark-commands"};
    Outline tree;
    RecordingDialogs dialogs;
    RecordingBackgroundWork work;

    std::string file(const std::string& name, const std::string& bytes) const {
        const std::string path = (scratch.path() / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::vector<std::string> names() const {
        std::vector<std::string> lines;
        tree.forEach([&](const Node* n) {
            lines.push_back(std::string(static_cast<std::size_t>(tree.level(n)) * 2, ' ') + std::string(std::string_view(n->data.Name)));
        });
        return lines;
    }
    void SetUp() override {
        Node* known = tree.addChild(nullptr);
        known->data.ItemType = ItemType::Url;
        known->data.Name = "Mine";
        known->data.URL = "https://KNOWN.example";
    }
};

} // namespace

TEST_F(BookmarkCommands, AnImportAddsOneFocusedGroupAndSaysWhatCameIn) {
    const std::string path = file("bookmarks.html", kBookmarksHtml);
    Node* group = importBookmarks(tree, {path, "", true}, work, dialogs, "2026-12-10");
    EXPECT_EQ(tree.focused(), group);
    EXPECT_THAT(names(), ElementsAre("Mine", "Bookmarks file bookmarks.html 2026-12-10", "  Reading", "    New"));
    EXPECT_THAT(dialogs.messages, ElementsAre("message: Imported 1 bookmark in 1 folder; 1 already in the collection, "
                                              "1 bookmarklet left out."));
    EXPECT_THAT(work.captions, ElementsAre("Importing bookmarks from " + path + "…"));
}

TEST_F(BookmarkCommands, ACancelledImportLeavesTheCollectionAsItWas) {
    const std::string path = file("bookmarks.html", kBookmarksHtml);
    const Bytes before = writeOutline(tree);
    work.cancelNext = true;
    EXPECT_EQ(importBookmarks(tree, {path, "Firefox (default)", false}, work, dialogs, "2026-12-10"), nullptr);
    EXPECT_EQ(writeOutline(tree), before);
    EXPECT_THAT(dialogs.messages, IsEmpty());
}

TEST_F(BookmarkCommands, EachBadSourceShowsAnErrorNamingTheFileAndAddsNothing) {
    struct Case {
        const char* name;
        std::string bytes;
        const char* reason;
    };
    const Case cases[] = {
        {"Bookmarks", R"({"roots": {"bookmark_bar": {"children": [)", "it is damaged or cut short"},
        {"places.sqlite", std::string("SQLite format 3\0", 16) + std::string(2000, 'x'), "it is not a database, or it is encrypted"},
        {"page.html", "<html><body><h1>Hello</h1></body></html>", "it is not a bookmark file"},
    };
    const Bytes before = writeOutline(tree);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.messages.clear();
        const std::string path = file(c.name, c.bytes);
        EXPECT_EQ(importBookmarks(tree, {path, "", true}, work, dialogs, "2026-12-10"), nullptr);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_THAT(dialogs.messages[0], HasSubstr("error: The bookmarks file \"" + path + "\" cannot be read: "));
        EXPECT_THAT(dialogs.messages[0], HasSubstr(c.reason));
        EXPECT_EQ(writeOutline(tree), before);
    }
}

TEST_F(BookmarkCommands, AnExportWritesTheFileAndACancelledOneLeavesTheOldFile) {
    const std::string path = file("out.html", "old bytes");
    work.cancelNext = true;
    EXPECT_FALSE(exportBookmarks(tree, {path, false}, work, dialogs));
    EXPECT_EQ(std::string(std::string_view(reinterpret_cast<const char*>(readWholeFile(path).data()), 9)), "old bytes");
    EXPECT_TRUE(exportBookmarks(tree, {path, false}, work, dialogs));
    EXPECT_THAT(dialogs.messages, ElementsAre("message: Exported 1 bookmark in 0 folders."));
    const FileBytes written = readWholeFile(path);
    EXPECT_THAT(std::string(reinterpret_cast<const char*>(written.data()), written.size()),
                HasSubstr("<DT><A HREF=\"https://KNOWN.example\">Mine</A>"));
    EXPECT_FALSE(exportBookmarks(tree, {(scratch.path() / "missing/out.html").string(), false}, work, dialogs));
    EXPECT_THAT(dialogs.messages.back(), HasSubstr("error: "));
}

TEST_F(BookmarkCommands, TheCommandLineExportsTheSavedCollectionAndReportsErrors) {
    const std::string folder = scratch.path().string() + "/";
    writeFileSafely(folder + "links.goto", writeOutline(tree));
    const std::string out = folder + "exported.html";
    const std::string html = file("bookmarks.html", kBookmarksHtml);
    struct Case {
        std::vector<std::string> args;
        std::optional<int> status;
        const char* error;
    };
    const Case cases[] = {
        {{"--export", out}, 0, ""},
        {{"--export=" + out}, 0, ""},
        {{"--export"}, 2, "wendelmoor: --export needs a file name.\n"},
        {{"--import", html}, std::nullopt, ""},
        {{"--import", folder + "missing.html"}, 1, "does not exist"},
        {{"--export", folder + "no/such/folder.html"}, 1, "folder.html"},
        {{}, std::nullopt, ""},
    };
    for (const Case& c : cases) {
        std::vector<char*> argv{const_cast<char*>("wendelmoor")};
        for (const std::string& a : c.args)
            argv.push_back(const_cast<char*>(a.c_str()));
        std::ostringstream errors;
        BookmarkOptions options = bookmarkOptions(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(runBookmarkOptions(options, folder, errors), c.status) << ::testing::PrintToString(c.args);
        EXPECT_EQ(options.imported.has_value(), c.args.size() == 2 && c.args[0] == "--import" && !c.status);
        EXPECT_THAT(errors.str(), HasSubstr(c.error));
    }
    EXPECT_TRUE(fs::exists(out));
}
