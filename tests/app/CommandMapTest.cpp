#include "app/CommandMap.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

std::map<std::string, std::string> shortcutsByPath() {
    std::map<std::string, std::string> result;
    auto shortcuts = resolvedShortcuts();
    auto entries = commandMap();
    for (std::size_t i = 0; i < entries.size(); ++i)
        result[entryPath(entries[i])] = shortcuts[i];
    return result;
}

TEST(CommandMap, TheKeyReachesTheFirstEntryInMenuOrder) {
    const auto byPath = shortcutsByPath();
    const std::pair<const char*, const char*> expected[] = {
        {"Item/Save Note", "F3"},                          // designed; comes before "Actions"
        {"Actions/Go/Browse Next Internaly", ""},          // given F3 at creation, but later in menu order
        {"Item/Show Item Info", "Ctrl+Enter"},
        {"View/Bookmarks/GHI JKL MNO/N", "Ctrl+Shift+N"},
        {"View/Bookmarks/ABC DEF/A", "Ctrl+Shift+A"},
        {"Item/Set Item Type/Group Folder", "Ctrl+Alt+1"},
        {"Item/Set Item Type/Print Job", "Ctrl+Alt+0"},
        {"Item/Set Item Type/Warning", ""},
        {"Item/Set Item Type/AutoFill", ""},
        {"Item/Move Items/Left", "Alt+Left"},
        {"Item/Show Levels/Level 9", "Ctrl+9"},
        {"Item/Show Levels/All Levels", "Ctrl+0"},
        {"Item/Show Sub-Items/1 Level Only", "Ctrl+J"},
        {"Actions/Launch Set/Set #3", "Ctrl+Shift+3"},
        {"Format/Block/Paragraph", "Ctrl+Shift+Alt+P"},
        {"Format/Style/Bold", "Ctrl+B"},
        {"Service/Google Search", "Ctrl+Shift+Alt+G"},
        {"Item/Set Item Type/Google Search", "Ctrl+Alt+6"},
        {"View/Use Embedded Browser", "F12"},
        {"View/Escape Command", "Esc"},
        {"Help/Show Next Tip", "Alt+F1"},
        {"File/Quit", "Ctrl+Q"},
        {"File/Open", "Ctrl+O"},
        {"Edit/Delete Items", "Ctrl+D"},
        {"Actions/Go/Browse In Default Browser", "Shift+F9"},
    };
    for (auto [path, shortcut] : expected) {
        ASSERT_TRUE(byPath.count(path)) << path;
        EXPECT_EQ(byPath.at(path), shortcut) << path;
    }
}

TEST(CommandMap, NoKeyIsGivenTwiceAndEveryEntrySitsInAMenuListedBeforeIt) {
    std::set<std::string> keys, menus{""};
    auto shortcuts = resolvedShortcuts();
    auto entries = commandMap();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_TRUE(menus.count(std::string(entries[i].menu))) << entryPath(entries[i]);
        if (entries[i].kind == CommandEntry::Submenu)
            menus.insert(entryPath(entries[i]));
        if (!shortcuts[i].empty()) {
            EXPECT_TRUE(keys.insert(shortcuts[i]).second) << shortcuts[i];
        }
    }
}

TEST(CommandMap, RunTimeShortcutsNameExistingHandlers) {
    std::set<std::string_view> handlers;
    for (const CommandEntry& e : commandMap())
        handlers.insert(e.handler);
    for (auto table : {runtimeShortcuts(), lateShortcuts()})
        for (const RuntimeShortcut& r : table)
            EXPECT_TRUE(handlers.count(r.handler)) << r.handler;
}

} // namespace
