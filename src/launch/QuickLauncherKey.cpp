#include "QuickLauncherKey.h"

#include "launch/HotKeyCommands.h"

std::string notAKeyCombination(const std::string& text) {
    return "\"" + text + "\" is not a key combination.\rWrite one as Ctrl+Alt+Space, Shift+Win+F8 or Alt+Home.";
}

void QuickLauncherKey::start() {
    const std::string stored = preferences_.value(kQuickLauncherKeyName);
    const HotKeyValue chosen = stored.empty() ? 0 : hotKeys_.parse(stored);
    value_ = chosen ? chosen : kDefaultQuickLauncherKey;
    registered_ = hotKeys_.registerHotKey(value_) != 0;
    if (!registered_ && chosen)
        dialogs_.showWarning(hotKeyTakenWarning(hotKeys_.text(value_)));
}

bool QuickLauncherKey::change(const std::string& text) {
    const HotKeyValue wanted = hotKeys_.parse(text);
    if (!wanted) {
        dialogs_.showError(notAKeyCombination(text));
        return false;
    }
    if (wanted != value_ || !registered_) {
        if (hotKeys_.registerHotKey(wanted) == 0) {
            dialogs_.showWarning(hotKeyTakenWarning(hotKeys_.text(wanted)));
            return false;
        }
        if (registered_ && wanted != value_ && !(heldByItems_ && heldByItems_(hotKeys_.text(value_))))
            hotKeys_.unregisterHotKey(value_);
        value_ = wanted;
        registered_ = true;
    }
    if (!preferences_.setValue(kQuickLauncherKeyName, hotKeys_.text(value_)))
        dialogs_.showError(kLauncherKeyNotStored);
    return true;
}
