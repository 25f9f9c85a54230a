// The command map: every menu entry of the main window as data. The menus are built from this table
// and each entry's handler is bound by name, so one test can walk the whole map.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

struct CommandEntry {
    enum Kind { Action, Submenu, Separator };
    std::string_view menu;      // path of the menu holding the entry: "Item/Show Levels"
    std::string_view caption;
    std::string_view handler;   // TForm1 member bound to the entry; empty for inert entries and submenus
    std::string_view shortcut;  // the shortcut the window is designed with, as "Ctrl+Shift+F5"
    bool visible = true;
    Kind kind = Action;
    bool checkable = false;
};

// Every entry in menu order: menu bar from left to right, each menu from top to bottom, submenus
// depth first (a submenu's entries follow the submenu entry itself).
std::span<const CommandEntry> commandMap();

// A shortcut given to menu entries when the window is created, on top of the designed ones.
struct RuntimeShortcut {
    std::string_view handler;
    std::string_view shortcut;
};

// Assigned at creation: they add to and replace the designed shortcuts.
std::span<const RuntimeShortcut> runtimeShortcuts();
// Assigned again at the end of the window's creation.
std::span<const RuntimeShortcut> lateShortcuts();

// The shortcut each entry finally receives (parallel to commandMap()): designed shortcuts, replaced
// by the run-time ones; where two entries carry the same key, only the first in menu order keeps it.
std::vector<std::string> resolvedShortcuts();

// The name of the undo step a handler's command makes, as "Undo" and "Redo" show it: the caption of
// the first entry bound to it ("Delete Items", "Move Items Up", "Set Item Type"); empty when none is.
std::string undoStepName(std::string_view handler);

// The full menu path of an entry: "Item/Show Levels/Level 1".
std::string entryPath(const CommandEntry& entry);
