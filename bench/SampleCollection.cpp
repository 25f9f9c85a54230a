#include "SampleCollection.h"

#include "collection/ItemType.h"

#include <array>
#include <random>
#include <string>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 64> kWords = {
    "garden",  "river",     "notes",    "archive",  "kestrel",  "weekly",   "report",  "recipes", "travel",  "linux",
    "kernel",  "summer",    "guide",    "review",   "budget",   "project",  "meeting", "library", "history", "music",
    "photo",   "museum",    "railway",  "winter",   "coffee",   "design",   "pattern", "network", "school",  "science",
    "market",  "harbour",   "mountain", "letters",  "journal",  "planning", "release", "manual",  "server",  "backup",
    "family",  "reading",   "chapter",  "forest",   "island",   "concert",  "tickets", "invoice", "weather", "station",
    "bicycle", "repair",    "tutorial", "overview", "calendar", "workshop", "lecture", "podcast", "episode", "annual",
    "printer", "insurance", "holiday",  "theatre",
};

constexpr std::array<std::string_view, 16> kHosts = {
    "www.example.org",     "docs.example.com",     "news.example.net",    "blog.example.org",
    "wiki.example.com",    "shop.example.net",     "forum.example.org",   "archive.example.com",
    "www.moorland.info",   "maps.example.net",     "video.example.com",   "lists.example.org",
    "support.example.com", "research.example.edu", "www.railway.example", "static.example.net",
};

// std::mt19937_64 gives the same numbers everywhere; the standard distributions would not, so
// numbers are taken modulo.
class SampleWriter {
public:
    SampleWriter(Outline& outline, int count, std::uint64_t seed) : outline_(outline), count_(count), random_(seed) {}

    void run() {
        OutlineUpdate update(outline_);
        while (made_ < count_) {
            Node* top = addGroup(nullptr);
            fillGroup(top, 1, 3 + static_cast<int>(pick(3)));
        }
    }

private:
    // Children sit at `level`; a child may itself be a group while its children stay within `depth` levels.
    void fillGroup(Node* group, int level, int depth) {
        const int children = 8 + static_cast<int>(pick(5));
        for (int i = 0; i < children && made_ < count_; ++i) {
            if (level + 1 < depth && pick(10) < 3)
                fillGroup(addGroup(group), level + 1, depth);
            else
                addLink(group);
        }
    }

    Node* addGroup(Node* parent) {
        Node* node = outline_.addChild(parent);
        ++made_;
        LinkItem& item = node->data;
        item.ItemType = ItemType::Group;
        std::string name;
        appendWord(name, true);
        name += ' ';
        appendWord(name, true);
        item.Name = name;
        if (pick(2) == 0)
            outline_.setExpanded(node, true);
        return node;
    }

    void addLink(Node* parent) {
        Node* node = outline_.addChild(parent);
        ++made_;
        LinkItem& item = node->data;
        item.ItemType = ItemType::Url;
        item.Name = title();
        item.URL = address();
        if (pick(4) == 0)
            item.Note = note();
        if (pick(3) == 0)
            item.AccessInfo = accessInfo();
    }

    std::string title() {
        std::string s;
        s.reserve(48);
        while (s.size() < 32) {
            if (!s.empty())
                s += ' ';
            appendWord(s, true);
        }
        s += ' ';
        appendNumber(s, 1995 + pick(30), 4);
        return s;
    }

    std::string address() {
        std::string s;
        s.reserve(80);
        s += "https://";
        s += kHosts[pick(kHosts.size())];
        s += '/';
        while (s.size() < 54) {
            appendWord(s, false);
            s += pick(3) == 0 ? '/' : '-';
        }
        appendNumber(s, pick(1000000), 6);
        s += pick(2) == 0 ? ".html" : "?ref=bm";
        return s;
    }

    std::string note() {
        std::string s;
        s.reserve(24);
        appendWord(s, true);
        s += ' ';
        appendWord(s, false);
        s += ", p. ";
        appendNumber(s, 1 + pick(400), 1);
        return s;
    }

    std::string accessInfo() {
        std::string s = "Last visited: ";
        appendNumber(s, 1 + pick(28), 2);
        s += '.';
        appendNumber(s, 1 + pick(12), 2);
        s += '.';
        appendNumber(s, 2015 + pick(10), 4);
        s += ' ';
        appendNumber(s, pick(24), 2);
        s += ':';
        appendNumber(s, pick(60), 2);
        return s;
    }

    void appendWord(std::string& s, bool capital) {
        std::string_view w = kWords[pick(kWords.size())];
        const std::size_t at = s.size();
        s += w;
        if (capital)
            s[at] = static_cast<char>(s[at] - 'a' + 'A');
    }

    // At least `digits` digits, zero-padded.
    static void appendNumber(std::string& s, std::uint64_t value, int digits) {
        std::string n = std::to_string(value);
        if (static_cast<int>(n.size()) < digits)
            s.append(static_cast<std::size_t>(digits) - n.size(), '0');
        s += n;
    }

    std::uint64_t pick(std::uint64_t n) { return random_() % n; }

    Outline& outline_;
    const int count_;
    int made_ = 0;
    std::mt19937_64 random_;
};

} // namespace

void buildSampleCollection(Outline& outline, int count, std::uint64_t seed) {
    SampleWriter(outline, count, seed).run();
}
