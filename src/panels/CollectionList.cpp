#include "panels/CollectionList.h"

#include "editing/CreateNewLink.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <filesystem>
#include <string_view>

namespace fs = std::filesystem;

namespace {

char folded(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool matches(std::string_view pattern, std::string_view name) {
    std::size_t p = 0, n = 0, star = std::string_view::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || folded(pattern[p]) == folded(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

bool matchesAny(const std::string& filter, std::string_view name) {
    std::size_t start = 0;
    while (start <= filter.size()) {
        std::size_t end = filter.find(';', start);
        if (end == std::string::npos)
            end = filter.size();
        std::string_view pattern(filter.data() + start, end - start);
        if (!pattern.empty() && matches(pattern, name))
            return true;
        start = end + 1;
    }
    return false;
}

bool lessFolded(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return folded(x) < folded(y); });
}

}  // namespace

FoundFiles FindFiles(const std::string& folder, const std::string& filter) {
    FoundFiles found;
    fs::path path(folder);
    if (!path.has_filename())
        path = path.parent_path();  // "Info/" where a file named Info would pass for missing
    std::error_code error;
    if (!fs::exists(path, error) && !error)
        return found;
    fs::directory_iterator entry(path, error);
    for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
        std::error_code typeError;
        if (entry->is_directory(typeError))
            continue;
        const std::string name = entry->path().filename().string();
        if (matchesAny(filter, name))
            found.paths.push_back(entry->path().string());
    }
    found.complete = !error;
    std::sort(found.paths.begin(), found.paths.end(), lessFolded);
    found.paths.erase(std::unique(found.paths.begin(), found.paths.end()), found.paths.end());
    return found;
}

void FillDir(Outline& dir, const std::string& programFolder, Dialogs& dialogs) {
    const FoundFiles found = FindFiles(programFolder + "Info/", "*.goto");
    if (!found.complete)
        dialogs.showMessage(kFindFileFailed);
    for (const std::string& path : found.paths)
        CreateNewLink(dir, TreeKind::Dir, nullptr, path, fs::path(path).filename().string());
}

void OpenCollectionEntry(const Outline& dir, Documents& documents, Dialogs& dialogs) {
    const Node* entry = dir.focused();
    if (!entry)
        return;
    try {
        documents.LoadTree(entry->data.URL);
    } catch (const std::exception& error) {
        dialogs.showError(error.what());
    }
}
