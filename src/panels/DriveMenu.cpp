#include "panels/DriveMenu.h"

#include "editing/CreateNewLink.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <utility>

namespace fs = std::filesystem;

namespace {

constexpr int kFolderImage = 3;

struct DriveLook {
    const char* group;
    int image;
    int tag;
};

DriveLook lookOf(DriveType type) {
    switch (type) {
    case DriveType::Removable: return {"Removable Media", 0, MenuEntry::kReadEveryTime};
    case DriveType::Fixed: return {"Hard Disk(s)", 1, MenuEntry::kNotRead};
    case DriveType::Network: return {"Remote drive(s)", 1, MenuEntry::kReadEveryTime};
    case DriveType::CD: return {"CD Drive(s)", 2, MenuEntry::kReadEveryTime};
    case DriveType::Other: break;
    }
    return {"Other", -1, MenuEntry::kNotRead};
}

std::string captionOf(const Drive& drive) {
    switch (drive.type) {
    case DriveType::Removable: return "Drive  (" + drive.mountPoint + ")";
    case DriveType::Fixed: return drive.label + " (" + drive.mountPoint + ")";
    case DriveType::Network: return "Remote Drive  (" + drive.mountPoint + ")";
    case DriveType::CD: return "CD Drive  (" + drive.mountPoint + ")";
    case DriveType::Other: break;
    }
    return drive.mountPoint;  // the drive must be told apart from the others
}

std::string withSlash(std::string path) {
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

std::unique_ptr<MenuEntry> separator(std::string label = {}) {
    auto entry = std::make_unique<MenuEntry>();
    entry->kind = MenuEntry::Kind::Separator;
    entry->hint = std::move(label);
    return entry;
}

// A drive or folder entry with its "(Folder empty)" placeholder.
std::unique_ptr<MenuEntry> folderEntry(std::string caption, std::string path, int image, int tag) {
    auto entry = std::make_unique<MenuEntry>();
    entry->caption = std::move(caption);
    entry->hint = std::move(path);
    entry->image = image;
    entry->tag = tag;
    entry->action = MenuEntry::Action::PopulateDirectory;
    auto placeholder = std::make_unique<MenuEntry>();
    placeholder->caption = kFolderEmpty;
    placeholder->enabled = false;
    entry->add(std::move(placeholder));
    return entry;
}

// Real sub-entries arrive: the placeholder hides and an unread entry counts as read.
void receiving(MenuEntry& entry) {
    if (!entry.children.empty())
        entry.children.front()->visible = false;
    if (entry.tag == MenuEntry::kNotRead)
        entry.tag = MenuEntry::kRead;
}

bool isHidden(const std::string& name) { return name.empty() || name.front() == '.'; }

void readFolder(MenuEntry& entry) {
    const std::string& path = entry.hint;
    std::vector<std::string> folders, files;
    std::error_code error;
    fs::directory_iterator it(path, fs::directory_options::skip_permission_denied, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (isHidden(name))
            continue;
        std::error_code kindError;
        (it->is_directory(kindError) ? folders : files).push_back(name);
    }
    for (const std::string& name : folders) {
        receiving(entry);
        entry.add(folderEntry(name, path + name + "/", kFolderImage, MenuEntry::kNotRead));
    }
    if (files.empty())
        return;
    receiving(entry);
    if (!folders.empty())
        entry.add(separator());
    for (const std::string& name : files) {
        auto file = std::make_unique<MenuEntry>();
        file->caption = name;
        file->hint = path + name;
        file->image = FileImage(name);
        file->action = MenuEntry::Action::OpenFile;
        file->reduceSeparators = false;
        entry.add(std::move(file));
    }
}

}  // namespace

int FileImage(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos)
        return 4;
    std::string extension(fileName.substr(dot));
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
    static const std::vector<std::pair<std::vector<std::string_view>, int>> table{
        {{".URL"}, 5},
        {{".TXT", ".DOC"}, 6},
        {{".HTM", ".HTML"}, 7},
        {{".ZIP", ".CAB"}, 8},
        {{".EXE", ".BAT", ".COM"}, 9},
        {{".WAV", ".MP3", ".M3U", ".MID"}, 10},
    };
    for (const auto& [extensions, image] : table)
        if (std::find(extensions.begin(), extensions.end(), extension) != extensions.end())
            return image;
    return 4;
}

void FillDriveMenu(MenuEntry& entry, const Drives& drives) {
    if (!entry.children.empty())
        return;
    bool first = true;
    DriveType previous = DriveType::Other;
    for (const Drive& drive : drives.drives()) {
        const DriveLook look = lookOf(drive.type);
        if (first || drive.type != previous)
            entry.add(separator(look.group));
        first = false;
        previous = drive.type;
        entry.add(folderEntry(captionOf(drive), withSlash(drive.mountPoint), look.image, look.tag));
    }
}

std::string PopuplateDirectory(MenuEntry& entry) {
    if (entry.tag >= 0 && !entry.hint.empty())
        return kBufferUsed;
    if (entry.tag == MenuEntry::kReadEveryTime && entry.children.size() > 1) {
        entry.children.erase(entry.children.begin() + 1, entry.children.end());
        entry.children.front()->visible = true;
    }
    readFolder(entry);
    return {};
}

Node* OpenFile(const MenuEntry& entry, Outline& links) {
    return CreateNewLink(links, TreeKind::Links, links.focused(), entry.hint, entry.hint);
}

std::vector<const MenuEntry*> ShownEntries(const MenuEntry& entry) {
    std::vector<const MenuEntry*> shown;
    for (const auto& child : entry.children) {
        if (!child->visible)
            continue;
        if (entry.reduceSeparators && child->isSeparator() && (shown.empty() || shown.back()->isSeparator()))
            continue;
        shown.push_back(child.get());
    }
    if (entry.reduceSeparators)
        while (!shown.empty() && shown.back()->isSeparator())
            shown.pop_back();
    return shown;
}
