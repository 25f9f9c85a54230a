#include "exchange/BookmarkExport.h"

#include "collection/FileIO.h"
#include "collection/ItemType.h"
#include "collection/NodeStream.h"
#include "exchange/BookmarkFile.h"
#include "exchange/BookmarkImport.h"
#include "exchange/BookmarkText.h"
#include "exchange/HtmlBookmarks.h"
#include "support/ScratchFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <libxml/HTMLparser.h>
#include <libxml/xpath.h>

#include <fstream>

using ::testing::ElementsAre;

namespace {

Node* item(Outline& tree, Node* parent, std::int32_t type, const char* name, const char* url = "") {
    Node* n = tree.addChild(parent);
    n->data.ItemType = type;
    n->data.Name = name;
    n->data.URL = url;
    return n;
}

// One item of every type that has a link form, some that have none, and a Windows-1252 name.
void fill(Outline& tree) {
    Node* work = item(tree, nullptr, ItemType::Group, "Work");
    Node* url = item(tree, work, ItemType::Url, "Tracker & <Board>", "https://tracker.example/?a=1&b=2");
    url->data.Note = "daily";
    url->data.Keyword1 = "x";
    url->data.Keyword5 = "y, z";
    item(tree, work, ItemType::GoogleSearch, "caf\xE9 & cr\xE8me");
    item(tree, work, ItemType::Folder, "Projects", "/home/user/My Projects");
    item(tree, work, ItemType::File, "Plan", "file:///home/user/plan.odt");
    item(tree, work, ItemType::Email, "Ann", "ann@example.org");
    item(tree, work, ItemType::Application, "Editor", "/usr/bin/editor");
    Node* note = item(tree, work, ItemType::Note, "A note");
    item(tree, note, ItemType::Url, "Under a note", "https://under.example/");
    item(tree, nullptr, ItemType::Url, "No address");
    item(tree, nullptr, ItemType::Warning, "Careful");
    item(tree, nullptr, ItemType::SavedPage, "Saved", "/home/user/page.html");
}

bool isNamed(xmlNodePtr n, const char* name) {
    return n->type == XML_ELEMENT_NODE && xmlStrcasecmp(n->name, reinterpret_cast<const xmlChar*>(name)) == 0;
}

// The <H3> a folder list belongs to: in the element before the list, or that element itself.
xmlNodePtr headingOf(xmlNodePtr list) {
    xmlNodePtr before = list->prev;
    while (before && before->type != XML_ELEMENT_NODE)
        before = before->prev;
    if (!before)
        return nullptr;
    if (isNamed(before, "h3"))
        return before;
    for (xmlNodePtr c = before->children; c; c = c->next)
        if (isNamed(c, "h3"))
            return c;
    return nullptr;
}

// The folders and links a standard HTML parser finds: each <A> with the <H3> titles above it.
std::vector<std::string> linksAsAParserSeesThem(const std::string& html) {
    htmlDocPtr doc = htmlReadMemory(html.data(), static_cast<int>(html.size()), "x.html", nullptr,
                                    HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING);
    xmlXPathContextPtr context = xmlXPathNewContext(doc);
    xmlXPathObjectPtr found = xmlXPathEvalExpression(reinterpret_cast<const xmlChar*>("//a"), context);
    std::vector<std::string> lines;
    for (int i = 0; found->nodesetval && i < found->nodesetval->nodeNr; ++i) {
        xmlNodePtr a = found->nodesetval->nodeTab[i];
        std::string path;
        for (xmlNodePtr p = a->parent; p; p = p->parent)
            if (isNamed(p, "dl"))
                if (xmlNodePtr heading = headingOf(p)) {
                    xmlChar* t = xmlNodeGetContent(heading);
                    path = std::string(reinterpret_cast<const char*>(t)) + "/" + path;
                    xmlFree(t);
                }
        xmlChar* href = xmlGetProp(a, reinterpret_cast<const xmlChar*>("href"));
        xmlChar* text = xmlNodeGetContent(a);
        lines.push_back(path + reinterpret_cast<const char*>(text) + " <" + reinterpret_cast<const char*>(href) + ">");
        xmlFree(href);
        xmlFree(text);
    }
    xmlXPathFreeObject(found);
    xmlXPathFreeContext(context);
    xmlFreeDoc(doc);
    return lines;
}

} // namespace

