#include "FirefoxPlaces.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <unordered_map>

namespace {

// The fixed folders below the root, by their well-known identifiers, in the order Firefox shows them.
struct TopFolder {
    const char* guid;
    const char* title;
};
constexpr TopFolder kTopFolders[] = {
    {"toolbar_____", "Bookmarks Toolbar"},
    {"menu________", "Bookmarks Menu"},
    {"unfiled_____", "Other Bookmarks"},
    {"mobile______", "Mobile Bookmarks"},
};
constexpr const char* kTagsFolder = "tags________";

constexpr int kBookmark = 1;
constexpr int kFolder = 2;

struct Database {
    sqlite3* db = nullptr;
    ~Database() { sqlite3_close(db); }
};

struct Statement {
    sqlite3_stmt* stmt = nullptr;
    ~Statement() { sqlite3_finalize(stmt); }
};

std::string reason(sqlite3* db) {
    const int code = sqlite3_errcode(db);
    if (code == SQLITE_NOTADB)
        return "it is not a database, or it is encrypted";
    if (code == SQLITE_CORRUPT)
        return "the database is damaged";
    return sqlite3_errmsg(db);
}

Statement prepare(sqlite3* db, const char* sql) {
    Statement s;
    if (sqlite3_prepare_v2(db, sql, -1, &s.stmt, nullptr) != SQLITE_OK) {
        const int code = sqlite3_errcode(db);
        if (code == SQLITE_ERROR)  // a missing table or column
            throw ExchangeError("it is not a Firefox bookmarks database");
        throw ExchangeError(reason(db));
    }
    return s;
}

ItemText columnText(sqlite3_stmt* stmt, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return text ? ItemText(std::string_view(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt, column)))) : ItemText();
}

// A row of moz_bookmarks with its address. Its texts become the bookmark's, moved, not copied.
struct Row {
    std::int64_t id;
    std::int64_t parent;
    int type;
    ItemText title;
    ItemText url;
    std::int64_t added;
};

// Steps through a statement; a failing step (a damaged page, say) is the reader's error.
template <class OnRow> void forEachRow(sqlite3* db, sqlite3_stmt* stmt, const CancelFlag* cancel, OnRow onRow) {
    std::size_t rows = 0;
    for (;;) {
        if (++rows % 16384 == 0)
            throwIfCancelled(cancel);
        const int step = sqlite3_step(stmt);
        if (step == SQLITE_DONE)
            return;
        if (step != SQLITE_ROW)
            throw ExchangeError(reason(db));
        onRow(stmt);
    }
}

