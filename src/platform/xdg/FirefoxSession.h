// Firefox's session file (sessionstore-backups/recovery.jsonlz4): the header "mozLz40\0", the
// JSON text's size as 32 bits, then the text as one LZ4 block. The text lists the open windows,
// each with its tabs, each tab with its back-and-forward entries and the number of its current one.
#pragma once

#include "platform/BrowserWindows.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The JSON text of a "mozLz40" file; SessionFileError when the header or the block is damaged.
std::string decompressMozLz4(std::span<const std::uint8_t> file);

// Every open tab in order, window by window, with its current entry's address and title (the
// address when the page has no title); SessionFileError when the file is damaged.
std::vector<BrowserTab> readFirefoxSession(std::span<const std::uint8_t> file);
