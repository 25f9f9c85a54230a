// Firefox's bookmarks database "places.sqlite", opened read-only and immutable so that a running
// Firefox is neither disturbed nor able to block the import: the toolbar, menu, other and mobile
// folders in the browser's order, tags as each bookmark's tags, without "place:" queries and separators.
#pragma once

#include "exchange/BookmarkTree.h"

#include <cstdint>
#include <span>
#include <string>

// Throws ExchangeError with the reason ("it is not a database", "it is not a Firefox bookmarks
// database") when the file cannot be read as such.
BookmarkTree readFirefoxPlaces(const std::string& path, const CancelFlag* cancel = nullptr);

// The same from the bytes of a database held in memory.
BookmarkTree readFirefoxPlacesBytes(std::span<const std::uint8_t> bytes, const CancelFlag* cancel = nullptr);
