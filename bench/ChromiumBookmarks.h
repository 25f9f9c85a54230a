// A Chromium-style bookmarks file ("roots" -> "bookmark_bar" -> nested "children"), the yardstick the
// collection file is compared with. Only names, addresses and the folder/URL distinction cross over.
#pragma once

#include "collection/Outline.h"

#include <string>

// Writes the outline as a bookmarks file, pretty-printed as the browser writes it: groups become
// folders, every other item a "url" entry; the top-level nodes are the children of "bookmark_bar".
void writeChromiumBookmarks(const Outline& outline, const std::string& path);

// Empties the outline and fills it from a bookmarks file, parsed whole with nlohmann::json: Name from
// "name", URL from "url", ItemType Group for folders and Url for urls. The children of every root
// become top-level nodes. Throws on a file that cannot be read or parsed.
void readChromiumBookmarks(Outline& outline, const std::string& path);
