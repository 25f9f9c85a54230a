#include "FoundItems.h"

#include "collection/DisplayText.h"
#include "editing/Selection.h"

#include <vector>

std::string groupPath(const Outline& outline, const Node* item) {
    std::vector<const Node*> groups;
    for (const Node* a = outline.parentOf(item); a; a = outline.parentOf(a))
        groups.push_back(a);
    std::string path;
    for (auto g = groups.rbegin(); g != groups.rend(); ++g) {
        if (!path.empty())
            path += " \u203A ";
        path += displayText(std::string_view((*g)->data.Name));
    }
    return path;
}

void focusFoundItem(Outline& outline, Node* item) {
    if (!item)
        return;
    for (Node* n = item; n; n = outline.parentOf(n))
        if (!n->isVisible())
            outline.setVisible(n, true);
    for (Node* a = outline.parentOf(item); a; a = outline.parentOf(a))
        if (!a->isExpanded())
            outline.setExpanded(a, true);
    selectOnly(outline, item);
    outline.setFocused(item);
}

void launchFoundItem(Launcher& launcher, Finder& finder, Node* item) {
    if (!item)
        return;
    launcher.LaunchItem(finder.outline(), item, LaunchMode::NewBrowserWindow);
    finder.launched(item);
}
