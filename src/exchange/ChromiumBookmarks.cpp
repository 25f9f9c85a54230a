#include "ChromiumBookmarks.h"

#include <nlohmann/json.hpp>

#include <charconv>

namespace {

// Microseconds between 1601-01-01 (the browsers' epoch) and 1970-01-01.
constexpr std::int64_t kEpochDifferenceSeconds = 11644473600;

std::int64_t unixSeconds(std::string_view microsecondsSince1601) {
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(microsecondsSince1601.data(),
                                           microsecondsSince1601.data() + microsecondsSince1601.size(), value);
    if (ec != std::errc() || value <= 0)
        return 0;
    const std::int64_t seconds = value / 1000000 - kEpochDifferenceSeconds;
    return seconds > 0 ? seconds : 0;
}

// Follows the JSON events with a stack of what each open object or array is.
class ChromiumReader : public nlohmann::json_sax<nlohmann::json> {
public:
    explicit ChromiumReader(const CancelFlag* cancel) : cancel_(cancel) {}

    BookmarkTree tree;
    std::string error;
    bool sawRoots = false;

    bool null() override { return value(); }
    bool boolean(bool) override { return value(); }
    bool number_integer(number_integer_t) override { return value(); }
    bool number_unsigned(number_unsigned_t) override { return value(); }
    bool number_float(number_float_t, const string_t&) override { return value(); }
    bool binary(binary_t&) override { return value(); }
    bool string(string_t& text) override {
        if (!frames_.empty() && frames_.back().kind == Frame::Node && frames_.back().entry >= 0) {
            const auto at = static_cast<std::size_t>(frames_.back().entry);
            Bookmark& b = entries_[at];
            if (key_ == "name")
                b.title = std::move(text);
            else if (key_ == "url")
                b.url = std::move(text);
            else if (key_ == "type")
                types_[at].type = text == "url" ? Type::Url : text == "folder" ? Type::Folder : Type::Other;
            else if (key_ == "date_added")
                b.added = unixSeconds(text);
        }
        return value();
    }

    bool start_object(std::size_t) override {
        if (++events_ % 65536 == 0)
            throwIfCancelled(cancel_);
        if (frames_.size() > kDeepest) {
            error = "its folders are nested too deeply";
            return false;
        }
        if (frames_.empty()) {
            frames_.push_back({Frame::File, -1, 0});
            key_.clear();
            return true;
        }
        const Frame::Kind parent = frames_.back().kind;
        if ((parent == Frame::Roots) || (parent == Frame::Children && frames_.back().entry >= 0)) {
            const int depth = parent == Frame::Roots ? 0 : frames_.back().depth;
            entries_.emplace_back().depth = depth;
            types_.push_back({Type::Unknown, parent == Frame::Roots});
            frames_.push_back({Frame::Node, static_cast<std::ptrdiff_t>(entries_.size()) - 1, depth});
        } else if (parent == Frame::File && key_ == "roots") {
            sawRoots = true;
            frames_.push_back({Frame::Roots, -1, 0});
        } else {
            frames_.push_back({Frame::Other, -1, 0});
        }
        key_.clear();
        return true;
    }
    bool key(string_t& name) override {
        key_ = std::move(name);
        return true;
    }
    bool end_object() override {
        frames_.pop_back();
        return value();
    }
    bool start_array(std::size_t) override {
        if (frames_.size() > kDeepest) {
            error = "its folders are nested too deeply";
            return false;
        }
        if (!frames_.empty() && frames_.back().kind == Frame::Node && key_ == "children")
            frames_.push_back({Frame::Children, frames_.back().entry, frames_.back().depth + 1});
        else
            frames_.push_back({Frame::Other, -1, 0});
        return true;
    }
    bool end_array() override {
        frames_.pop_back();
        return value();
    }
    bool parse_error(std::size_t position, const std::string&, const nlohmann::json::exception&) override {
        error = "it is damaged or cut short (at byte " + std::to_string(position) + ")";
        return false;
    }

    // Room for every node from the start (each has a "type"), so that the list never moves while it fills.
    void reserve(std::string_view bytes) {
        std::size_t count = 0;
        for (std::size_t at = bytes.find("\"type\""); at != std::string_view::npos; at = bytes.find("\"type\"", at + 6))
            ++count;
        entries_.reserve(count);
        types_.reserve(count);
    }

    // The entries in document order, without those of unknown type and whatever lies inside them;
    // they are moved into the tree in place, so that the list is not held twice.
    void finish() {
        std::size_t write = 0;
        int droppedBelow = -1;  // entries deeper than this belong to a dropped entry
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            Bookmark& b = entries_[i];
            if (droppedBelow >= 0 && b.depth > droppedBelow)
                continue;
            droppedBelow = -1;
            const Kind k = types_[i];
            if (!(k.type == Type::Folder || (k.type == Type::Url && !k.root))) {
                droppedBelow = b.depth;
                continue;
            }
            b.kind = k.type == Type::Url ? Bookmark::Kind::Link : Bookmark::Kind::Folder;
            if (write != i)
                entries_[write] = std::move(b);
            ++write;
        }
        entries_.resize(write);
        types_ = {};
        tree.items = std::move(entries_);
        dropEmptyTopFolders();
    }

private:
    static constexpr std::size_t kDeepest = 1000;

    struct Frame {
        enum Kind { File, Roots, Node, Children, Other } kind;
        std::ptrdiff_t entry;  // the node, or the node whose children these are
        int depth;             // the depth of the node, or of the children
    };
    enum class Type : std::uint8_t { Unknown, Url, Folder, Other };
    struct Kind {
        Type type;
        bool root;
    };

    // After a value the key it belonged to is spent.
    bool value() {
        key_.clear();
        return true;
    }

    void dropEmptyTopFolders() {
        std::vector<Bookmark>& items = tree.items;
        std::size_t write = 0;
        for (std::size_t i = 0; i < items.size(); ++i) {
            const bool emptyTop = items[i].depth == 0 && items[i].kind == Bookmark::Kind::Folder &&
                                  (i + 1 == items.size() || items[i + 1].depth == 0);
            if (emptyTop)
                continue;
            if (write != i)
                items[write] = std::move(items[i]);
            ++write;
        }
        items.resize(write);
    }

    const CancelFlag* cancel_;
    std::vector<Frame> frames_;
    std::vector<Bookmark> entries_;
    std::vector<Kind> types_;
    std::string key_;
    std::size_t events_ = 0;
};

} // namespace

BookmarkTree readChromiumBookmarks(std::string_view bytes, const CancelFlag* cancel) {
    if (bytes.empty())
        throw ExchangeError("it is empty");
    ChromiumReader reader(cancel);
    reader.reserve(bytes);
    const bool parsed = nlohmann::json::sax_parse(bytes.begin(), bytes.end(), &reader);
    if (!parsed)
        throw ExchangeError(reader.error.empty() ? "it is damaged" : reader.error);
    if (!reader.sawRoots)
        throw ExchangeError("it is not a bookmarks file of the Chromium family");
    reader.finish();
    return std::move(reader.tree);
}
