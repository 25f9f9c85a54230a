#include "SqliteBookmarks.h"

#include "collection/ItemType.h"

#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

struct CloseDatabase {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct FinalizeStatement {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Database = std::unique_ptr<sqlite3, CloseDatabase>;
using Statement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

[[noreturn]] void fail(sqlite3* db, const std::string& what) {
    throw std::runtime_error(what + ": " + (db ? sqlite3_errmsg(db) : "out of memory"));
}

Database openDatabase(const std::string& path, int flags) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &raw, flags, nullptr);
    Database db(raw);
    if (rc != SQLITE_OK)
        fail(raw, "Cannot open " + path);
    return db;
}

void execute(sqlite3* db, const char* sql) {
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(db, sql);
}

Statement prepare(sqlite3* db, const char* sql) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) != SQLITE_OK)
        fail(db, sql);
    return Statement(raw);
}

std::string columnText(sqlite3_stmt* statement, int column) {
    const unsigned char* text = sqlite3_column_text(statement, column); // before the byte count, as SQLite asks
    if (!text)
        return {};
    return std::string(reinterpret_cast<const char*>(text),
                       static_cast<std::size_t>(sqlite3_column_bytes(statement, column)));
}

// A short id in the browser's style: 12 characters of the URL-safe base64 alphabet.
std::string guidFor(std::uint64_t id) {
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
    std::uint64_t x = (id + 1) * 0x9E3779B97F4A7C15ull;
    x ^= x >> 29;
    std::string guid(12, 'A');
    for (char& c : guid) {
        c = kAlphabet[x & 63];
        x = (x >> 6) | (x << 58);
    }
    return guid;
}

} // namespace

void writeSqliteBookmarks(const Outline& outline, const std::string& path) {
    std::filesystem::remove(path);
    Database db = openDatabase(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    // Only the benchmark data is written this way; the readers never see a half-written file.
    execute(db.get(), "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF;");
    execute(db.get(), "CREATE TABLE bookmarks (id INTEGER PRIMARY KEY, type INTEGER NOT NULL, fk INTEGER, "
                      "parent INTEGER NOT NULL, position INTEGER NOT NULL, title TEXT, url TEXT, "
                      "dateAdded INTEGER, lastModified INTEGER, guid TEXT)");
    execute(db.get(), "BEGIN");
    Statement insert = prepare(db.get(), "INSERT INTO bookmarks (id, type, parent, position, title, url, dateAdded, "
                                         "lastModified, guid) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    sqlite3_stmt* s = insert.get();
    auto addRow = [&](std::int64_t id, int type, std::int64_t parent, int position, std::string_view title,
                      const ItemText* url) {
        const std::int64_t added = 1650000000000000 + id * 1000003; // microseconds since 1970
        const std::string guid = guidFor(static_cast<std::uint64_t>(id));
        sqlite3_bind_int64(s, 1, id);
        sqlite3_bind_int(s, 2, type);
        sqlite3_bind_int64(s, 3, parent);
        sqlite3_bind_int(s, 4, position);
        sqlite3_bind_text(s, 5, title.data(), static_cast<int>(title.size()), SQLITE_STATIC);
        if (url)
            sqlite3_bind_text(s, 6, url->data(), static_cast<int>(url->size()), SQLITE_STATIC);
        else
            sqlite3_bind_null(s, 6);
        sqlite3_bind_int64(s, 7, added);
        sqlite3_bind_int64(s, 8, added);
        sqlite3_bind_text(s, 9, guid.data(), static_cast<int>(guid.size()), SQLITE_STATIC);
        if (sqlite3_step(s) != SQLITE_DONE)
            fail(db.get(), "Cannot write " + path);
        sqlite3_reset(s);
    };
    const std::int64_t rootId = 1;
    addRow(rootId, kSqliteFolder, 0, 0, std::string_view(), nullptr);
    // Ids follow document order, so a parent's id is known before its children are written.
    std::unordered_map<const Node*, std::int64_t> ids;
    std::int64_t nextId = rootId + 1;
    outline.forEach([&](Node* n) {
        const Node* parent = outline.parentOf(n);
        const std::int64_t parentId = parent ? ids.at(parent) : rootId;
        const std::int64_t id = nextId++;
        if (n->childCount() > 0)
            ids.emplace(n, id);
        if (n->data.ItemType == ItemType::Group)
            addRow(id, kSqliteFolder, parentId, n->index(), n->data.Name, nullptr);
        else
            addRow(id, kSqliteBookmark, parentId, n->index(), n->data.Name, &n->data.URL);
    });
    execute(db.get(), "COMMIT");
    execute(db.get(), "CREATE INDEX bookmarks_parent_position ON bookmarks (parent, position)");
}

void readSqliteBookmarks(Outline& outline, const std::string& path) {
    struct Row {
        std::int64_t id;
        std::int64_t parent;
        int type;
        std::string title;
        std::string url;
    };
    std::vector<Row> rows;
    {
        Database db = openDatabase(path, SQLITE_OPEN_READONLY);
        Statement query =
            prepare(db.get(), "SELECT id, parent, type, title, url FROM bookmarks ORDER BY parent, position");
        sqlite3_stmt* q = query.get();
        int rc;
        while ((rc = sqlite3_step(q)) == SQLITE_ROW)
            rows.push_back(Row{sqlite3_column_int64(q, 0), sqlite3_column_int64(q, 1), sqlite3_column_int(q, 2),
                               columnText(q, 3), columnText(q, 4)});
        if (rc != SQLITE_DONE)
            fail(db.get(), "Cannot read " + path);
    }

    // The rows come grouped by parent: each parent's children are one run, in position order.
    std::unordered_map<std::int64_t, std::pair<std::size_t, std::size_t>> runs;
    for (std::size_t i = 0; i < rows.size();) {
        std::size_t end = i + 1;
        while (end < rows.size() && rows[end].parent == rows[i].parent)
            ++end;
        runs.emplace(rows[i].parent, std::make_pair(i, end));
        i = end;
    }

    OutlineUpdate update(outline);
    outline.clear();
    std::vector<std::pair<Node*, std::int64_t>> pending;
    if (const auto roots = runs.find(0); roots != runs.end())
        for (std::size_t i = roots->second.second; i-- > roots->second.first;) // taken from the back
            pending.emplace_back(nullptr, rows[i].id);
    while (!pending.empty()) {
        const auto [parent, id] = pending.back();
        pending.pop_back();
        const auto run = runs.find(id);
        if (run == runs.end())
            continue;
        const auto [first, end] = run->second;
        runs.erase(run); // a run is used once, so a parent loop in the table cannot loop here
        for (std::size_t i = first; i < end; ++i) {
            Row& r = rows[i];
            Node* node = outline.addChild(parent);
            LinkItem& item = node->data;
            item.Name = std::move(r.title);
            if (r.type == kSqliteFolder) {
                item.ItemType = ItemType::Group;
                pending.emplace_back(node, r.id);
            } else {
                item.ItemType = ItemType::Url;
                item.URL = std::move(r.url);
            }
        }
    }
}
