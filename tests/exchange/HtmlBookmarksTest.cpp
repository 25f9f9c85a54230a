#include "exchange/HtmlBookmarks.h"
#include "exchange/BookmarkText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

// As Firefox writes it: the toolbar folder, nested folders, a separator, a place: query, tags, a
// description, a bookmarklet, character references and a non-ASCII title.
constexpr const char* kFirefoxFile = R"html(<!DOCTYPE NETSCAPE-Bookmark-file-1>
<!-- This is an automatically generated file.
     It will be read and overwritten.
     DO NOT EDIT! -->
<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=UTF-8">
<meta http-equiv="Content-Security-Policy" content="default-src 'self'; script-src 'none'; img-src data: *; object-src 'none'"></meta>
<TITLE>Bookmarks</TITLE>
<H1>Bookmarks Menu</H1>

<DL><p>
    <DT><A HREF="place:parent=menu________&sort=12" ADD_DATE="1700000000">Recent Tags</A>
    <HR>    <DT><H3 ADD_DATE="1700000000" LAST_MODIFIED="1700000001" PERSONAL_TOOLBAR_FOLDER="true">Bookmarks Toolbar</H3>
    <DL><p>
        <DT><A HREF="https://www.mozilla.org/en-US/firefox/" ADD_DATE="1700000002" LAST_MODIFIED="1700000003" ICON_URI="fake-favicon-uri:https://www.mozilla.org/" TAGS="browser,mozilla">Get Help &amp; Support</A>
        <DD>Firefox &lt;help&gt; pages
        <DT><H3>Café &quot;Reading&quot;</H3>
        <DL><p>
            <DT><A HREF="https://example.org/a?x=1&amp;y=2">Ünïcødé — ok</A>
            <DT><A HREF="javascript:alert(1)">Bookmarklet</A>
        </DL><p>
        <DT><A HREF="https://example.org/untitled"></A>
    </DL><p>
    <DT><A HREF="https://example.org/menu">In the menu</A>
</DL>
)html";

// As Chromium writes it: upper-case tags, no descriptions, the bar folder first.
constexpr const char* kChromiumFile = R"html(<!DOCTYPE NETSCAPE-Bookmark-file-1>
<!-- This is an automatically generated file.
     It will be read and overwritten.
     DO NOT EDIT! -->
<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=UTF-8">
<TITLE>Bookmarks</TITLE>
<H1>Bookmarks</H1>
<DL><p>
    <DT><H3 ADD_DATE="1700000000" LAST_MODIFIED="0" PERSONAL_TOOLBAR_FOLDER="true">Bookmarks bar</H3>
    <DL><p>
        <DT><A HREF="https://www.chromium.org/" ADD_DATE="1700000000">The Chromium Projects</A>
        <DT><H3 ADD_DATE="1700000000" LAST_MODIFIED="0">Empty</H3>
        <DL><p>
        </DL><p>
    </DL><p>
    <DT><A HREF="https://example.com/other" ADD_DATE="1700000000">Other one</A>
</DL><p>
)html";

// As a bookmark service writes it: a flat list, tags and descriptions, </p> written wrongly.
constexpr const char* kServiceFile = R"html(<!DOCTYPE NETSCAPE-Bookmark-file-1>
<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=UTF-8">
<TITLE>Pinned Bookmarks</TITLE>
<H1>Bookmarks</H1>
<DL><p><DT><A HREF="https://news.example/" ADD_DATE="1690000000" PRIVATE="1" TOREAD="0" TAGS="news,daily, reading">News</A>
<DD>Morning
  paper &#x263A;
<DT><A HREF="https://blog.example/" ADD_DATE="1690000001" PRIVATE="0" TOREAD="1" TAGS="">Blog</A>
</DL></p>
)html";

} // namespace

TEST(HtmlBookmarks, AFirefoxFileKeepsItsFoldersOrderTagsAndDescriptions) {
    EXPECT_THAT(treeLines(readHtmlBookmarks(kFirefoxFile)),
                ElementsAre("+ Bookmarks Toolbar",
                            "  - Get Help & Support <https://www.mozilla.org/en-US/firefox/> [browser,mozilla] {Firefox <help> pages}",
                            "  + Café \"Reading\"",
                            "    - Ünïcødé — ok <https://example.org/a?x=1&y=2>",
                            "    - Bookmarklet <javascript:alert(1)>",
                            "  - <https://example.org/untitled>",
                            "- In the menu <https://example.org/menu>"));
}

