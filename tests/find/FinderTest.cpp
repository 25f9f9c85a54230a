// Finding items over every field: the table of queries, the ranking, the most recent launch first
// among equals, and a result that outlives an item.
#include "find/Finder.h"
#include "collection/ItemType.h"
#include "find/FoldedText.h"
#include "find/FoundItems.h"
#include "launch/LaunchFixture.h"
#include "support/TestOutlines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

Node* add(Outline& outline, Node* parent, std::int32_t type, const std::string& name, const std::string& url = {}) {
    Node* n = addNamed(outline, parent, name);
    n->data.ItemType = type;
    n->data.URL = url;
    return n;
}

// A small collection with a word in each field, accents, and a name stored in Windows-1252.
struct Collection {
    Outline outline;
    Node* work = add(outline, nullptr, ItemType::Group, "Work");
    Node* tools = add(outline, work, ItemType::Group, "Tools");
    Node* compiler = add(outline, tools, ItemType::Url, "Compiler Explorer", "https://godbolt.org");
    Node* wiki = add(outline, tools, ItemType::Url, "Z\xC3\xBCrich Wiki", "https://wiki.example.ch");
    Node* projects = add(outline, work, ItemType::Folder, "Projects", "/home/me/projects");
    Node* shopping = add(outline, nullptr, ItemType::Note, "Shopping");
    Node* anna = add(outline, nullptr, ItemType::Email, "Anna", "anna@example.org");
    Node* editor = add(outline, nullptr, ItemType::Application, "Editor", "/usr/bin/editor");
    Node* cafe = add(outline, nullptr, ItemType::Url, "Caf\xE9 Cr\xE8me", "https://cafe.example.fr");

    Collection() {
        compiler->data.Keyword2 = "asm";
        wiki->data.Note = "Stadtplan der Stadt";
        projects->data.Dir = "/srv/build";
        shopping->data.Text = "milk and bread";
        anna->data.Contact = "Anna Berg";
        anna->data.Email = "anna.berg@example.org";
        editor->data.Params = "--new-window notes.txt";
    }
};

struct QueryCase {
    const char* query;
    std::vector<std::string> found; // names, best first
};

const std::string kWiki = "Z\xC3\xBCrich Wiki";
const std::string kCafe = "Caf\xE9 Cr\xE8me";

class FindQueries : public ::testing::TestWithParam<QueryCase> {};

TEST_P(FindQueries, FindTheItemsWhoseFieldsHoldEveryWord) {
    Collection c;
    const Finder finder(c.outline);
    const FindResult result = finder.find(GetParam().query);
    EXPECT_THAT(names(result.items), ElementsAreArray(GetParam().found)) << GetParam().query;
    EXPECT_EQ(result.total, GetParam().found.size());
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FindQueries,
    ::testing::Values(
        // one word in each field
        QueryCase{"compiler", {"Compiler Explorer"}}, QueryCase{"godbolt", {"Compiler Explorer"}},
        QueryCase{"asm", {"Compiler Explorer"}}, QueryCase{"stadtplan", {kWiki}}, QueryCase{"milk", {"Shopping"}},
        QueryCase{"notes.txt", {"Editor"}}, QueryCase{"/srv/build", {"Projects"}}, QueryCase{"berg", {"Anna"}},
        // case and accents, both ways, and a name stored in Windows-1252
        QueryCase{"ZURICH", {kWiki}}, QueryCase{"z\xC3\xBCrich", {kWiki}}, QueryCase{"cafe creme", {kCafe}},
        QueryCase{"CAF\xC3\x89", {kCafe}},
        // field prefixes
        QueryCase{"name:anna", {"Anna"}}, QueryCase{"url:anna", {"Anna"}}, QueryCase{"name:godbolt", {}},
        QueryCase{"url:compiler", {}}, QueryCase{"tag:asm", {"Compiler Explorer"}}, QueryCase{"tag:compiler", {}},
        QueryCase{"note:stadtplan", {kWiki}}, QueryCase{"note:milk", {}}, QueryCase{"type:folder", {"Projects"}},
        QueryCase{"type:group", {"Work", "Tools"}}, QueryCase{"type:printjob", {}},
        QueryCase{"TYPE:Email anna", {"Anna"}}, QueryCase{"name:", {}},
        // several words across fields, in any order
        QueryCase{"wiki zurich", {kWiki}}, QueryCase{"asm explorer", {"Compiler Explorer"}},
        QueryCase{"explorer milk", {}},
        // no match, nothing typed, and text that only looks like a prefix
        QueryCase{"nothing-here", {}}, QueryCase{"   ", {}}, QueryCase{"https://cafe", {kCafe}}));

