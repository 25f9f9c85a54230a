#include "LinkCapture.h"

#include "editing/CreateNewLink.h"

void AddActiveLinks(Outline& links, BrowserWindows& windows, Dialogs& dialogs) {
    Node* const parent = links.focused();
    const OpenBrowserTabs open = windows.openTabs();
    for (const BrowserTab& tab : open.tabs)
        CreateNewLink(links, TreeKind::Links, parent, tab.LocationURL, tab.LocationName);
    if (open.error)
        dialogs.showError(*open.error);
}

void DeleteIECache(UrlCache& cache) {
    for (const std::string& entry : cache.entries())
        cache.deleteEntry(entry);
}
