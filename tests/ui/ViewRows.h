// What a tree view shows against what its outline says is displayed, as lines: indentation, name,
// "+" on a branch that shows its children, "*" on the focused row.
#pragma once

#include "ui/OutlineModel.h"
#include "ui/OutlineView.h"

#include <algorithm>
#include <string>
#include <vector>

inline std::string rowLine(const Outline& outline, const Node* node, bool open, bool focused) {
    std::string flags = std::string(open ? "+" : "") + (focused ? "*" : "");
    return std::string(2 * static_cast<std::size_t>(outline.level(node)), ' ') + node->data.Name +
           (flags.empty() ? "" : " " + flags);
}

// The rows the outline says are displayed.
inline std::vector<std::string> displayedRows(const Outline& outline) {
    std::vector<std::string> lines;
    outline.forEach([&](Node* n) {
        if (!outline.isDisplayed(n))
            return;
        const bool open = n->isExpanded() &&
                          std::any_of(n->children().begin(), n->children().end(), [](Node* c) { return c->isVisible(); });
        lines.push_back(rowLine(outline, n, open, outline.focused() == n));
    });
    return lines;
}

// The rows the view lays out, read from the view alone. (The view holds no selection: it paints
// the outline's.)
inline std::vector<std::string> viewRows(const OutlineView& view) {
    const OutlineModel& model = view.outlineModel();
    QModelIndex index;
    for (int row = 0; row < model.rowCount() && !index.isValid(); ++row)
        if (!view.isRowHidden(row, {}))
            index = model.index(row, 0);
    std::vector<std::string> lines;
    for (; index.isValid(); index = view.indexBelow(index))
        lines.push_back(rowLine(model.outline(), model.nodeAt(index), view.isExpanded(index), view.currentIndex() == index));
    return lines;
}
