// The session files of Chromium and the browsers built on it ("SNSS"): the signature "SNSS", a
// 32-bit version, then records that each hold a 16-bit size, a command number and the command's
// bytes. The commands tell, one change at a time, which tab lies in which window at which place,
// which pages each tab has visited and which of them it shows; replaying them gives the windows.
#pragma once

#include "platform/BrowserWindows.h"

#include <cstdint>
#include <span>
#include <vector>

// Every open tab in order, window by window (in the order the file first names them), tab by tab
// (by their place in the window), with the address and title (the address when the page has no
// title) of the page it shows; SessionFileError when the file is damaged. A last record cut short
// is the end of a file the browser is still writing, not damage.
std::vector<BrowserTab> readChromiumSession(std::span<const std::uint8_t> file);
