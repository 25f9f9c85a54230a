// Capturing links from outside: the tabs open in the user's browsers become items of the outline,
// and the browsers' web caches are emptied. (The clipboard's text comes in through the creating
// commands; files dropped on the window through the file drop.)
#pragma once

#include "collection/Outline.h"
#include "platform/BrowserWindows.h"
#include "platform/Dialogs.h"
#include "platform/UrlCache.h"

// "Add Active Links": one Note for every open tab, in the order the browsers give them, each the last
// child of the item that was focused when the command began (the last top-level item when none
// was), with the tab's address as URL and its title as Name. Nothing is filtered or sorted; an
// address the outline already holds is added again. When a browser's windows cannot be read, the
// items of the tabs before it stay and the error is shown.
void AddActiveLinks(Outline& links, BrowserWindows& windows, Dialogs& dialogs);

// "Delete Temporary Internet Files": deletes every entry of the web caches; an entry that cannot be
// deleted is passed over. Nothing is asked before and nothing is shown after.
void DeleteIECache(UrlCache& cache);
