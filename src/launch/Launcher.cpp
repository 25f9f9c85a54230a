#include "Launcher.h"

#include "collection/DisplayText.h"
#include "collection/ItemType.h"

std::string GetAccessInfo(const Clock& clock) {
    return "Last visited: [" + clock.dateText() + "] [" + getTime(clock) + "]";
}

std::string searchAddress(const std::string& phrase) {
    return kSearchAddressPrefix + phrase;
}

void Launcher::open(const std::string& file, const std::string& parameters, const std::string& directory) {
    s_.shell.execute({"open", file, parameters, directory});
}

void Launcher::print(const LinkItem& item) {
    s_.shell.execute({"print", item.URL, item.Params, {}});
}

void Launcher::sorry() {
    s_.dialogs.showMessage(kUrlEmpty);
}

void Launcher::stamp(Outline& tree, Node* item) {
    item->data.AccessInfo = GetAccessInfo(s_.clock);
    tree.recordChanged(item);
}

void Launcher::BrowseNodeURL(Outline& tree, Node* item, int mode) {
    if (!item)
        return;
    const LinkItem& d = item->data;
    const bool web = mode != LaunchMode::Embedded; // mode 1 opens no web item, folder or mail
    switch (d.ItemType) {
    case ItemType::File:
    case ItemType::Application:
    case ItemType::None:
        if (d.URL.empty())
            return sorry();
        return open(d.URL, d.Params, d.Dir);
    case ItemType::Url:
    case ItemType::SavedPage:
        if (d.URL.empty())
            return sorry();
        if (mode == LaunchMode::NewBrowserWindow)
            open(kBrowserProgram, kBrowserNewWindow + d.URL);
        else if (mode == LaunchMode::ShellDefault)
            open(d.URL);
        return;
    case ItemType::Folder:
        if (d.URL.empty())
            return sorry();
        if (web)
            open(kFileManagerProgram, kFileManagerFolder + d.URL, d.Dir);
        return;
    case ItemType::GoogleSearch:
        if (d.Name.empty())
            return sorry();
        if (mode == LaunchMode::NewBrowserWindow)
            open(kBrowserProgram, kBrowserNewWindow + searchAddress(d.Name));
        else if (mode == LaunchMode::ShellDefault)
            open(searchAddress(d.Name));
        return stamp(tree, item);
    case ItemType::Email:
        if (d.URL.empty())
            return sorry();
        if (web)
            open("mailto:" + d.URL, d.Params);
        return;
    case ItemType::Note:
        if (!d.Text.empty())
            s_.clipboard.setText(d.Text);
        return;
    case ItemType::Warning:
        if (!d.Text.empty())
            s_.dialogs.showMessage(displayText(d.Text));
        return;
    case ItemType::PrintJob:
        if (d.URL.empty())
            return sorry();
        return print(d);
    default: // Group, AutoFill, CopyText and unknown types have no action
        return;
    }
}

void Launcher::LaunchItem(Outline& tree, Node* item, int mode) {
    if (!item)
        return;
    BrowseNodeURL(tree, item, mode);
    if (item->data.ItemType != ItemType::GoogleSearch) // stamped already
        stamp(tree, item);
}

void Launcher::BrowseURL(Outline& tree, int mode) {
    if (!tree.focused()) {
        s_.dialogs.showMessage(kNoNodeSelected);
        return;
    }
    Node* item = tree.firstSelected();
    if (!item) // focused but nothing selected: there is nothing to launch
        return;
    const LinkItem& d = item->data;
    switch (d.ItemType) {
    case ItemType::Url:
    case ItemType::Folder:
    case ItemType::File:
    case ItemType::SavedPage:
        if (d.URL.empty())
            sorry();
        else if (mode == LaunchMode::NewBrowserWindow)
            open(d.URL, d.Params);
        break;
    case ItemType::Application:
    case ItemType::None:
        if (d.URL.empty())
            sorry();
        else
            open(d.URL, d.Params, d.Dir);
        break;
    case ItemType::GoogleSearch:
        if (mode == LaunchMode::NewBrowserWindow)
            open(kBrowserProgram, kBrowserNewWindow + searchAddress(d.Name));
        break;
    case ItemType::PrintJob:
        if (d.URL.empty())
            sorry();
        else if (mode == LaunchMode::NewBrowserWindow || mode == LaunchMode::Embedded)
            print(d);
        break;
    default: // Group, Email, Note, Warning, AutoFill, CopyText and unknown types: nothing but the stamp
        break;
    }
    stamp(tree, item);
}

void Launcher::OpenURL(Outline& tree, int mode) {
    if (tree.selectedCount() < 1) {
        s_.dialogs.showMessage(kNoNodeSelected);
        return;
    }
    for (Node* item : tree.selectedNodes())
        BrowseNodeURL(tree, item, mode);
}
