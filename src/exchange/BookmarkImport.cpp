#include "BookmarkImport.h"

#include "collection/ItemType.h"
#include "exchange/CountText.h"

#include <algorithm>
#include <cctype>
#include <ctime>

namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char p, char t) { return lower(t) == p; });
}

std::string counted(std::size_t n, const char* one, const char* many) { return groupedCount(n) + " " + (n == 1 ? one : many); }

void setKeywords(LinkItem& item, std::vector<ItemText>& tags) {
    if (!tags.empty())
        item.Keyword1 = std::move(tags[0]);
    if (tags.size() > 1)
        item.Keyword2 = std::move(tags[1]);
    if (tags.size() > 2)
        item.Keyword3 = std::move(tags[2]);
    if (tags.size() > 3)
        item.Keyword4 = std::move(tags[3]);
    std::string rest;
    for (std::size_t i = 4; i < tags.size(); ++i) {
        if (!rest.empty())
            rest += ", ";
        rest += tags[i].view();
    }
    item.Keyword5 = rest;
}

} // namespace

std::string importSummaryText(const ImportSummary& s) {
    std::string text = "Imported " + counted(s.bookmarks, "bookmark", "bookmarks") + " in " +
                       counted(s.folders, "folder", "folders");
    std::vector<std::string> leftOut;
    if (s.alreadyThere)
        leftOut.push_back(groupedCount(s.alreadyThere) + " already in the collection");
    if (s.bookmarklets)
        leftOut.push_back(counted(s.bookmarklets, "bookmarklet", "bookmarklets"));
    if (s.withoutAddress)
        leftOut.push_back(groupedCount(s.withoutAddress) + " without an address");
    for (std::size_t i = 0; i < leftOut.size(); ++i)
        text += (i == 0 ? "; " : ", ") + leftOut[i];
    if (s.bookmarklets || s.withoutAddress)
        text += " left out";
    return text + ".";
}

std::string addressKey(std::string_view url) {
    std::string key(url);
    // The scheme: letters, digits, "+", "-" and "." before the first colon.
    const auto colon = key.find(':');
    std::size_t hostEnd = 0;
    if (colon != std::string::npos && colon > 0 &&
        std::all_of(key.begin(), key.begin() + static_cast<std::ptrdiff_t>(colon),
                    [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.'; })) {
        hostEnd = colon;
        if (key.compare(colon + 1, 2, "//") == 0) {
            hostEnd = key.find_first_of("/?#", colon + 3);
            if (hostEnd == std::string::npos)
                hostEnd = key.size();
        }
    }
    std::transform(key.begin(), key.begin() + static_cast<std::ptrdiff_t>(hostEnd), key.begin(), lower);
    if (!key.empty() && key.back() == '/')
        key.pop_back();
    return key;
}

KnownAddresses addressesOf(const Outline& tree) {
    KnownAddresses known;
    tree.forEach([&](const Node* n) {
        if (const std::string_view url(n->data.URL); !url.empty())
            known.insert(addressKey(url));
    });
    return known;
}

std::string importGroupName(std::string_view source, std::string_view day) {
    return std::string(source) + " " + std::string(day);
}

std::string todayText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

PreparedImport::PreparedImport(BookmarkTree tree, const std::string& groupName, const KnownAddresses* known)
    : group_(std::make_unique<Outline>(false)) {
    Node* top = group_->addChild(nullptr);
    top->data.ItemType = ItemType::Group;
    top->data.Name = groupName;
    // parents[d] is the node that takes entries of depth d.
    std::vector<Node*> parents{top};
    for (Bookmark& b : tree.items) {
        const std::size_t depth = std::min<std::size_t>(static_cast<std::size_t>(std::max(b.depth, 0)), parents.size() - 1);
        parents.resize(depth + 1);
        if (b.kind == Bookmark::Kind::Folder) {
            Node* folder = group_->addChild(parents.back());
            folder->data.ItemType = ItemType::Group;
            folder->data.Name = std::move(b.title);
            folder->data.Note = std::move(b.description);
            parents.push_back(folder);
            ++summary_.folders;
            continue;
        }
        if (b.url.empty()) {
            ++summary_.withoutAddress;
            continue;
        }
        if (startsWithNoCase(b.url, "javascript:")) {
            ++summary_.bookmarklets;
            continue;
        }
        if (known && known->contains(addressKey(b.url))) {
            ++summary_.alreadyThere;
            continue;
        }
        Node* link = group_->addChild(parents.back());
        LinkItem& item = link->data;
        item.ItemType = ItemType::Url;
        if (b.title.empty())
            item.Name = b.url;
        else
            item.Name = std::move(b.title);
        item.URL = std::move(b.url);
        item.Note = std::move(b.description);
        setKeywords(item, b.tags);
        ++summary_.bookmarks;
    }
}

Node* PreparedImport::attachTo(Outline& tree) {
    return tree.takeNode(*group_, group_->first(), nullptr, AttachMode::LastChild);
}
