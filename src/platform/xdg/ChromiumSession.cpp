#include "ChromiumSession.h"

#include "SessionFileError.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <map>
#include <optional>
#include <string>

namespace {

constexpr char kSignature[4] = {'S', 'N', 'S', 'S'};
constexpr std::uint32_t kPlainVersion = 1;
constexpr std::uint32_t kPlainVersionWithMarker = 3;
constexpr std::uint32_t kEncryptedVersion = 2;
constexpr std::uint32_t kEncryptedVersionWithMarker = 4;

// The commands that decide which tabs are open and what they show; all others are passed over.
enum Command : std::uint8_t {
    SetTabWindow = 0,                      // window, tab
    SetTabIndexInWindow = 2,               // tab, place in its window
    TabNavigationPathPrunedFromBack = 5,   // tab, first navigation removed (all after it go too)
    UpdateTabNavigation = 6,               // a pickle: tab, navigation number, address, title, ...
    SetSelectedNavigationIndex = 7,        // tab, navigation shown
    TabNavigationPathPrunedFromFront = 11, // tab, number of navigations removed from the front
    TabClosed = 16,                        // tab, time
    WindowClosed = 17,                     // window, time
    TabNavigationPathPruned = 24,          // tab, first navigation removed, number removed
};

// Reads within one record's bytes; a read that does not fit is damage.
class Cursor {
public:
    Cursor(std::span<const std::uint8_t> bytes, std::size_t offset) : bytes_(bytes), offset_(offset) {}

    std::size_t remaining() const { return bytes_.size() - pos_; }

    std::int32_t i32() {
        need(4);
        std::int32_t v;
        std::memcpy(&v, bytes_.data() + pos_, 4);
        pos_ += 4;
        return v;
    }
    std::uint32_t u32() { return static_cast<std::uint32_t>(i32()); }

    // A pickle's string: a 32-bit length, the bytes, then padding to four bytes (which the last
    // field of a pickle may lack).
    std::string string8() {
        const std::size_t n = length(1);
        std::string s(reinterpret_cast<const char*>(bytes_.data() + pos_), n);
        skipPadded(n);
        return s;
    }
    // A pickle's UTF-16 string: a 32-bit count of 16-bit units, the units, padding; as UTF-8.
    std::string string16() {
        const std::size_t n = length(2);
        std::string s = utf8OfUtf16(bytes_.data() + pos_, n);
        skipPadded(2 * n);
        return s;
    }

    // The bytes of a pickle: a 32-bit payload size, then the payload; the fields are read from it.
    Cursor pickle() {
        const std::uint32_t size = u32();
        if (size > remaining())
            damaged("its pickle states " + std::to_string(size) + " bytes where " + std::to_string(remaining()) +
                    " remain");
        return Cursor(bytes_.subspan(pos_, size), offset_);
    }

    [[noreturn]] void damaged(const std::string& what) const {
        throw SessionFileError("the record at byte " + std::to_string(offset_) + " is damaged: " + what);
    }

private:
    void need(std::size_t n) const {
        if (n > remaining())
            damaged("it ends before its fields do");
    }
    // A length field, checked against what remains before anything is made of it.
    std::size_t length(std::size_t unit) {
        const std::int32_t n = i32();
        if (n < 0 || static_cast<std::size_t>(n) > remaining() / unit)
            damaged("it states a text of " + std::to_string(n) + " units where " + std::to_string(remaining()) +
                    " bytes remain");
        return static_cast<std::size_t>(n);
    }
    void skipPadded(std::size_t n) { pos_ += std::min((n + 3) & ~std::size_t{3}, remaining()); }

    static void append(std::string& out, std::uint32_t c) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    // A lone surrogate becomes U+FFFD.
    static std::string utf8OfUtf16(const std::uint8_t* p, std::size_t units) {
        std::string out;
        out.reserve(units);
        auto unit = [p](std::size_t i) { return static_cast<std::uint32_t>(p[2 * i] | (p[2 * i + 1] << 8)); };
        for (std::size_t i = 0; i < units; ++i) {
            const std::uint32_t u = unit(i);
            if (u >= 0xD800 && u < 0xDC00 && i + 1 < units && unit(i + 1) >= 0xDC00 && unit(i + 1) < 0xE000) {
                append(out, 0x10000 + ((u - 0xD800) << 10) + (unit(i + 1) - 0xDC00));
                ++i;
            } else {
                append(out, u >= 0xD800 && u < 0xE000 ? 0xFFFD : u);
            }
        }
        return out;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t offset_; // of the record in the file, for messages
    std::size_t pos_ = 0;
};

struct Navigation {
    std::int64_t index;
    std::string address;
    std::string title;
};

struct Tab {
    std::optional<std::int32_t> window;
    std::int64_t place = INT64_MAX; // in its window; unknown places come last
    std::size_t firstSeen = 0;
    std::optional<std::int64_t> selected;
    std::vector<Navigation> navigations; // ordered by index, one per index

