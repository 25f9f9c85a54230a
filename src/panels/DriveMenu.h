// The drive menu under "Get Local File Link": the mounted file systems grouped by type, whose folders
// are read one level at a time as their submenus open. The entries are a plain tree that the window
// mirrors into its menus; choosing a file entry adds a link to the file under the focused item.
#pragma once

#include "collection/Outline.h"
#include "platform/Drives.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct MenuEntry {
    enum class Kind { Entry, Separator };
    enum class Action { None, PopulateDirectory, OpenFile };
    // Tags: not read yet (read at the next opening), read (its sub-entries are reused), read again
    // at every opening (removable, network and CD drives).
    static constexpr int kNotRead = -1, kRead = 0, kReadEveryTime = -2;

    Kind kind = Kind::Entry;
    std::string caption;
    std::string hint;  // the path: a mount point or folder ending in "/", or a file; a separator's label
    int tag = kNotRead;
    int image = -1;
    bool visible = true;
    bool enabled = true;
    Action action = Action::None;
    bool reduceSeparators = true;  // off for file entries
    std::vector<std::unique_ptr<MenuEntry>> children;

    MenuEntry& add(std::unique_ptr<MenuEntry> child) { return *children.emplace_back(std::move(child)); }
    bool isSeparator() const { return kind == Kind::Separator; }
};

inline constexpr const char* kFolderEmpty = "(Folder empty)";
inline constexpr const char* kBufferUsed = "Buffer used.";

// The image of a file entry, by the last extension of its name compared without regard to case.
int FileImage(std::string_view fileName);

// Fills `entry` with the drives, a labelled separator before each group of one type; does nothing
// when the entry already has sub-entries.
void FillDriveMenu(MenuEntry& entry, const Drives& drives);

// Opening a drive or folder entry. An entry read before is left as it is and the answer is
// kBufferUsed (the window's new title); otherwise the folder is read (a read-every-time entry is
// cleared first) and the answer is empty. A folder that cannot be read keeps its placeholder.
std::string PopuplateDirectory(MenuEntry& entry);

// Choosing a file entry: a new item named and addressed by the file's path, the last child of the
// focused item (at the top level when nothing is focused).
Node* OpenFile(const MenuEntry& entry, Outline& links);

// The sub-entries the menu shows: visible ones, with separator reduction (when the entry asks for
// it) hiding separators at the top, at the bottom and right after another separator.
std::vector<const MenuEntry*> ShownEntries(const MenuEntry& entry);