TEST(BookmarkExport, EveryItemWithAnAddressBecomesALinkInItsFolder) {
    Outline tree;
    fill(tree);
    const CollectedBookmarks collected = collectBookmarks(tree, false);
    EXPECT_THAT(treeLines(collected.tree),
                ElementsAre("+ Work", "  - Tracker & <Board> <https://tracker.example/?a=1&b=2> [x,y,z] {daily}",
                            "  - café & crème <https://www.google.com/search?q=caf%C3%A9+%26+cr%C3%A8me>",
                            "  - Projects <file:///home/user/My%20Projects>", "  - Plan <file:///home/user/plan.odt>",
                            "  - Ann <mailto:ann@example.org>", "  - Editor <file:///usr/bin/editor>",
                            "  - Under a note <https://under.example/>", "- Saved <file:///home/user/page.html>"));
    EXPECT_EQ(exportSummaryText(collected), "Exported 8 bookmarks in 1 folder; 3 items without a web address left out.");
}

TEST(BookmarkExport, AStandardHtmlParserFindsTheFoldersAndLinks) {
    Outline tree;
    fill(tree);
    const std::string html = writeHtmlBookmarks(collectBookmarks(tree, false).tree);
    const std::vector<std::string> links = linksAsAParserSeesThem(html);
    ASSERT_EQ(links.size(), 8u);
    EXPECT_EQ(links[0], "Work/Tracker & <Board> <https://tracker.example/?a=1&b=2>");
    EXPECT_EQ(links[6], "Work/Under a note <https://under.example/>");
    EXPECT_EQ(links[7], "Saved <file:///home/user/page.html>");
}

TEST(BookmarkExport, SelectedItemsOnlyTakesEachSelectedSubtreeOnce) {
    Outline tree;
    fill(tree);
    Node* work = tree.root()->child(0);
    tree.setSelected(work, true);
    tree.setSelected(work->child(0), true);  // inside a selected group: not twice
    tree.setSelected(tree.root()->child(3), true);
    EXPECT_THAT(treeLines(collectBookmarks(tree, true).tree).size(), 9u);
    tree.clearSelection();
    tree.setSelected(work->child(4), true);
    EXPECT_THAT(treeLines(collectBookmarks(tree, true).tree), ElementsAre("- Ann <mailto:ann@example.org>"));
}

TEST(BookmarkExport, ExportThenImportGivesTheSameTree) {
    Outline tree;
    fill(tree);
    ScratchFolder scratch{"export"};
    const std::string collection = (scratch.path() / "links.goto").string();
    const std::string html = (scratch.path() / "bookmarks.html").string();
    const Bytes bytes = writeOutline(tree);
    writeFileSafely(collection, bytes);
    ASSERT_EQ(exportCollectionFile(collection, html), "");

    const BookmarkFileContent read = readBookmarkFile(html);
    EXPECT_EQ(treeLines(read.tree), treeLines(collectBookmarks(tree, false).tree));
    Outline again;
    PreparedImport(read.tree, "Again", nullptr).attachTo(again);
    const Node* tracker = again.root()->child(0)->child(0)->child(0);
    EXPECT_EQ(std::string_view(tracker->data.Name), "Tracker & <Board>");
    EXPECT_EQ(std::string_view(tracker->data.Note), "daily");
    EXPECT_EQ(std::string_view(tracker->data.Keyword3), "z");
}

TEST(BookmarkExport, TheCommandLineExportNamesWhatWentWrong) {
    ScratchFolder scratch{"export-errors"};
    const std::string damaged = (scratch.path() / "damaged.goto").string();
    std::ofstream(damaged, std::ios::binary) << "not a collection at all";
    EXPECT_THAT(exportCollectionFile((scratch.path() / "missing.goto").string(), (scratch.path() / "b.html").string()),
                ::testing::HasSubstr("missing.goto"));
    EXPECT_THAT(exportCollectionFile(damaged, (scratch.path() / "b.html").string()),
                ::testing::StartsWith("The collection \"" + damaged + "\" cannot be read: "));
    Outline tree;
    fill(tree);
    const std::string collection = (scratch.path() / "links.goto").string();
    writeFileSafely(collection, writeOutline(tree));
    EXPECT_THAT(exportCollectionFile(collection, (scratch.path() / "no/such/folder/b.html").string()),
                ::testing::HasSubstr("b.html"));
    EXPECT_FALSE(std::filesystem::exists(scratch.path() / "b.html"));
}