TEST(HtmlBookmarks, AChromiumFileAndABookmarkServiceFileAreReadAlike) {
    EXPECT_THAT(treeLines(readHtmlBookmarks(kChromiumFile)),
                ElementsAre("+ Bookmarks bar", "  - The Chromium Projects <https://www.chromium.org/>", "  + Empty",
                            "- Other one <https://example.com/other>"));
    const BookmarkTree service = readHtmlBookmarks(kServiceFile);
    EXPECT_THAT(treeLines(service), ElementsAre("- News <https://news.example/> [news,daily,reading] {Morning\n  paper ☺}",
                                                "- Blog <https://blog.example/>"));
    EXPECT_EQ(service.items[0].added, 1690000000);
}

TEST(HtmlBookmarks, TheCharsetOfTheMetaTagDecidesHowBytesAreRead) {
    const std::string file = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
                             "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">\n"
                             "<DL><p><DT><A HREF=\"https://example.org/\">Caf\xE9 \x93quoted\x94</A>\n</DL><p>\n";
    EXPECT_THAT(treeLines(readHtmlBookmarks(file)), ElementsAre("- Café “quoted” <https://example.org/>"));
}

TEST(HtmlBookmarks, UnclosedListsAndStrayTagsStillGiveTheTree) {
    // Cut off inside a folder: what was read stays, in its folder.
    const std::string cut = "<DL><p><DT><H3>A</H3><DL><p><DT><A HREF=\"https://a.example/\">a</A><DT><H3>B</H3>"
                            "<DL><p><DT><A HREF=\"https://b.example/\">b";
    EXPECT_THAT(treeLines(readHtmlBookmarks(cut)),
                ElementsAre("+ A", "  - a <https://a.example/>", "  + B", "    - b <https://b.example/>"));
}

TEST(HtmlBookmarks, FilesWithoutABookmarkListAreRefusedWithTheReason) {
    struct Case {
        const char* name;
        std::string bytes;
        const char* reason;
    };
    const Case cases[] = {
        {"empty", "", "it is empty"},
        {"a web page", "<html><body><p>Hello <a href=\"https://x.example/\">x</a></p></body></html>", "it is not a bookmark file"},
        {"binary", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "it is not a bookmark file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            readHtmlBookmarks(c.bytes);
            ADD_FAILURE() << "read";
        } catch (const ExchangeError& e) {
            EXPECT_STREQ(e.what(), c.reason);
        }
    }
}

TEST(HtmlBookmarks, WrittenFilesReadBackAsTheSameTree) {
    BookmarkTree tree;
    auto add = [&](Bookmark::Kind kind, int depth, std::string title, std::string url = {}) -> Bookmark& {
        Bookmark b;
        b.kind = kind;
        b.depth = depth;
        b.title = std::move(title);
        b.url = std::move(url);
        tree.items.push_back(std::move(b));
        return tree.items.back();
    };
    add(Bookmark::Kind::Folder, 0, "Work & <Play>").description = "folder \"note\"";
    add(Bookmark::Kind::Link, 1, "Quotes ' \" and <tags>", "https://example.org/?a=1&b=\"2\"").tags = {"x", "y z"};
    add(Bookmark::Kind::Folder, 1, "Deeper");
    add(Bookmark::Kind::Link, 2, "Tief ünten", "https://example.org/ü").description = "two\nlines";
    add(Bookmark::Kind::Folder, 2, "Empty");
    add(Bookmark::Kind::Link, 0, "Top", "file:///home/user/a%20b.txt");
    const std::string html = writeHtmlBookmarks(tree);
    EXPECT_EQ(treeLines(readHtmlBookmarks(html)), treeLines(tree));
    EXPECT_NE(html.find("<DT><A HREF=\"https://example.org/?a=1&amp;b=&quot;2&quot;\" TAGS=\"x,y z\">"), std::string::npos);
}
