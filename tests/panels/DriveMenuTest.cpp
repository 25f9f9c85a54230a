#include "panels/DriveMenu.h"

#include "fakes/RecordingDrives.h"
#include "panels/TempFolder.h"
#include "support/TestOutlines.h"

#include <gmock/gmock.h>
#include <deque>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

// What the menu shows of an entry: "-label" for separators, captions with their image, "~" for a
// disabled entry.
std::vector<std::string> shown(const MenuEntry& entry) {
    std::vector<std::string> lines;
    for (const MenuEntry* e : ShownEntries(entry)) {
        if (e->isSeparator())
            lines.push_back("-" + e->hint);
        else
            lines.push_back((e->enabled ? "" : "~") + e->caption + (e->image >= 0 ? " " + std::to_string(e->image) : ""));
    }
    return lines;
}

MenuEntry& childCaptioned(MenuEntry& entry, const std::string& caption) {
    for (auto& child : entry.children)
        if (child->caption == caption)
            return *child;
    throw std::runtime_error("no entry " + caption);
}

struct DriveMenuTest : TempFolder {
    RecordingDrives drives;
    MenuEntry menu;  // "Get Local File Link"
    std::deque<MenuEntry> otherMenus;

    // A drive entry for a folder of the temporary tree, in a menu of its own.
    MenuEntry& driveAt(const std::string& relative, DriveType type) {
        drives.answer = {{root.string() + "/" + relative, type, {}}};
        FillDriveMenu(otherMenus.emplace_back(), drives);
        return *otherMenus.back().children.back();
    }
};

TEST_F(DriveMenuTest, DrivesAreGroupedByTypeAndTheFirstCaptionIsReducedAway) {
    drives.answer = {{"/media/usb", DriveType::Removable, ""},
                     {"/", DriveType::Fixed, "Data"},
                     {"/home", DriveType::Fixed, ""},
                     {"/mnt/share", DriveType::Network, ""},
                     {"/media/cdrom", DriveType::CD, ""},
                     {"/media/odd", DriveType::Other, ""}};
    FillDriveMenu(menu, drives);

    EXPECT_EQ(menu.children.front()->hint, "Removable Media");
    EXPECT_THAT(shown(menu), ElementsAre("Drive  (/media/usb) 0", "-Hard Disk(s)", "Data (/) 1", " (/home) 1",
                                         "-Remote drive(s)", "Remote Drive  (/mnt/share) 1", "-CD Drive(s)",
                                         "CD Drive  (/media/cdrom) 2", "-Other", "/media/odd"));
    struct Expected {
        std::string caption, hint;
        int tag;
    };
    for (const Expected& e : {Expected{"Drive  (/media/usb)", "/media/usb/", MenuEntry::kReadEveryTime},
                              Expected{"Data (/)", "/", MenuEntry::kNotRead},
                              Expected{"Remote Drive  (/mnt/share)", "/mnt/share/", MenuEntry::kReadEveryTime},
                              Expected{"CD Drive  (/media/cdrom)", "/media/cdrom/", MenuEntry::kReadEveryTime}}) {
        MenuEntry& drive = childCaptioned(menu, e.caption);
        EXPECT_EQ(drive.hint, e.hint);
        EXPECT_EQ(drive.tag, e.tag) << e.caption;
        EXPECT_THAT(shown(drive), ElementsAre("~(Folder empty)"));
    }

    FillDriveMenu(menu, drives);  // filled once only
    EXPECT_EQ(drives.asked, 1);
}

TEST_F(DriveMenuTest, AFolderShowsFoldersThenASeparatorThenFilesWithoutHiddenOnes) {
    dir("disk/photos");
    dir("disk/.cache");
    file("disk/readme.TxT");
    file("disk/.profile");
    MenuEntry& disk = driveAt("disk", DriveType::Fixed);

    EXPECT_EQ(PopuplateDirectory(disk), "");
    EXPECT_THAT(shown(disk), ElementsAre("photos 3", "-", "readme.TxT 6"));
    EXPECT_EQ(disk.tag, MenuEntry::kRead);
    MenuEntry& photos = childCaptioned(disk, "photos");
    EXPECT_EQ(photos.hint, folder("disk/photos"));
    EXPECT_EQ(photos.tag, MenuEntry::kNotRead);
    EXPECT_EQ(childCaptioned(disk, "readme.TxT").hint, folder("disk") + "readme.TxT");
    EXPECT_FALSE(childCaptioned(disk, "readme.TxT").reduceSeparators);
}