TEST(FindRanking, NameStartThenWordOfNameThenNameThenAddressThenOtherFieldsTiesInDocumentOrder) {
    Outline outline;
    add(outline, nullptr, ItemType::Url, "Keep", "https://keep.example")->data.Note = "a note to self";
    add(outline, nullptr, ItemType::Url, "Sticky", "https://notes.example");
    add(outline, nullptr, ItemType::Url, "Footnotes", "https://f.example");
    add(outline, nullptr, ItemType::Url, "My notes", "https://m.example");
    add(outline, nullptr, ItemType::Url, "Notebook", "https://n.example");
    add(outline, nullptr, ItemType::Url, "Notepad", "https://p.example");
    const Finder finder(outline);
    EXPECT_THAT(names(finder.find("note").items),
                ElementsAre("Notebook", "Notepad", "My notes", "Footnotes", "Sticky", "Keep"));
    // Each word counts: "my" begins the name of "My notes" only.
    EXPECT_THAT(names(finder.find("note my").items), ElementsAre("My notes"));
}

TEST(FindRanking, TheResultHoldsTheBestUpToItsLimitAndCountsThemAll) {
    Outline outline;
    for (int i = 0; i < 30; ++i)
        add(outline, nullptr, ItemType::Url, "Link " + std::to_string(i), "https://example.org/" + std::to_string(i));
    add(outline, nullptr, ItemType::Url, "Example", "https://example.org");
    const Finder finder(outline);
    const FindResult result = finder.find("example", {5, false});
    EXPECT_EQ(result.total, 31u);
    EXPECT_THAT(names(result.items), ElementsAre("Example", "Link 0", "Link 1", "Link 2", "Link 3"));
}

TEST(FindRanking, CollapsedAndHiddenItemsAreFoundAndAChangeIsFoundAtOnce) {
    Collection c;
    c.outline.setExpanded(c.work, false);
    c.outline.setVisible(c.tools, false);
    c.outline.setVisible(c.compiler, false);
    const Finder finder(c.outline);
    EXPECT_THAT(names(finder.find("godbolt").items), ElementsAre("Compiler Explorer"));
    c.editor->data.Note = "godbolt too";
    c.outline.recordChanged(c.editor);
    Node* added = add(c.outline, c.tools, ItemType::Url, "Godbolt mirror", "https://mirror.example");
    EXPECT_THAT(finder.find("godbolt").items, ElementsAre(added, c.compiler, c.editor));
}

TEST(FindRanking, EditsMovesAndManyChangesAtOnceAreFoundAtTheNextFind) {
    Collection c;
    const Finder finder(c.outline);
    EXPECT_THAT(finder.find("kestrel").items, IsEmpty());
    c.shopping->data.Keyword1 = "Kestrel"; // one record changed
    c.outline.recordChanged(c.shopping);
    EXPECT_THAT(finder.find("tag:kestrel").items, ElementsAre(c.shopping));
    c.outline.moveNode(c.shopping, c.work, AttachMode::Before); // document order changed
    c.cafe->data.Note = "kestrel";
    c.outline.recordChanged(c.cafe);
    EXPECT_THAT(finder.find("kestrel").items, ElementsAre(c.shopping, c.cafe));
    std::vector<Node*> all;
    c.outline.forEach([&](Node* n) { all.push_back(n); });
    for (int round = 0; round < 20; ++round) // more changes than are worth folding one by one
        for (Node* n : all) {
            n->data.Contact = "Kestrel " + std::to_string(round);
            c.outline.recordChanged(n);
        }
    EXPECT_EQ(finder.find("kestrel 19").total, all.size());
    EXPECT_EQ(finder.find("kestrel 18").total, 0u);
}

struct RecentLaunches : LaunchFixture {
    Node* one = add(outline, nullptr, ItemType::Url, "Radio One", "https://one.example");
    Node* two = add(outline, nullptr, ItemType::Url, "Radio Two", "https://two.example");
    Node* three = add(outline, nullptr, ItemType::Url, "Radio Three", "https://three.example");
    Finder finder{outline, DateOrder::DayMonthYear};

    std::vector<Node*> recentFirst() { return finder.find("radio", {10, true}).items; }
};

