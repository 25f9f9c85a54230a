#include "HotKeyCommands.h"

#include <vector>

std::string hotKeyTakenWarning(std::string_view displayText) {
    std::string warning(displayText);
    warning += " is already used\rand therefore couldn't be assigned to a hotkey.";
    return warning;
}

void AddLinksHotKeys(HotKeyService& hotKeys, const Outline& outline) {
    outline.forEach([&](const Node* item) { AddLinkHotKey(hotKeys, item); });
}

void AddLinkHotKey(HotKeyService& hotKeys, const Node* item) {
    if (item->data.HotKey.empty())
        return;
    if (const HotKeyValue value = hotKeys.parse(item->data.HotKey))
        AddHotKey(hotKeys, value);
}

void AddHotKey(HotKeyService& hotKeys, HotKeyValue value) {
    hotKeys.registerHotKey(value);
}

bool AddHotKey2(HotKeyService& hotKeys, Dialogs& dialogs, HotKeyValue value) {
    if (hotKeys.registerHotKey(value) != 0)
        return true;
    if (!hotKeys.available()) {
        if (hotKeys.takeUnavailableNotice())
            dialogs.showWarning(kNoGlobalHotKeys);
        return false;
    }
    dialogs.showWarning(hotKeyTakenWarning(hotKeys.text(value)));
    return false;
}

bool itemsCarryHotKey(const Outline& outline, std::string_view displayText) {
    for (const Node* n = outline.first(); n; n = outline.next(n))
        if (std::string_view(n->data.HotKey) == displayText)
            return true;
    return false;
}

void HotKeyManager1HotKeyPressed(Launcher& launcher, Outline& outline, const HotKeyService& hotKeys,
                                 HotKeyValue value) {
    const std::string text = hotKeys.text(value);
    // The items are gathered before any is launched: a launch may show a message box, which runs
    // other events while it is open, and the walk should not run across them.
    std::vector<Node*> items;
    outline.forEach([&](Node* item) {
        if (item->data.HotKey == text)
            items.push_back(item);
    });
    for (Node* item : items)
        launcher.BrowseNodeURL(outline, item, LaunchMode::NewBrowserWindow);
}
