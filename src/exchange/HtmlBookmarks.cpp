#include "HtmlBookmarks.h"

#include <libxml/HTMLparser.h>

#include <algorithm>
#include <charconv>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>

namespace {

constexpr std::size_t kChunk = 1 << 20;  // bytes read at a time when counting the entries

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

std::string trimmed(std::string_view s) {
    while (!s.empty() && isSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back()))
        s.remove_suffix(1);
    return std::string(s);
}

// Runs of white space (line breaks inside a title, say) become one space.
std::string collapsed(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    bool space = false;
    for (char c : s) {
        if (isSpace(c)) {
            space = !out.empty();
            continue;
        }
        if (space)
            out += ' ';
        space = false;
        out += c;
    }
    return out;
}

std::vector<ItemText> splitTags(std::string_view text) {
    std::vector<ItemText> tags;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t comma = text.find(',', start);
        if (comma == std::string_view::npos)
            comma = text.size();
        if (std::string tag = trimmed(text.substr(start, comma - start)); !tag.empty())
            tags.push_back(std::move(tag));
        start = comma + 1;
    }
    return tags;
}

std::int64_t parseDate(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && value > 0 ? value : 0;
}

// Room for every entry from the start: a vector that doubles as it fills would hold up to three
// times the entries' size while it moves them. Each entry starts with a <DT>.
std::size_t expectedEntries(std::string_view bytes) {
    std::size_t count = 0;
    for (std::size_t at = bytes.find('<'); at != std::string_view::npos && at + 2 < bytes.size(); at = bytes.find('<', at + 1))
        if ((bytes[at + 1] == 'D' || bytes[at + 1] == 'd') && (bytes[at + 2] == 'T' || bytes[at + 2] == 't'))
            ++count;
    return count;
}

bool is(const xmlChar* name, const char* wanted) { return std::strcmp(reinterpret_cast<const char*>(name), wanted) == 0; }


// What the streaming parser has seen so far.
struct HtmlReader {
    BookmarkTree tree;
    std::vector<int> listDepths;  // the depth of the entries of each open <DL>
    std::ptrdiff_t folderWithoutList = -1;  // a folder heading not yet followed by its <DL>
    enum class Collecting { Nothing, LinkTitle, FolderTitle, Description } collecting = Collecting::Nothing;
    std::string text;
    Bookmark pending;
    std::ptrdiff_t describedEntry = -1;
    bool sawList = false;
    bool sawEntry = false;
    bool bookmarkDoctype = false;

    int depth() const { return listDepths.empty() ? 0 : listDepths.back(); }

    void finishDescription() {
        if (collecting == Collecting::Description && describedEntry >= 0)
            tree.items[static_cast<std::size_t>(describedEntry)].description = trimmed(text);
        if (collecting == Collecting::Description)
            collecting = Collecting::Nothing;
    }

    void start(const xmlChar* name, const xmlChar** attributes) {
        if (is(name, "dl")) {
            finishDescription();
            sawList = true;
            const int d = folderWithoutList >= 0 ? tree.items[static_cast<std::size_t>(folderWithoutList)].depth + 1
                                                 : depth();
            listDepths.push_back(d);
            folderWithoutList = -1;
        } else if (is(name, "a")) {
            finishDescription();
            folderWithoutList = -1;
            pending = Bookmark{};
            for (const xmlChar** a = attributes; a && a[0]; a += 2) {
                const std::string_view value = a[1] ? reinterpret_cast<const char*>(a[1]) : "";
                if (is(a[0], "href"))
                    pending.url = trimmed(value);
                else if (is(a[0], "tags"))
                    pending.tags = splitTags(value);
                else if (is(a[0], "add_date"))
                    pending.added = parseDate(value);
            }
            collecting = Collecting::LinkTitle;
            text.clear();
        } else if (is(name, "h3")) {
            finishDescription();
            folderWithoutList = -1;
            pending = Bookmark{};
            pending.kind = Bookmark::Kind::Folder;
            for (const xmlChar** a = attributes; a && a[0]; a += 2)
                if (is(a[0], "add_date") && a[1])
                    pending.added = parseDate(reinterpret_cast<const char*>(a[1]));
            collecting = Collecting::FolderTitle;
            text.clear();
        } else if (is(name, "dd")) {
            if (collecting == Collecting::Nothing && describedEntry >= 0) {
                collecting = Collecting::Description;
                text.clear();
            }
        } else if (is(name, "dt")) {
            finishDescription();
            describedEntry = -1;
            if (!listDepths.empty())
                sawEntry = true;
        }
    }

    void end(const xmlChar* name) {
        if (is(name, "a") && collecting == Collecting::LinkTitle) {
            collecting = Collecting::Nothing;
            pending.title = collapsed(text);
            if (pending.url.view().starts_with("place:"))
                return;  // a saved query of Firefox, not a bookmark
            pending.depth = depth();
            tree.items.push_back(std::move(pending));
            describedEntry = static_cast<std::ptrdiff_t>(tree.items.size()) - 1;
        } else if (is(name, "h3") && collecting == Collecting::FolderTitle) {
            collecting = Collecting::Nothing;
            pending.title = collapsed(text);
            pending.depth = depth();
            tree.items.push_back(std::move(pending));
            describedEntry = folderWithoutList = static_cast<std::ptrdiff_t>(tree.items.size()) - 1;
        } else if (is(name, "dl")) {
            finishDescription();
            if (!listDepths.empty())
                listDepths.pop_back();
            folderWithoutList = -1;
        } else if (is(name, "dd")) {
            finishDescription();
        }
    }