TEST_F(RecentLaunches, TheMostRecentlyLaunchedComesFirstAmongEquals) {
    three->data.AccessInfo = "Last visited: [30.11.2026] [09:00]";
    EXPECT_THAT(recentFirst(), ElementsAre(three, one, two));
    EXPECT_THAT(finder.find("radio").items, ElementsAre(one, two, three)) << "the find bar keeps document order";

    launchFoundItem(launcher, finder, two); // stamped 08.12.2026 01:13 by the stopped clock
    EXPECT_EQ(std::string_view(two->data.AccessInfo), "Last visited: [08.12.2026] [01:13]");
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(shell.requests[0].file, "IEXPLORE.EXE");
    EXPECT_EQ(shell.requests[0].parameters, " -new https://two.example");
    EXPECT_THAT(recentFirst(), ElementsAre(two, three, one));

    launchFoundItem(launcher, finder, one); // the same minute: the later launch first
    EXPECT_THAT(recentFirst(), ElementsAre(one, two, three));
    // A better rank still wins over a recent launch.
    EXPECT_THAT(finder.find("radio three", {10, true}).items, ElementsAre(three));
}

TEST_F(RecentLaunches, AResultIsNoLongerCurrentOnceAnItemLeavesTheOutline) {
    launchFoundItem(launcher, finder, two);
    const FindResult before = finder.find("radio", {10, true});
    EXPECT_TRUE(finder.isCurrent(before));
    outline.deleteNode(two);
    EXPECT_FALSE(finder.isCurrent(before));
    Node* again = add(outline, nullptr, ItemType::Url, "Radio Again", "https://again.example");
    EXPECT_THAT(recentFirst(), ElementsAre(one, three, again)) << "the removed item's launch is forgotten";
    outline.clear();
    EXPECT_THAT(recentFirst(), IsEmpty());
}

TEST(FoundItems, ShowingAnItemShowsItsHiddenAndCollapsedBranchAndSelectsItAlone) {
    Collection c;
    c.outline.setExpanded(c.work, false);
    c.outline.setExpanded(c.tools, false);
    c.outline.setVisible(c.tools, false); // as a level view hides it
    c.outline.setVisible(c.wiki, false);
    c.outline.setSelected(c.anna, true);
    focusFoundItem(c.outline, c.wiki);
    EXPECT_TRUE(c.outline.isDisplayed(c.wiki));
    EXPECT_EQ(c.outline.focused(), c.wiki);
    EXPECT_THAT(c.outline.selectedNodes(), ElementsAre(c.wiki));
    EXPECT_EQ(groupPath(c.outline, c.wiki), "Work \u203A Tools");
    EXPECT_EQ(groupPath(c.outline, c.cafe), "");
}

TEST(FoldedText, LowerCaseWithoutAccentsInUtf8AndWindows1252) {
    const std::pair<std::string, std::string> cases[] = {
        {"Z\xC3\xBCrich", "zurich"},
        {"Z\xFCrich", "zurich"}, // UTF-8, Windows-1252
        {"STRA\xC3\x9F"
         "E",
         "strasse"},
        {"\xC5\x92uvre \xC3\x86on", "oeuvre aeon"},
        {"Ze\xCC\x81nith", "zenith"}, // a decomposed accent
        {"\x8A"
         "koda",
         "skoda"}, // Windows-1252 0x8A is "Š"
        {"\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0", "\xD0\xBC\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0"},
        {"\xE2\x82\xAC 5", "\xE2\x82\xAC 5"}, // other characters stay
    };
    for (const auto& [stored, folded] : cases)
        EXPECT_EQ(foldedText(stored), folded) << stored;
}

TEST(FoldedText, FindsWordsBeforeAndAfterAccentsInLongTexts) {
    const std::string prefix = "A long prefix, longer than one block: ";
    const struct {
        std::string text;
        const char* word;
        bool found, atStart, atWordStart;
    } cases[] = {
        {prefix + "Z\xC3\xBCrich", "zurich", true, false, true},
        {prefix + "Z\xFCrich", "zurich", true, false, true},      // Windows-1252
        {"Z\xC3\xBCrich " + prefix, "prefix", true, false, true}, // after an accent
        {prefix + "M\xC3\xBCnchen", "block", true, false, true},  // before one
        {prefix + "ending", "nding", true, false, false},
        {prefix + "ending", "ENDING", false, false, false}, // needles are folded first
        {prefix + "LONGER", "longer", true, false, true},
        {prefix, "a long", true, true, true},
        {prefix, "prefix,x", false, false, false},
        {std::string(100, 'a') + "b", "aab", true, false, false},
    };
    std::string scratch;
    for (const auto& c : cases) {
        const FoldedHit hit = findFolded(c.text, c.word, scratch);
        EXPECT_EQ(hit.found, c.found) << c.text << " / " << c.word;
        EXPECT_EQ(hit.atStart, c.atStart) << c.text << " / " << c.word;
        EXPECT_EQ(hit.atWordStart, c.atWordStart) << c.text << " / " << c.word;
        EXPECT_EQ(containsFolded(c.text, c.word, scratch), c.found) << c.text << " / " << c.word;
    }
}

} // namespace
