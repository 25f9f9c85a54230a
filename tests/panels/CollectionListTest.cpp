#include "panels/CollectionList.h"

#include "fakes/RecordingDialogs.h"
#include "panels/TempFolder.h"
#include "support/TestOutlines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

struct CollectionListTest : TempFolder {
    Outline list, links;
    RecordingDialogs dialogs;
};

TEST_F(CollectionListTest, ListsEveryGotoFileOfInfoHiddenOnesIncludedSortedWithoutRegardToCase) {
    file("Info/b.goto");
    file("Info/.hidden.goto");
    file("Info/A.GOTO");
    file("Info/notes.txt");
    file("Info/b.goto.bak");
    TempFolder::dir("Info/folder.goto");
    file("links.goto");

    FillDir(list, folder(), dialogs);

    EXPECT_THAT(shape(list), ElementsAre(".hidden.goto", "A.GOTO", "b.goto"));
    EXPECT_EQ(list.root()->child(2)->data.URL, folder("Info") + "b.goto");
    EXPECT_THAT(dialogs.messages, IsEmpty());
}

TEST_F(CollectionListTest, AMissingInfoFolderGivesAnEmptyListAndAnUnlistableOneTheMessage) {
    FillDir(list, folder(), dialogs);
    EXPECT_TRUE(list.isEmpty());
    EXPECT_THAT(dialogs.messages, IsEmpty());

    file("Info");  // a file where the folder should be
    FillDir(list, folder(), dialogs);
    EXPECT_TRUE(list.isEmpty());
    EXPECT_THAT(dialogs.messages, ElementsAre(std::string("message: ") + kFindFileFailed));
}

TEST_F(CollectionListTest, OpeningAnEntrySavesTheCollectionBeingLeftAndLoadsTheChosenOne) {
    TempFolder::dir("Info");
    Outline other;
    addNamed(other, nullptr, "Other collection");
    Documents(other, folder()).SaveTree(folder("Info") + "other.goto");
    Documents documents(links, folder());
    documents.LoadTree(documents.defaultCollectionPath());
    addNamed(links, nullptr, "Start collection");
    FillDir(list, folder(), dialogs);

    OpenCollectionEntry(list, documents, dialogs);  // nothing focused: nothing happens
    EXPECT_EQ(documents.currentPath(), documents.defaultCollectionPath());

    list.setFocused(list.root()->child(0));
    OpenCollectionEntry(list, documents, dialogs);

    EXPECT_EQ(documents.currentPath(), folder("Info") + "other.goto");
    EXPECT_THAT(shape(links), ElementsAre("Other collection"));
    EXPECT_TRUE(std::filesystem::exists(documents.defaultCollectionPath()));
    Outline reread;
    Documents(reread, folder()).LoadTree(folder() + "links.goto");
    EXPECT_THAT(shape(reread), ElementsAre("Start collection"));
    EXPECT_THAT(dialogs.messages, IsEmpty());
}

}  // namespace