    // The navigation the tab shows: the selected one, else the nearest before it, else the last.
    const Navigation* current() const {
        if (navigations.empty())
            return nullptr;
        if (!selected)
            return &navigations.back();
        const Navigation* best = nullptr;
        for (const Navigation& n : navigations)
            if (n.index <= *selected)
                best = &n;
        return best ? best : &navigations.front();
    }

    // Removes the navigations with index in [from, from + count) and closes the gap.
    void prune(std::int64_t from, std::int64_t count) {
        if (count <= 0)
            return;
        std::erase_if(navigations, [&](const Navigation& n) { return n.index >= from && n.index - from < count; });
        for (Navigation& n : navigations)
            if (n.index >= from)
                n.index -= count;
        if (selected && *selected >= from)
            selected = *selected - from < count ? from - 1 : *selected - count;
    }
};

class Replay {
public:
    void apply(std::uint8_t command, Cursor fields) {
        switch (command) {
        case SetTabWindow: {
            const std::int32_t window = fields.i32();
            tab(fields.i32()).window = window;
            windowSeen(window);
            break;
        }
        case SetTabIndexInWindow: {
            Tab& t = tab(fields.i32());
            t.place = fields.i32();
            break;
        }
        case UpdateTabNavigation: {
            Cursor pickle = fields.pickle();
            Tab& t = tab(pickle.i32());
            Navigation n{pickle.i32(), pickle.string8(), {}};
            n.title = pickle.string16();
            auto at = std::lower_bound(t.navigations.begin(), t.navigations.end(), n.index,
                                       [](const Navigation& a, std::int64_t i) { return a.index < i; });
            if (at != t.navigations.end() && at->index == n.index)
                *at = std::move(n);
            else
                t.navigations.insert(at, std::move(n));
            break;
        }
        case SetSelectedNavigationIndex: {
            Tab& t = tab(fields.i32());
            t.selected = fields.i32();
            break;
        }
        case TabNavigationPathPrunedFromBack: {
            Tab& t = tab(fields.i32());
            t.prune(fields.i32(), INT64_MAX / 2);
            break;
        }
        case TabNavigationPathPrunedFromFront: {
            Tab& t = tab(fields.i32());
            t.prune(0, fields.i32());
            break;
        }
        case TabNavigationPathPruned: {
            Tab& t = tab(fields.i32());
            const std::int64_t from = fields.i32();
            t.prune(from, fields.i32());
            break;
        }
        case TabClosed:
            tabs_.erase(fields.i32());
            break;
        case WindowClosed: {
            const std::int32_t window = fields.i32();
            std::erase_if(windows_, [window](std::int32_t w) { return w == window; });
            std::erase_if(tabs_, [window](const auto& entry) { return entry.second.window == window; });
            break;
        }
        default:
            break;
        }
    }

    std::vector<BrowserTab> openTabs() const {
        std::vector<BrowserTab> result;
        for (const std::int32_t window : windows_) {
            std::vector<const Tab*> inWindow;
            for (const auto& [id, t] : tabs_)
                if (t.window == window)
                    inWindow.push_back(&t);
            std::sort(inWindow.begin(), inWindow.end(), [](const Tab* a, const Tab* b) {
                return a->place != b->place ? a->place < b->place : a->firstSeen < b->firstSeen;
            });
            for (const Tab* t : inWindow)
                if (const Navigation* n = t->current())
                    result.push_back({n->address, n->title.empty() ? n->address : n->title});
        }
        return result;
    }

private:
    Tab& tab(std::int32_t id) {
        auto [it, added] = tabs_.try_emplace(id);
        if (added)
            it->second.firstSeen = seen_++;
        return it->second;
    }
    void windowSeen(std::int32_t window) {
        if (std::find(windows_.begin(), windows_.end(), window) == windows_.end())
            windows_.push_back(window);
    }

    std::map<std::int32_t, Tab> tabs_;
    std::vector<std::int32_t> windows_; // in the order the file first names them
    std::size_t seen_ = 0;
};

} // namespace

std::vector<BrowserTab> readChromiumSession(std::span<const std::uint8_t> file) {
    if (file.size() < 8 || std::memcmp(file.data(), kSignature, sizeof kSignature) != 0)
        throw SessionFileError("it does not begin with the \"SNSS\" signature");
    std::uint32_t version = 0;
    std::memcpy(&version, file.data() + 4, 4);
    if (version == kEncryptedVersion || version == kEncryptedVersionWithMarker)
        throw SessionFileError("it is encrypted");
    if (version != kPlainVersion && version != kPlainVersionWithMarker)
        throw SessionFileError("its version " + std::to_string(version) + " is not known");

    Replay replay;
    std::size_t pos = 8;
    while (file.size() - pos >= 2) {
        std::uint16_t size = 0;
        std::memcpy(&size, file.data() + pos, 2);
        if (size == 0)
            throw SessionFileError("the record at byte " + std::to_string(pos) + " is empty");
        if (size > file.size() - pos - 2)
            break; // cut short: the browser is writing it
        const std::uint8_t command = file[pos + 2];
        replay.apply(command, Cursor(file.subspan(pos + 3, size - 1u), pos));
        pos += 2u + size;
    }
    return replay.openTabs();
}