TEST_F(DriveMenuTest, AFolderWithFilesOnlyHasNoSeparator) {
    file("disk/a.zip");
    MenuEntry& disk = driveAt("disk", DriveType::Fixed);
    PopuplateDirectory(disk);
    EXPECT_THAT(shown(disk), ElementsAre("a.zip 8"));
}

TEST_F(DriveMenuTest, AFixedFolderIsReadOnceAndARemovableOneAtEveryOpening) {
    file("disk/first.txt");
    MenuEntry& fixed = driveAt("disk", DriveType::Fixed);
    PopuplateDirectory(fixed);
    file("disk/second.txt");
    EXPECT_EQ(PopuplateDirectory(fixed), kBufferUsed);
    EXPECT_THAT(shown(fixed), ElementsAre("first.txt 6"));

    MenuEntry& removable = driveAt("disk", DriveType::Removable);
    std::filesystem::remove(root / "disk/second.txt");
    PopuplateDirectory(removable);
    EXPECT_THAT(shown(removable), ElementsAre("first.txt 6"));
    file("disk/second.txt");
    EXPECT_EQ(PopuplateDirectory(removable), "");
    EXPECT_EQ(shown(removable).size(), 2u);
    std::filesystem::remove_all(root / "disk");  // the medium is taken out
    PopuplateDirectory(removable);
    EXPECT_THAT(shown(removable), ElementsAre("~(Folder empty)"));
    EXPECT_EQ(removable.tag, MenuEntry::kReadEveryTime);
}

TEST_F(DriveMenuTest, AnEmptyOrUnreadableFolderKeepsItsPlaceholderAndIsReadAgain) {
    dir("disk/empty");
    MenuEntry& disk = driveAt("disk", DriveType::Fixed);
    PopuplateDirectory(disk);
    MenuEntry& empty = childCaptioned(disk, "empty");
    EXPECT_EQ(PopuplateDirectory(empty), "");
    EXPECT_THAT(shown(empty), ElementsAre("~(Folder empty)"));
    EXPECT_EQ(empty.tag, MenuEntry::kNotRead);
    file("disk/empty/now.htm");
    EXPECT_EQ(PopuplateDirectory(empty), "");
    EXPECT_THAT(shown(empty), ElementsAre("now.htm 7"));

    MenuEntry& gone = driveAt("vanished", DriveType::Fixed);
    EXPECT_EQ(PopuplateDirectory(gone), "");
    EXPECT_THAT(shown(gone), ElementsAre("~(Folder empty)"));
}

TEST(FileImage, FollowsTheLastExtensionWithoutRegardToCase) {
    struct Case {
        const char* name;
        int image;
    };
    for (const Case& c : {Case{"site.url", 5}, Case{"notes.TxT", 6}, Case{"letter.doc", 6}, Case{"page.HTML", 7},
                          Case{"page.htm", 7}, Case{"a.cab", 8}, Case{"backup.tar.gz", 4}, Case{"run.exe", 9},
                          Case{"go.bat", 9}, Case{"x.com", 9}, Case{"song.mp3", 10}, Case{"list.m3u", 10},
                          Case{"Makefile", 4}, Case{"archive.zip.txt", 6}})
        EXPECT_EQ(FileImage(c.name), c.image) << c.name;
}

TEST(OpenFile, AddsTheFileAsTheLastChildOfTheFocusedItemOrAtTheTopLevel) {
    Outline links;
    Node* group = addNamed(links, nullptr, "Group");
    addNamed(links, group, "Existing");
    MenuEntry file;
    file.hint = "/home/user/notes.txt";

    OpenFile(file, links);
    links.setFocused(group);
    Node* made = OpenFile(file, links);

    EXPECT_THAT(shape(links), ElementsAre("Group", "  Existing", "  /home/user/notes.txt", "/home/user/notes.txt"));
    EXPECT_EQ(made->data.URL, "/home/user/notes.txt");
}

}  // namespace
