// The outline's own keys, read before the tree's keyboard handling: Ctrl+C, Ctrl+V and Ctrl+X, and
// Enter, Insert and Delete without Ctrl. Every other key, Ctrl+Insert and Ctrl+Delete among them,
// is left to the tree. What each key does is the window's to say.
#pragma once

#include <QKeyEvent>

#include <functional>

struct OutlineKeyActions {
    std::function<void()> copy;     // Ctrl+C
    std::function<void()> paste;    // Ctrl+V
    std::function<void()> cut;      // Ctrl+X
    std::function<void()> launch;   // Enter
    std::function<void()> addNote;  // Insert
    std::function<void()> remove;   // Delete
};

// Runs the action of a key pressed in the outline. True when the key was one of the outline's own
// (and so is used up), even when no action is set for it.
bool runOutlineKey(const OutlineKeyActions& actions, const QKeyEvent& key);

// The caption of what a key does in the outline, for the undo step it makes: "Paste", "Delete Items".
const char* outlineKeyCaption(const QKeyEvent& key);

// Whether the Ctrl key is held with a key press, or is the key pressed.
bool controlHeld(const QKeyEvent& key);
