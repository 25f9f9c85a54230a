#include "BookmarkExport.h"

#include "collection/DisplayText.h"
#include "collection/FileIO.h"
#include "collection/ItemType.h"
#include "exchange/CountText.h"
#include "collection/NodeStream.h"
#include "exchange/HtmlBookmarks.h"

#include <algorithm>
#include <cctype>

namespace {

// Letters, digits and "+-." before a colon, at least two of them (so "C:\" is a path, not a scheme).
bool hasScheme(std::string_view address) {
    const auto colon = address.find(':');
    return colon != std::string_view::npos && colon >= 2 &&
           std::all_of(address.begin(), address.begin() + static_cast<std::ptrdiff_t>(colon), [](char c) {
               return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
           });
}

std::string percentEncoded(std::string_view text, std::string_view keep) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if (std::isalnum(c) || c == '-' || c == '_' || c == '.' || c == '~' || keep.find(static_cast<char>(c)) != std::string_view::npos) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

std::string fileAddress(std::string_view pathOrAddress) {
    if (hasScheme(pathOrAddress))
        return std::string(pathOrAddress);
    return "file://" + percentEncoded(displayText(pathOrAddress), "/");
}

std::vector<ItemText> tagsOf(const LinkItem& item) {
    std::vector<ItemText> tags;
    for (const std::string_view k : {std::string_view(item.Keyword1), std::string_view(item.Keyword2),
                                     std::string_view(item.Keyword3), std::string_view(item.Keyword4)})
        if (!k.empty())
            tags.push_back(displayText(k));
    // The fifth keyword may hold several tags joined by commas.
    const std::string rest = displayText(std::string_view(item.Keyword5));
    std::size_t start = 0;
    while (start < rest.size()) {
        std::size_t comma = rest.find(',', start);
        if (comma == std::string::npos)
            comma = rest.size();
        std::string_view tag(rest.data() + start, comma - start);
        while (!tag.empty() && tag.front() == ' ')
            tag.remove_prefix(1);
        while (!tag.empty() && tag.back() == ' ')
            tag.remove_suffix(1);
        if (!tag.empty())
            tags.emplace_back(tag);
        start = comma + 1;
    }
    return tags;
}

} // namespace

std::string bookmarkAddress(const LinkItem& item) {
    const std::string_view url(item.URL);
    switch (item.ItemType) {
    case ItemType::Url:
        return displayText(url);
    case ItemType::GoogleSearch: {
        const std::string_view phrase(item.Name);
        if (phrase.empty())
            return {};
        std::string query = percentEncoded(displayText(phrase), " ");
        std::replace(query.begin(), query.end(), ' ', '+');
        return "https://www.google.com/search?q=" + query;
    }
    case ItemType::SavedPage:
    case ItemType::Folder:
    case ItemType::File:
    case ItemType::Application:
        return url.empty() ? std::string() : fileAddress(url);
    case ItemType::Email:
        if (url.empty())
            return {};
        return url.starts_with("mailto:") ? displayText(url) : "mailto:" + displayText(url);
    default:
        return {};
    }
}

CollectedBookmarks collectBookmarks(const Outline& tree, bool selectedOnly) {
    CollectedBookmarks out;
    std::vector<Node*> tops = selectedOnly ? tree.reducedSelection() : tree.root()->children();
    // Depth-first with the next node on top; each entry carries the depth it is written at.
    std::vector<std::pair<const Node*, int>> pending;
    for (auto it = tops.rbegin(); it != tops.rend(); ++it)
        pending.emplace_back(*it, 0);
    while (!pending.empty()) {
        const auto [node, depth] = pending.back();
        pending.pop_back();
        const LinkItem& item = node->data;
        int childDepth = depth;
        if (item.ItemType == ItemType::Group) {
            Bookmark folder;
            folder.kind = Bookmark::Kind::Folder;
            folder.depth = depth;
            folder.title = displayText(std::string_view(item.Name));
            folder.description = displayText(std::string_view(item.Note));
            out.tree.items.push_back(std::move(folder));
            ++out.folders;
            childDepth = depth + 1;
        } else if (std::string address = bookmarkAddress(item); !address.empty()) {
            Bookmark link;
            link.depth = depth;
            link.title = displayText(std::string_view(item.Name));
            link.url = std::move(address);
            link.description = displayText(std::string_view(item.Note));
            link.tags = tagsOf(item);
            out.tree.items.push_back(std::move(link));
            ++out.links;
        } else {
            ++out.leftOut;
        }
        const auto& children = node->children();
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            pending.emplace_back(*it, childDepth);
    }
    return out;
}

std::string exportSummaryText(const CollectedBookmarks& c) {
    std::string text = "Exported " + groupedCount(c.links) + (c.links == 1 ? " bookmark" : " bookmarks") + " in " +
                       groupedCount(c.folders) + (c.folders == 1 ? " folder" : " folders");
    if (c.leftOut)
        text += "; " + groupedCount(c.leftOut) + (c.leftOut == 1 ? " item" : " items") + " without a web address left out";
    return text + ".";
}

void writeBookmarkFile(const std::string& path, const std::string& html) {
    writeFileSafely(path, std::span(reinterpret_cast<const std::uint8_t*>(html.data()), html.size()));
}

std::string exportCollectionFile(const std::string& collectionPath, const std::string& htmlPath) {
    try {
        const FileBytes bytes = readWholeFile(collectionPath);
        Outline tree;
        readOutline(tree, bytes);
        writeBookmarkFile(htmlPath, writeHtmlBookmarks(collectBookmarks(tree, false).tree));
        return {};
    } catch (const StreamError& e) {
        return "The collection \"" + collectionPath + "\" cannot be read: " + e.what();
    } catch (const std::exception& e) {
        return e.what();
    }
}
