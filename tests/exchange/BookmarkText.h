// A bookmark tree as lines of text, so that a test compares a whole tree at once: "+" a folder,
// "-" a link, two spaces per level, then the title, the address, the tags and the description.
#pragma once

#include "exchange/BookmarkTree.h"

#include <string>
#include <vector>

inline std::vector<std::string> treeLines(const BookmarkTree& tree) {
    std::vector<std::string> lines;
    for (const Bookmark& b : tree.items) {
        std::string line(static_cast<std::size_t>(b.depth) * 2, ' ');
        line += b.kind == Bookmark::Kind::Folder ? "+ " : "- ";
        line += b.title;
        if (!b.url.empty())
            line += (b.title.empty() ? "<" : " <") + b.url + ">";
        for (std::size_t i = 0; i < b.tags.size(); ++i)
            line += (i ? "," : " [") + b.tags[i] + (i + 1 == b.tags.size() ? "]" : "");
        if (!b.description.empty())
            line += " {" + b.description + "}";
        lines.push_back(line);
    }
    return lines;
}
