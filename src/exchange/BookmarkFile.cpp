#include "BookmarkFile.h"

#include "collection/FileIO.h"
#include "exchange/ChromiumBookmarks.h"
#include "exchange/FirefoxPlaces.h"
#include "exchange/HtmlBookmarks.h"

#include <fstream>

namespace {

constexpr std::string_view kSqliteHeader{"SQLite format 3\0", 16};
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::string fileName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string firstBytes(const std::string& path, std::size_t count) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(count, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

} // namespace

BookmarkFormat recogniseBookmarkFormat(std::string_view bytes) {
    if (bytes.starts_with(kSqliteHeader))
        return BookmarkFormat::FirefoxPlaces;
    if (bytes.starts_with(kUtf8Mark))
        bytes.remove_prefix(kUtf8Mark.size());
    const auto first = bytes.find_first_not_of(" \t\r\n");
    if (first != std::string_view::npos && bytes[first] == '{')
        return BookmarkFormat::Chromium;
    return BookmarkFormat::Html;
}

BookmarkFileContent readBookmarkFile(const std::string& path, const CancelFlag* cancel) {
    BookmarkFileContent content;
    try {
        if (!fileExists(path))
            throw ExchangeError("it does not exist");
        content.format = recogniseBookmarkFormat(firstBytes(path, 4096));
        if (content.format == BookmarkFormat::FirefoxPlaces) {
            content.tree = readFirefoxPlaces(path, cancel);
        } else if (content.format == BookmarkFormat::Html) {
            content.tree = readHtmlBookmarkFile(path, cancel);
        } else {
            const FileBytes bytes = readWholeFile(path);
            content.tree = readChromiumBookmarks(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), cancel);
        }
    } catch (const FileError& e) {
        throw ExchangeError(e.what());
    } catch (const ExchangeError& e) {
        throw ExchangeError("The bookmarks file \"" + path + "\" cannot be read: " + e.what() + ".");
    }
    return content;
}

std::string bookmarkFileLabel(const std::string& path, BookmarkFormat format) {
    switch (format) {
    case BookmarkFormat::FirefoxPlaces: return "Firefox bookmarks " + fileName(path);
    case BookmarkFormat::Chromium: return "Chromium bookmarks " + fileName(path);
    case BookmarkFormat::Html: break;
    }
    return "Bookmarks file " + fileName(path);
}
