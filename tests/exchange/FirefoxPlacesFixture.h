// A places.sqlite with the tables and fixed folders Firefox makes (root, menu, toolbar, tags,
// unfiled, mobile), filled through a small builder, for the tests, the benchmarks and the fuzz seeds.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <stdexcept>
#include <string>

class FirefoxPlacesFixture {
public:
    static constexpr std::int64_t Root = 1, Menu = 2, Toolbar = 3, Tags = 4, Unfiled = 5, Mobile = 6;

    explicit FirefoxPlacesFixture(const std::string& path) {
        if (sqlite3_open(path.c_str(), &db_) != SQLITE_OK)
            throw std::runtime_error("cannot make " + path);
        exec("PRAGMA journal_mode=WAL;"
             "CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url LONGVARCHAR, title LONGVARCHAR, "
             "rev_host LONGVARCHAR, visit_count INTEGER DEFAULT 0, hidden INTEGER DEFAULT 0 NOT NULL, "
             "typed INTEGER DEFAULT 0 NOT NULL, frecency INTEGER DEFAULT -1 NOT NULL, last_visit_date INTEGER, "
             "guid TEXT, foreign_count INTEGER DEFAULT 0 NOT NULL, url_hash INTEGER DEFAULT 0 NOT NULL, "
             "description TEXT, preview_image_url TEXT, origin_id INTEGER);"
             "CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, type INTEGER, fk INTEGER DEFAULT NULL, "
             "parent INTEGER, position INTEGER, title LONGVARCHAR, keyword_id INTEGER, folder_type TEXT, "
             "dateAdded INTEGER, lastModified INTEGER, guid TEXT, syncStatus INTEGER NOT NULL DEFAULT 0, "
             "syncChangeCounter INTEGER NOT NULL DEFAULT 1);"
             "CREATE TABLE moz_anno_attributes (id INTEGER PRIMARY KEY, name VARCHAR(32) UNIQUE NOT NULL);"
             "CREATE TABLE moz_items_annos (id INTEGER PRIMARY KEY, item_id INTEGER NOT NULL, "
             "anno_attribute_id INTEGER, content LONGVARCHAR, flags INTEGER DEFAULT 0 NOT NULL, "
             "expiration INTEGER DEFAULT 0 NOT NULL, type INTEGER DEFAULT 0 NOT NULL, "
             "dateAdded INTEGER DEFAULT 0 NOT NULL, lastModified INTEGER DEFAULT 0 NOT NULL);"
             "CREATE UNIQUE INDEX moz_items_annos_itemattributeindex ON moz_items_annos (item_id, anno_attribute_id);"
             "CREATE INDEX moz_bookmarks_itemindex ON moz_bookmarks (fk, type);"
             "CREATE INDEX moz_bookmarks_parentindex ON moz_bookmarks (parent, position);"
             "BEGIN;");
        folderRow(Root, 0, 0, "", "root________");
        folderRow(Menu, Root, 0, "menu", "menu________");
        folderRow(Toolbar, Root, 1, "toolbar", "toolbar_____");
        folderRow(Tags, Root, 2, "tags", "tags________");
        folderRow(Unfiled, Root, 3, "unfiled", "unfiled_____");
        folderRow(Mobile, Root, 4, "mobile", "mobile______");
    }
    ~FirefoxPlacesFixture() {
        exec("COMMIT;");
        sqlite3_close(db_);
    }

