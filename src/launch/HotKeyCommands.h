// The main window's hot key rules: registering the items' combinations at start-up and from the
// properties dialog's "Assign", and launching the items a press names. The item field HotKey holds
// the display text of a combination; that text is the only link between a registration and the
// items, so a press launches whatever items carry its text at that moment.
#pragma once

#include "collection/Outline.h"
#include "launch/HotKeyValue.h"
#include "launch/Launcher.h"
#include "platform/Dialogs.h"
#include "platform/HotKeyService.h"

#include <string>
#include <string_view>

// The warning for a combination that cannot be registered, named by its display text.
std::string hotKeyTakenWarning(std::string_view displayText);

// Registers the hot key of every item of the outline in document order, collapsed branches included.
// Empty and unparsable texts are skipped, refused combinations are skipped without a word.
void AddLinksHotKeys(HotKeyService& hotKeys, const Outline& outline);
// The same for one item.
void AddLinkHotKey(HotKeyService& hotKeys, const Node* item);

// Registers one combination; the answer is not examined.
void AddHotKey(HotKeyService& hotKeys, HotKeyValue value);

// Shown once where the desktop offers no global hot keys at all.
inline constexpr const char* kNoGlobalHotKeys =
    "Global hot keys are not available on this desktop.\rThe key is kept with the item and works where "
    "the desktop offers global hot keys.";

// Registers one combination and, when it is refused, warns with hotKeyTakenWarning (or, where the
// desktop has no global hot keys, with kNoGlobalHotKeys the first time). False when refused.
bool AddHotKey2(HotKeyService& hotKeys, Dialogs& dialogs, HotKeyValue value);

// Whether any item of the outline carries the display text of a combination in its HotKey field.
bool itemsCarryHotKey(const Outline& outline, std::string_view displayText);

// A press of a registered combination: launches, in document order and in mode 0, every item whose
// HotKey equals the combination's display text exactly; nothing when no item carries it any more.
void HotKeyManager1HotKeyPressed(Launcher& launcher, Outline& outline, const HotKeyService& hotKeys, HotKeyValue value);
