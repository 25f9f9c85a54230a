#include "exchange/BookmarkImport.h"

#include "collection/ItemType.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

Bookmark folder(int depth, std::string title) {
    Bookmark b;
    b.kind = Bookmark::Kind::Folder;
    b.depth = depth;
    b.title = std::move(title);
    return b;
}

Bookmark link(int depth, std::string title, std::string url, std::vector<ItemText> tags = {}) {
    Bookmark b;
    b.depth = depth;
    b.title = std::move(title);
    b.url = std::move(url);
    b.tags = std::move(tags);
    return b;
}

// The outline as lines: two spaces per level, "G" or "U" for the type, the name and the address.
std::vector<std::string> outlineLines(const Outline& tree) {
    std::vector<std::string> lines;
    tree.forEach([&](const Node* n) {
        std::string line(static_cast<std::size_t>(tree.level(n)) * 2, ' ');
        line += n->data.ItemType == ItemType::Group ? "G " : n->data.ItemType == ItemType::Url ? "U " : "? ";
        line += std::string_view(n->data.Name);
        if (!std::string_view(n->data.URL).empty())
            line += " <" + std::string(std::string_view(n->data.URL)) + ">";
        lines.push_back(line);
    });
    return lines;
}

// Counts what the listeners hear.
struct Announcements : OutlineListener {
    int insertions = 0, resets = 0;
    void nodesInserted(Node*, int, int) override { ++insertions; }
    void reset() override { ++resets; }
};

} // namespace

TEST(BookmarkImport, TheSourceBecomesOneNewTopLevelGroupInOneInsertion) {
    Outline tree;
    Node* existing = tree.addChild(nullptr);
    existing->data.ItemType = ItemType::Url;
    existing->data.Name = "Mine";
    existing->data.URL = "HTTPS://Example.ORG/Known/";

    BookmarkTree source;
    source.items = {folder(0, "Toolbar"),
                    link(1, "Known again", "https://example.org/Known"),
                    link(1, "", "https://example.org/known"),  // the path keeps its letter case
                    folder(1, "Inner"),
                    link(2, "Tagged", "https://tagged.example/", {"a", "b", "c", "d", "e", "f", "g"}),
                    link(1, "Marklet", "JavaScript:void(0)"),
                    link(1, "No address", ""),
                    link(0, "Top", "https://top.example")};
    const KnownAddresses known = addressesOf(tree);
    PreparedImport prepared(source, importGroupName("Firefox (default-release)", "2026-12-10"), &known);

    Announcements heard;
    tree.addListener(&heard);
    Node* group = prepared.attachTo(tree);
    tree.removeListener(&heard);
    EXPECT_EQ(heard.insertions, 1);
    EXPECT_EQ(heard.resets, 0);
    EXPECT_EQ(group, tree.root()->child(1));
    EXPECT_THAT(outlineLines(tree),
                ElementsAre("U Mine <HTTPS://Example.ORG/Known/>", "G Firefox (default-release) 2026-12-10", "  G Toolbar",
                            "    U https://example.org/known <https://example.org/known>", "    G Inner",
                            "      U Tagged <https://tagged.example/>", "  U Top <https://top.example>"));
    const LinkItem& tagged = tree.next(tree.next(tree.next(tree.next(group))))->data;
    EXPECT_EQ(std::string_view(tagged.Keyword1), "a");
    EXPECT_EQ(std::string_view(tagged.Keyword4), "d");
    EXPECT_EQ(std::string_view(tagged.Keyword5), "e, f, g");
    EXPECT_EQ(importSummaryText(prepared.summary()),
              "Imported 3 bookmarks in 2 folders; 1 already in the collection, 1 bookmarklet, 1 without an address left out.");
}

TEST(BookmarkImport, WithoutTheDuplicateRuleEveryAddressComesIn) {
    Outline tree;
    tree.addChild(nullptr)->data.URL = "https://example.org/";
    BookmarkTree source;
    source.items = {link(0, "Again", "https://EXAMPLE.org")};
    PreparedImport prepared(source, "Bookmarks file b.html 2026-12-10", nullptr);
    EXPECT_EQ(prepared.summary().bookmarks, 1u);
    prepared.attachTo(tree);
    EXPECT_EQ(tree.totalCount(), 3);
}

TEST(BookmarkImport, TheDuplicateRuleIgnoresTheCaseOfSchemeAndHostAndATrailingSlash) {
    struct Case {
        const char* a;
        const char* b;
        bool same;
    };
    const Case cases[] = {
        {"HTTPS://Example.ORG/", "https://example.org", true},
        {"https://example.org/Path/", "https://example.org/Path", true},
        {"https://example.org/Path", "https://example.org/path", false},
        {"https://user@HOST.example:8080?q=A", "https://user@host.example:8080?q=A", true},
        {"MAILTO:Someone@Example.org", "mailto:Someone@Example.org", true},
        {"/home/User/file", "/home/user/file", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(addressKey(c.a) == addressKey(c.b), c.same) << c.a << " / " << c.b;
}

TEST(BookmarkImport, SummariesCountInGroupsOfThreeAndSayOnlyWhatHappened) {
    struct Case {
        ImportSummary summary;
        const char* text;
    };
    const Case cases[] = {
        {{4512, 213, 37, 3, 0}, "Imported 4 512 bookmarks in 213 folders; 37 already in the collection, 3 bookmarklets left out."},
        {{1, 1, 0, 0, 0}, "Imported 1 bookmark in 1 folder."},
        {{1234567, 0, 2, 0, 0}, "Imported 1 234 567 bookmarks in 0 folders; 2 already in the collection."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(importSummaryText(c.summary), c.text);
}
