#include "panels/TagsPanel.h"

#include "support/TestOutlines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// Beta (URL), alpha (Folder) with the child Bravo, then a second Beta below Bravo.
struct TagsFixture : ::testing::Test {
    Outline links, marks;
    TagSort sort;
    Node* beta = addNamed(links, nullptr, "Beta");
    Node* alpha = addNamed(links, nullptr, "alpha");
    Node* bravo = addNamed(links, alpha, "Bravo");
    Node* secondBeta = addNamed(links, bravo, "Beta");

    TagsFixture() {
        beta->data.ItemType = 1;
        alpha->data.ItemType = 2;
    }
    std::vector<std::string> entries() const { return shape(marks); }
    void select(int row) { marks.setSelected(marks.root()->child(row), true); }
};

TEST_F(TagsFixture, GroupViewListsTopLevelItemsInDocumentOrderAndFocusesTheFirst) {
    GetBookmarks(links, marks, sort);
    EXPECT_THAT(entries(), ElementsAre("Beta", "alpha"));
    EXPECT_EQ(marks.root()->child(0)->data.ItemType, 1);
    EXPECT_EQ(marks.root()->child(1)->data.ItemType, 2);
    EXPECT_EQ(marks.root()->child(0)->data.URL, "");
    EXPECT_EQ(marks.focused(), marks.root()->child(0));
    EXPECT_EQ(sort.column, 0);
    EXPECT_TRUE(sort.ascending);
}

TEST_F(TagsFixture, LetterViewsMatchTheUpperCaseLetterAtEveryLevel) {
    struct Case {
        char letter;
        std::vector<std::string> expected;
    };
    for (const Case& c : {Case{'B', {"Beta", "Bravo", "Beta"}}, Case{'b', {"Beta", "Bravo", "Beta"}},
                          Case{'A', {}}, Case{'Z', {}}}) {
        GetLetterBookmarks(links, marks, c.letter, sort);
        EXPECT_EQ(entries(), c.expected) << c.letter;
        EXPECT_EQ(marks.focused(), nullptr) << c.letter;
    }
}

TEST_F(TagsFixture, EmptyNamesNeverMatchAndAnEmptyOutlineGivesAnEmptyList) {
    addNamed(links, nullptr, "");
    GetLetterBookmarks(links, marks, 'B', sort);
    EXPECT_THAT(entries(), ElementsAre("Beta", "Bravo", "Beta"));

    Outline empty;
    GetBookmarks(empty, marks, sort);
    EXPECT_THAT(entries(), IsEmpty());
    EXPECT_EQ(marks.focused(), nullptr);
}

TEST_F(TagsFixture, HeaderClicksFlipTheShownDirectionAndOtherColumnsClearIt) {
    MarksTreeHeaderClick(sort, 0);
    EXPECT_EQ(sort.column, 0);
    EXPECT_TRUE(sort.ascending);
    MarksTreeHeaderClick(sort, 0);
    EXPECT_FALSE(sort.ascending);
    MarksTreeHeaderClick(sort, 0);
    EXPECT_TRUE(sort.ascending);
    MarksTreeHeaderClick(sort, 1);
    EXPECT_EQ(sort.column, TagSort::kNoColumn);
    MarksTreeHeaderClick(sort, 0);  // a fresh start after the column was cleared
    EXPECT_TRUE(sort.ascending);
}

TEST_F(TagsFixture, JumpsGoToTheFirstItemOfTheSameNameInDocumentOrder) {
    GetLetterBookmarks(links, marks, 'B', sort);
    select(2);  // the second Beta's entry still leads to the first Beta
    EXPECT_EQ(TagTarget(marks, links), beta);
    marks.clearSelection();
    select(1);
    EXPECT_EQ(TagTarget(marks, links), bravo);
}

TEST_F(TagsFixture, NoJumpWithOneEntryNoSelectionOrAVanishedName) {
    GetLetterBookmarks(links, marks, 'B', sort);
    EXPECT_EQ(TagTarget(marks, links), nullptr) << "nothing selected";

    select(1);
    bravo->data.Name = "Renamed";
    EXPECT_EQ(TagTarget(marks, links), nullptr) << "the name is gone";

    Outline single;
    addNamed(single, nullptr, "Only");
    GetBookmarks(single, marks, sort);
    select(0);
    EXPECT_EQ(TagTarget(marks, single), nullptr) << "one entry";
}

TEST_F(TagsFixture, TheListKeepsTheOldEntriesUntilRebuiltAndJumpsIntoTheOutlineNowOpen) {
    GetBookmarks(links, marks, sort);
    Outline other;
    addNamed(other, nullptr, "Gamma");
    Node* otherAlpha = addNamed(other, nullptr, "alpha");
    EXPECT_THAT(entries(), ElementsAre("Beta", "alpha"));
    select(1);
    EXPECT_EQ(TagTarget(marks, other), otherAlpha);
    GetBookmarks(other, marks, sort);
    EXPECT_THAT(entries(), ElementsAre("Gamma", "alpha"));
}

}  // namespace