    void characters(const xmlChar* chars, int length) {
        if (collecting != Collecting::Nothing)
            text.append(reinterpret_cast<const char*>(chars), static_cast<std::size_t>(length));
    }
};

HtmlReader& readerOf(void* context) {
    auto* parser = static_cast<htmlParserCtxtPtr>(context);
    return *static_cast<HtmlReader*>(parser->_private);
}

struct ParserContext {
    htmlParserCtxtPtr ctxt;
    ~ParserContext() {
        if (ctxt->myDoc)
            xmlFreeDoc(ctxt->myDoc);
        htmlFreeParserCtxt(ctxt);
    }
};

// Where the parser pulls its bytes from: `read` fills up to `size` bytes and gives how many (0 at the
// end, -1 on an error, with `error` set). The cancel flag is looked at between pulls.
struct HtmlInput {
    std::function<long(char*, std::size_t)> read;
    const CancelFlag* cancel = nullptr;
    std::size_t total = 0;
    bool cancelled = false;
    std::string error;
};

int pull(void* context, char* buffer, int size) {
    auto& input = *static_cast<HtmlInput*>(context);
    if (input.cancel && input.cancel->load(std::memory_order_relaxed)) {
        input.cancelled = true;
        return -1;
    }
    const long got = input.read(buffer, static_cast<std::size_t>(size));
    if (got > 0)
        input.total += static_cast<std::size_t>(got);
    return static_cast<int>(got);
}

// The parser pulls the bytes as it goes and lets go of what it has parsed (its push form keeps the
// whole input), so that a large file is never held whole.
BookmarkTree parseBookmarkHtml(HtmlInput& input, std::size_t expected) {
    HtmlReader reader;
    reader.tree.items.reserve(expected);
    ParserContext parser{htmlNewParserCtxt()};
    if (!parser.ctxt)
        throw ExchangeError("the HTML parser cannot start");
    htmlSAXHandler& sax = *parser.ctxt->sax;
    sax = htmlSAXHandler{};
    sax.startElement = [](void* c, const xmlChar* name, const xmlChar** attributes) { readerOf(c).start(name, attributes); };
    sax.endElement = [](void* c, const xmlChar* name) { readerOf(c).end(name); };
    sax.characters = [](void* c, const xmlChar* chars, int length) { readerOf(c).characters(chars, length); };
    sax.internalSubset = [](void* c, const xmlChar* name, const xmlChar*, const xmlChar*) {
        if (name && xmlStrcasecmp(name, reinterpret_cast<const xmlChar*>("NETSCAPE-Bookmark-file-1")) == 0)
            readerOf(c).bookmarkDoctype = true;
    };
    // The parser context is the callbacks' context, so that the reader travels in its private field.
    parser.ctxt->userData = parser.ctxt;
    parser.ctxt->_private = &reader;
    htmlCtxtReadIO(parser.ctxt, pull, nullptr, &input, nullptr, nullptr,
                   HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET);
    if (input.cancelled)
        throw ExchangeCancelled();
    if (!input.error.empty())
        throw ExchangeError(input.error);
    if (input.total == 0)
        throw ExchangeError("it is empty");
    if (!(reader.sawList && (reader.sawEntry || reader.bookmarkDoctype)))
        throw ExchangeError("it is not a bookmark file");
    return std::move(reader.tree);
}

// Reads a file a piece at a time; the first error is kept.
class FileReader {
public:
    explicit FileReader(const std::string& path) : in_(path, std::ios::binary) {
        if (!in_)
            throw ExchangeError(std::strerror(errno));
    }
    long operator()(char* buffer, std::size_t size, std::string& error) {
        in_.read(buffer, static_cast<std::streamsize>(size));
        if (in_.bad()) {
            error = std::strerror(errno);
            return -1;
        }
        return static_cast<long>(in_.gcount());
    }

private:
    std::ifstream in_;
};

} // namespace

BookmarkTree readHtmlBookmarks(std::string_view bytes, const CancelFlag* cancel) {
    std::size_t at = 0;
    HtmlInput input;
    input.cancel = cancel;
    input.read = [&](char* buffer, std::size_t size) {
        const std::size_t n = std::min(size, bytes.size() - at);
        std::memcpy(buffer, bytes.data() + at, n);
        at += n;
        return static_cast<long>(n);
    };
    return parseBookmarkHtml(input, expectedEntries(bytes));
}

BookmarkTree readHtmlBookmarkFile(const std::string& path, const CancelFlag* cancel) {
    // A first pass counts the entries (a "<DT" may lie across two chunks: the last two bytes are kept).
    std::size_t expected = 0;
    {
        FileReader file(path);
        std::string chunk(kChunk, '\0'), carry, error;
        for (long got; (got = file(chunk.data(), chunk.size(), error)) > 0;) {
            throwIfCancelled(cancel);
            const std::string_view read(chunk.data(), static_cast<std::size_t>(got));
            std::string joined = carry + std::string(read.substr(0, 2));
            expected += expectedEntries(joined) + expectedEntries(read);
            carry = std::string(read.substr(read.size() >= 2 ? read.size() - 2 : 0));
        }
        if (!error.empty())
            throw ExchangeError(error);
    }
    FileReader file(path);
    HtmlInput input;
    input.cancel = cancel;
    input.read = [&](char* buffer, std::size_t size) { return file(buffer, size, input.error); };
    return parseBookmarkHtml(input, expected);
}
