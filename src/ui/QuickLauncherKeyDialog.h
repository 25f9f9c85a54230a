// "Service" > "Quick Launcher Key…": asks for the key combination that opens the quick launcher,
// written as the properties dialog shows hot keys ("Ctrl+Alt+Space").
#pragma once

#include <optional>
#include <string>

class QWidget;

namespace QuickLauncherKeyDialog {
// The text the user gave, nullopt when cancelled.
std::optional<std::string> ask(QWidget* parent, const std::string& current);
} // namespace QuickLauncherKeyDialog
