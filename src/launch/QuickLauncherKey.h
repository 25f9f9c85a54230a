// The global hot key that opens the quick launcher: Ctrl+Alt+Space unless the user chose another,
// stored in the preferences as its display text. A key the desktop refuses leaves the program
// working without the launcher.
#pragma once

#include "launch/HotKeyValue.h"
#include "platform/Dialogs.h"
#include "platform/HotKeyService.h"
#include "platform/Preferences.h"

#include <functional>
#include <string>

inline constexpr const char* kQuickLauncherKeyName = "QuickLauncher/Key";
inline constexpr HotKeyValue kDefaultQuickLauncherKey = kHotKeyCtrl | kHotKeyAlt | 0x20; // Ctrl+Alt+Space

// The error for a text that names no key combination.
std::string notAKeyCombination(const std::string& text);
inline constexpr const char* kLauncherKeyNotStored = "The quick launcher key could not be stored in the settings file.";

class QuickLauncherKey {
public:
    // `heldByItems` answers whether items carry a key's display text: such a key stays registered
    // for them when the launcher leaves it.
    using ItemsHoldKey = std::function<bool(const std::string& displayText)>;
    QuickLauncherKey(HotKeyService& hotKeys, Dialogs& dialogs, Preferences& preferences, ItemsHoldKey heldByItems = {})
        : hotKeys_(hotKeys), dialogs_(dialogs), preferences_(preferences), heldByItems_(std::move(heldByItems)) {}

    // Registers the stored key, or the default one. Only a key the user chose is worth a warning when
    // the desktop refuses it; the default one goes quietly.
    void start();
    // "Quick Launcher Key…" with the text the user gave: registers the new key in place of the old
    // one and stores it. A text that names no combination is an error, a refused key a warning; either
    // keeps the old key. True when the new key is in place.
    bool change(const std::string& text);

    HotKeyValue value() const { return value_; }
    std::string text() const { return hotKeys_.text(value_); }
    bool registered() const { return registered_; }
    // Whether a press of a global hot key is the launcher's.
    bool isLauncherPress(HotKeyValue pressed) const { return registered_ && pressed == value_; }

private:
    HotKeyService& hotKeys_;
    Dialogs& dialogs_;
    Preferences& preferences_;
    ItemsHoldKey heldByItems_;
    HotKeyValue value_ = kDefaultQuickLauncherKey;
    bool registered_ = false;
};