bool hasTable(sqlite3* db, const char* name) {
    Statement s = prepare(db, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ?");
    sqlite3_bind_text(s.stmt, 1, name, -1, SQLITE_STATIC);
    bool found = false;
    forEachRow(db, s.stmt, nullptr, [&](sqlite3_stmt* st) { found = sqlite3_column_int(st, 0) > 0; });
    return found;
}

struct FixedFolder {
    std::int64_t id;
    std::int64_t parent;
};

// The fixed folders, by their well-known identifiers.
std::unordered_map<std::string, FixedFolder> fixedFolders(sqlite3* db) {
    Statement s = prepare(db, "SELECT guid, id, parent FROM moz_bookmarks WHERE guid IN "
                              "('toolbar_____', 'menu________', 'unfiled_____', 'mobile______', 'tags________')");
    std::unordered_map<std::string, FixedFolder> folders;
    forEachRow(db, s.stmt, nullptr, [&](sqlite3_stmt* st) {
        folders.emplace(std::string(columnText(st, 0)), FixedFolder{sqlite3_column_int64(st, 1), sqlite3_column_int64(st, 2)});
    });
    return folders;
}

// The descriptions older versions of Firefox kept as annotations of the bookmark, by bookmark id; none
// when the database has no annotations.
std::unordered_map<std::int64_t, ItemText> descriptions(sqlite3* db, const CancelFlag* cancel) {
    std::unordered_map<std::int64_t, ItemText> byId;
    if (!hasTable(db, "moz_items_annos") || !hasTable(db, "moz_anno_attributes"))
        return byId;
    Statement s = prepare(db, "SELECT a.item_id, a.content FROM moz_items_annos a "
                              "JOIN moz_anno_attributes n ON n.id = a.anno_attribute_id "
                              "WHERE n.name = 'bookmarkProperties/description' AND a.content <> ''");
    forEachRow(db, s.stmt, cancel, [&](sqlite3_stmt* st) { byId[sqlite3_column_int64(st, 0)] = columnText(st, 1); });
    return byId;
}

BookmarkTree readOpenDatabase(sqlite3* db, const CancelFlag* cancel) {
    sqlite3_busy_timeout(db, 0);
    const auto fixed = fixedFolders(db);
    auto described = descriptions(db, cancel);
    // Rows in each folder's order, so that a folder's children lie side by side; folders are followed
    // only by their parents, so any loop in a damaged file ends.
    Statement rows = prepare(db,
                             "SELECT b.id, b.parent, b.type, b.title, p.url, b.dateAdded "
                             "FROM moz_bookmarks b LEFT JOIN moz_places p ON p.id = b.fk "
                             "ORDER BY b.parent, b.position, b.id");
    std::vector<Row> all;
    {
        // Room for every row from the start, so that the list never moves while it fills.
        Statement count = prepare(db, "SELECT count(*) FROM moz_bookmarks");
        forEachRow(db, count.stmt, cancel, [&](sqlite3_stmt* s) {
            all.reserve(static_cast<std::size_t>(std::clamp<sqlite3_int64>(sqlite3_column_int64(s, 0), 0, 1 << 24)));
        });
    }
    // children[parent] is the range of `all` that holds its rows.
    std::unordered_map<std::int64_t, std::pair<std::size_t, std::size_t>> children;
    forEachRow(db, rows.stmt, cancel, [&](sqlite3_stmt* s) {
        const std::int64_t parent = sqlite3_column_int64(s, 1);
        auto [range, added] = children.try_emplace(parent, all.size(), all.size());
        if (!added && range->second.second != all.size())
            throw ExchangeError("the database is damaged");  // no longer in the order asked for
        ++range->second.second;
        all.push_back({sqlite3_column_int64(s, 0), parent, sqlite3_column_int(s, 2), columnText(s, 3), columnText(s, 4),
                       sqlite3_column_int64(s, 5) / 1000000});
    });
    auto childrenOf = [&](std::int64_t id) {
        const auto c = children.find(id);
        return c == children.end() ? std::pair<std::size_t, std::size_t>{0, 0} : c->second;
    };
    // A fixed folder's row, found among its parent's.
    auto rowOf = [&](const FixedFolder& folder) -> std::optional<std::size_t> {
        const auto [from, to] = childrenOf(folder.parent);
        for (std::size_t i = from; i < to; ++i)
            if (all[i].id == folder.id)
                return i;
        return std::nullopt;
    };

    // Tags: a tag is a folder in the tags folder; a bookmark row inside it names the tagged address.
    // Those rows stay in `all`, so their addresses can key the map.
    std::unordered_map<std::string_view, std::vector<ItemText>> tagsByUrl;
    if (const auto tags = fixed.find(kTagsFolder); tags != fixed.end()) {
        const auto [first, last] = childrenOf(tags->second.id);
        for (std::size_t tag = first; tag < last; ++tag) {
            if (all[tag].type != kFolder)
                continue;
            const auto [firstTagged, lastTagged] = childrenOf(all[tag].id);
            for (std::size_t tagged = firstTagged; tagged < lastTagged; ++tagged)
                if (all[tagged].type == kBookmark && !all[tagged].url.empty())
                    tagsByUrl[all[tagged].url.view()].push_back(all[tag].title);
        }
    }

    BookmarkTree tree;
    tree.items.reserve(all.size());
    std::vector<bool> visited(all.size(), false);
    for (const TopFolder& top : kTopFolders) {
        const auto found = fixed.find(top.guid);
        const std::optional<std::size_t> row = found == fixed.end() ? std::nullopt : rowOf(found->second);
        if (!row || visited[*row])
            continue;
        visited[*row] = true;
        const std::size_t first = tree.items.size();
        Bookmark folder;
        folder.kind = Bookmark::Kind::Folder;
        folder.title = top.title;
        folder.added = all[*row].added;
        tree.items.push_back(std::move(folder));
        // Depth-first in each folder's order; the stack holds the rows still to write, next on top.
        std::vector<std::pair<std::size_t, int>> pending;
        auto pushChildren = [&](std::int64_t id, int depth) {
            const auto [from, to] = childrenOf(id);
            for (std::size_t i = to; i > from; --i)
                pending.emplace_back(i - 1, depth);
        };
        pushChildren(found->second.id, 1);
        while (!pending.empty()) {
            const auto [index, depth] = pending.back();
            pending.pop_back();
            if (visited[index])
                continue;
            visited[index] = true;
            Row& row = all[index];
            if (row.type != kFolder && !(row.type == kBookmark && !row.url.view().starts_with("place:")))
                continue;
            Bookmark b;
            b.kind = row.type == kFolder ? Bookmark::Kind::Folder : Bookmark::Kind::Link;
            b.depth = depth;
            b.title = std::move(row.title);
            b.added = row.added;
            if (auto d = described.find(row.id); d != described.end())
                b.description = std::move(d->second);
            if (row.type == kFolder) {
                pushChildren(row.id, depth + 1);
            } else {
                if (auto t = tagsByUrl.find(row.url.view()); t != tagsByUrl.end())
                    b.tags = t->second;
                b.url = std::move(row.url);
            }
            tree.items.push_back(std::move(b));
        }
        if (tree.items.size() == first + 1)
            tree.items.pop_back();  // an empty top folder says nothing
    }
    return tree;
}

void throwIfNotPlaces(sqlite3* db) {
    // Reading the schema is the first read of the file: it tells a database from anything else.
    Statement s = prepare(db, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN ('moz_bookmarks', 'moz_places')");
    int tables = 0;
    forEachRow(db, s.stmt, nullptr, [&](sqlite3_stmt* st) { tables = sqlite3_column_int(st, 0); });
    if (tables != 2)
        throw ExchangeError("it is not a Firefox bookmarks database");
}

// A path as an SQLite file URI: the characters a URI gives a meaning to are escaped.
std::string fileUri(const std::string& path) {
    std::string uri = "file:";
    for (unsigned char c : path) {
        if (c == '%' || c == '?' || c == '#' || c < 0x20 || c >= 0x7F) {
            static const char* hex = "0123456789ABCDEF";
            uri += '%';
            uri += hex[c >> 4];
            uri += hex[c & 15];
        } else {
            uri += static_cast<char>(c);
        }
    }
    return uri + "?mode=ro&immutable=1";
}

} // namespace

BookmarkTree readFirefoxPlaces(const std::string& path, const CancelFlag* cancel) {
    Database d;
    if (sqlite3_open_v2(fileUri(path).c_str(), &d.db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) != SQLITE_OK)
        throw ExchangeError(d.db ? sqlite3_errmsg(d.db) : "it cannot be opened");
    throwIfNotPlaces(d.db);
    return readOpenDatabase(d.db, cancel);
}

BookmarkTree readFirefoxPlacesBytes(std::span<const std::uint8_t> bytes, const CancelFlag* cancel) {
    Database d;
    if (sqlite3_open_v2(":memory:", &d.db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        throw ExchangeError("the database cannot be opened");
    // A database in memory cannot be in write-ahead-log mode, as Firefox keeps its database: the
    // copy is marked as an ordinary one (the two format bytes of the header), which reads the same.
    auto* data = static_cast<unsigned char*>(sqlite3_malloc64(bytes.size() ? bytes.size() : 1));
    if (!data)
        throw ExchangeError("there is not enough memory");
    std::copy(bytes.begin(), bytes.end(), data);
    if (bytes.size() > 19 && data[18] == 2 && data[19] == 2)
        data[18] = data[19] = 1;
    if (sqlite3_deserialize(d.db, "main", data, static_cast<sqlite3_int64>(bytes.size()),
                            static_cast<sqlite3_int64>(bytes.size()),
                            SQLITE_DESERIALIZE_READONLY | SQLITE_DESERIALIZE_FREEONCLOSE) != SQLITE_OK)
        throw ExchangeError(reason(d.db));
    throwIfNotPlaces(d.db);
    return readOpenDatabase(d.db, cancel);
}
