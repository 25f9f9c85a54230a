// Shortcut texts of the command map ("Ctrl+Enter", "Ctrl+Shift+Alt+G", "Esc") as Qt key sequences.
#pragma once

#include <QKeySequence>
#include <QList>

#include <string>

// Enter is the main Enter key and the keypad's; an empty text gives no sequence.
QList<QKeySequence> keySequencesFor(const std::string& shortcut);
