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

std::vector<std::string> FindFiles(const std::string& folder, const std::string& filter) {
    std::vector<std::string> paths;
    fs::path path(folder);
    if (!path.has_filename())
        path = path.parent_path();  // "Info/" where a file named Info would pass for missing
    std::error_code error;
    if (!fs::exists(path, error) && !error)
        return paths;
    for (const fs::directory_entry& entry : fs::directory_iterator(path)) {
        if (entry.is_directory())
            continue;
        const std::string name = entry.path().filename().string();
        if (matchesAny(filter, name))
            paths.push_back(entry.path().string());
    }
    std::sort(paths.begin(), paths.end(), lessFolded);
    paths.erase(std::unique(paths.begin(), paths.end()), paths.end());
    return paths;
}

void FillDir(Outline& dir, const std::string& programFolder, Dialogs& dialogs) {
    std::vector<std::string> paths;
    try {
        paths = FindFiles(programFolder + "Info/", "*.goto");
    } catch (const std::exception&) {
        dialogs.showMessage(kFindFileFailed);
    }
    for (const std::string& path : paths)
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
