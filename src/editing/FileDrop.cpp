#include "FileDrop.h"

#include "CreateNewLink.h"

std::vector<Node*> FilesDropped(Outline& linksTree, const std::vector<std::string>& paths) {
    Node* parent = linksTree.focused();
    std::vector<Node*> added;
    for (const std::string& path : paths)
        if (!path.empty())
            added.push_back(CreateNewLink(linksTree, TreeKind::Links, parent, path, path));
    if (parent)
        linksTree.recordChanged(parent);
    return added;
}
