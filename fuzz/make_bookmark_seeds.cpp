// Writes seed corpora for the bookmark readers: HTML bookmark files as browsers write them (through
// the writer and by hand), a Chromium Bookmarks file, and a places.sqlite made like Firefox's.
// usage: fuzz_make_bookmark_seeds HTML_DIR CHROMIUM_DIR PLACES_DIR
#include "exchange/FirefoxPlacesFixture.h"
#include "exchange/HtmlBookmarks.h"

#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

void write(const std::filesystem::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: fuzz_make_bookmark_seeds HTML_DIR CHROMIUM_DIR PLACES_DIR\n";
        return 2;
    }
    const std::filesystem::path html = argv[1], chromium = argv[2], places = argv[3];
    BookmarkTree tree;
    Bookmark folder;
    folder.kind = Bookmark::Kind::Folder;
    folder.title = "Folder & <more>";
    folder.description = "about it";
    tree.items.push_back(folder);
    Bookmark link;
    link.depth = 1;
    link.title = "Ünïcode \"quoted\"";
    link.url = "https://example.org/?a=1&b=2";
    link.tags = {"one", "two"};
    link.added = 1700000000;
    link.description = "two\nlines";
    tree.items.push_back(link);
    link.depth = 0;
    link.url = "javascript:void(0)";
    tree.items.push_back(link);
    write(html / "written.html", writeHtmlBookmarks(tree));
    write(html / "soup.html",
          "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">\n"
          "<DL><p><DT><H3>A</H3><DL><p><DT><A HREF=\"place:x\">q</A><HR><DT><A HREF=\"https://a.example/\" TAGS=\"t\">a&amp;b"
          "<DD>desc &#x263A;<DT><H3>B</H3><DL><p></DL><p></DL><p><DT><A HREF=\"https://c.example/\">\xE9</A>\n");
    write(chromium / "Bookmarks",
          R"json({"checksum": "x", "roots": {"bookmark_bar": {"children": [{"date_added": "13340000000000000",
          "name": "A \u00fc", "type": "url", "url": "https://a.example/"}, {"children": [{"name": "", "type": "url",
          "url": "https://b.example/"}], "name": "Sub", "type": "folder"}], "name": "Bookmarks bar", "type": "folder"},
          "other": {"children": [], "name": "Other bookmarks", "type": "folder"}, "synced": {"children": [],
          "name": "Mobile bookmarks", "type": "folder"}}, "version": 1})json");
    {
        using F = FirefoxPlacesFixture;
        F db((places / "places.sqlite").string());
        const auto work = db.folder(F::Toolbar, "Work");
        db.describe(db.bookmark(work, "Tracker", "https://tracker.example/"), "Where the bugs are");
        db.separator(work);
        db.bookmark(F::Menu, "Menu", "https://menu.example/");
        db.bookmark(F::Unfiled, "Query", "place:sort=8");
        db.tag("https://tracker.example/", "daily");
    }
    return 0;
}
