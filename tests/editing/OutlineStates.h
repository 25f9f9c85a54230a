// How the view commands' tests read an outline: the rows a view displays, and every item's states.
#pragma once

#include "collection/Outline.h"

#include <string>
#include <vector>

// The displayed items in document order, indented two spaces per level, "+" after an expanded one.
inline std::vector<std::string> displayed(const Outline& outline) {
    std::vector<std::string> lines;
    outline.forEach([&](Node* n) {
        if (outline.isDisplayed(n))
            lines.push_back(std::string(2 * outline.level(n), ' ') + n->data.Name + (n->isExpanded() ? " +" : ""));
    });
    return lines;
}

// Every item in document order with its flags: "+" expanded, "h" hidden, "s" selected, "*" focused.
inline std::vector<std::string> states(const Outline& outline) {
    std::vector<std::string> lines;
    outline.forEach([&](Node* n) {
        std::string flags;
        flags += n->isExpanded() ? "+" : "";
        flags += n->isVisible() ? "" : "h";
        flags += n->isSelected() ? "s" : "";
        flags += outline.focused() == n ? "*" : "";
        lines.push_back(std::string(2 * outline.level(n), ' ') + n->data.Name + (flags.empty() ? "" : " " + flags));
    });
    return lines;
}
