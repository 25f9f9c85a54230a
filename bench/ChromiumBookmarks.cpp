#include "ChromiumBookmarks.h"

#include "collection/FileIO.h"
#include "collection/ItemType.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <utility>
#include <vector>

using nlohmann::json;

namespace {

// Microseconds since 1601, as the browser stores "date_added": a fixed day in 2022 plus the id.
std::string dateFor(std::uint64_t id) {
    return std::to_string(13300000000000000ull + id * 1000003ull);
}

std::uint64_t mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// A version-4 GUID that depends only on the id, so the file is the same on every run.
std::string guidFor(std::uint64_t id) {
    const std::uint64_t a = mix(id);
    const std::uint64_t b = mix(a);
    char text[64];
    std::snprintf(text, sizeof text, "%08x-%04x-4%03x-%04x-%012llx", static_cast<unsigned>(a >> 32),
                  static_cast<unsigned>((a >> 16) & 0xFFFF), static_cast<unsigned>(a & 0xFFF),
                  static_cast<unsigned>(0x8000 | ((b >> 48) & 0x3FFF)),
                  static_cast<unsigned long long>(b & 0xFFFFFFFFFFFFull));
    return text;
}

class BookmarkWriter {
public:
    json folder(const std::string& name, std::uint64_t id, json children) const {
        return json{{"children", std::move(children)},
                    {"date_added", dateFor(id)},
                    {"date_last_used", "0"},
                    {"date_modified", dateFor(id)},
                    {"guid", guidFor(id)},
                    {"id", std::to_string(id)},
                    {"name", name},
                    {"type", "folder"}};
    }

    json children(const std::vector<Node*>& nodes) {
        json list = json::array();
        for (const Node* n : nodes)
            list.push_back(entry(n));
        return list;
    }

private:
    // Recursive: the sample outlines are at most five levels deep.
    json entry(const Node* n) {
        const std::uint64_t id = nextId_++;
        if (n->data.ItemType == ItemType::Group)
            return folder(n->data.Name, id, children(n->children()));
        return json{{"date_added", dateFor(id)}, {"date_last_used", "0"}, {"guid", guidFor(id)},
                    {"id", std::to_string(id)},  {"name", n->data.Name},  {"type", "url"},
                    {"url", n->data.URL}};
    }

    std::uint64_t nextId_ = 4; // 1 to 3 are the roots
};

} // namespace

void writeChromiumBookmarks(const Outline& outline, const std::string& path) {
    BookmarkWriter writer;
    json roots{{"bookmark_bar", writer.folder("Bookmarks bar", 1, writer.children(outline.root()->children()))},
               {"other", writer.folder("Other bookmarks", 2, json::array())},
               {"synced", writer.folder("Mobile bookmarks", 3, json::array())}};
    json document{{"checksum", "00000000000000000000000000000000"}, {"roots", std::move(roots)}, {"version", 1}};
    const std::string text = document.dump(3);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out)
        throw std::runtime_error("Cannot write " + path);
}

void readChromiumBookmarks(Outline& outline, const std::string& path) {
    json document;
    {
        const FileBytes bytes = readWholeFile(path);
        document = json::parse(bytes.data(), bytes.data() + bytes.size());
    }
    const auto roots = document.find("roots");
    if (roots == document.end() || !roots->is_object())
        throw std::runtime_error("No \"roots\" in " + path);

    OutlineUpdate update(outline);
    outline.clear();
    // Nodes are made one array at a time: each entry's fields are read when its array is handled.
    // The texts are copied, as an importer usually does; moving them out of the document would leave
    // them scattered among its freed nodes and keep that memory resident.
    std::vector<std::pair<Node*, const json*>> pending;
    for (const char* root : {"synced", "other", "bookmark_bar"}) { // taken from the back: bookmark_bar first
        const auto r = roots->find(root);
        if (r == roots->end() || !r->is_object())
            continue;
        const auto children = r->find("children");
        if (children != r->end() && children->is_array())
            pending.emplace_back(nullptr, &*children);
    }
    while (!pending.empty()) {
        auto [parent, list] = pending.back();
        pending.pop_back();
        for (const json& entry : *list) {
            if (!entry.is_object())
                continue;
            Node* node = outline.addChild(parent);
            LinkItem& item = node->data;
            if (const auto name = entry.find("name"); name != entry.end() && name->is_string())
                item.Name = name->get_ref<const std::string&>();
            const auto type = entry.find("type");
            const bool isFolder =
                type != entry.end() && type->is_string() && type->get_ref<const std::string&>() == "folder";
            if (isFolder) {
                item.ItemType = ItemType::Group;
                const auto children = entry.find("children");
                if (children != entry.end() && children->is_array() && !children->empty())
                    pending.emplace_back(node, &*children);
            } else {
                item.ItemType = ItemType::Url;
                if (const auto url = entry.find("url"); url != entry.end() && url->is_string())
                    item.URL = url->get_ref<const std::string&>();
            }
        }
    }
}