    // A new folder as the last child of `parent`; returns its id.
    std::int64_t folder(std::int64_t parent, const std::string& title) {
        const std::int64_t id = ++lastId_;
        folderRow(id, parent, nextPosition(parent), title, "f" + std::to_string(id));
        return id;
    }
    // A bookmark as the last child of `parent`; the address gets one place row.
    std::int64_t bookmark(std::int64_t parent, const std::string& title, const std::string& url) {
        const std::int64_t place = placeFor(url);
        const std::int64_t id = ++lastId_;
        row(id, 1, place, parent, nextPosition(parent), title, "b" + std::to_string(id));
        return id;
    }
    std::int64_t bookmarkWithoutTitle(std::int64_t parent, const std::string& url) {
        const std::int64_t id = bookmark(parent, "", url);
        exec("UPDATE moz_bookmarks SET title = NULL WHERE id = " + std::to_string(id));
        return id;
    }
    void separator(std::int64_t parent) {
        const std::int64_t id = ++lastId_;
        row(id, 3, 0, parent, nextPosition(parent), "", "s" + std::to_string(id));
    }
    // A description, kept as older versions of Firefox kept it: an annotation of the bookmark.
    void describe(std::int64_t id, const std::string& text) { annotate(id, "bookmarkProperties/description", text); }
    // An annotation of the item, under the attribute of that name.
    void annotate(std::int64_t id, const std::string& attribute, const std::string& content) {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db_, "INSERT OR IGNORE INTO moz_anno_attributes (name) VALUES (?)", -1, &s, nullptr);
        sqlite3_bind_text(s, 1, attribute.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(s);
        sqlite3_finalize(s);
        sqlite3_prepare_v2(db_,
                           "INSERT INTO moz_items_annos (item_id, anno_attribute_id, content) "
                           "SELECT ?, id, ? FROM moz_anno_attributes WHERE name = ?",
                           -1, &s, nullptr);
        sqlite3_bind_int64(s, 1, id);
        sqlite3_bind_text(s, 2, content.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(s, 3, attribute.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(s);
        sqlite3_finalize(s);
    }
    // Tags the address: a folder of that name in the tags folder holding a bookmark of the address.
    void tag(const std::string& url, const std::string& tagName) {
        std::int64_t tagFolder = 0;
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db_, "SELECT id FROM moz_bookmarks WHERE parent = 4 AND title = ?", -1, &s, nullptr);
        sqlite3_bind_text(s, 1, tagName.c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(s) == SQLITE_ROW)
            tagFolder = sqlite3_column_int64(s, 0);
        sqlite3_finalize(s);
        if (!tagFolder)
            tagFolder = folder(Tags, tagName);
        bookmark(tagFolder, "", url);
    }

private:
    void exec(const std::string& sql) {
        char* error = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            std::string text = error ? error : "?";
            sqlite3_free(error);
            throw std::runtime_error(text);
        }
    }
    int nextPosition(std::int64_t parent) {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db_, "SELECT count(*) FROM moz_bookmarks WHERE parent = ?", -1, &s, nullptr);
        sqlite3_bind_int64(s, 1, parent);
        sqlite3_step(s);
        const int n = sqlite3_column_int(s, 0);
        sqlite3_finalize(s);
        return n;
    }
    std::int64_t placeFor(const std::string& url) {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db_, "INSERT INTO moz_places (url, guid) VALUES (?, ?)", -1, &s, nullptr);
        sqlite3_bind_text(s, 1, url.c_str(), -1, SQLITE_TRANSIENT);
        const std::string guid = "p" + std::to_string(++places_);
        sqlite3_bind_text(s, 2, guid.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(s);
        sqlite3_finalize(s);
        return sqlite3_last_insert_rowid(db_);
    }
    void folderRow(std::int64_t id, std::int64_t parent, int position, const std::string& title, const std::string& guid) {
        row(id, 2, 0, parent, position, title, guid);
    }
    void row(std::int64_t id, int type, std::int64_t fk, std::int64_t parent, int position, const std::string& title,
             const std::string& guid) {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db_,
                           "INSERT INTO moz_bookmarks (id, type, fk, parent, position, title, dateAdded, "
                           "lastModified, guid) VALUES (?, ?, ?, ?, ?, ?, 1700000000000000, 1700000000000000, ?)",
                           -1, &s, nullptr);
        sqlite3_bind_int64(s, 1, id);
        sqlite3_bind_int(s, 2, type);
        if (fk)
            sqlite3_bind_int64(s, 3, fk);
        sqlite3_bind_int64(s, 4, parent);
        sqlite3_bind_int(s, 5, position);
        sqlite3_bind_text(s, 6, title.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(s, 7, guid.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(s);
        sqlite3_finalize(s);
    }

    sqlite3* db_ = nullptr;
    std::int64_t lastId_ = Mobile;
    std::int64_t places_ = 0;
};
