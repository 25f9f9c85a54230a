// How stored text bytes are shown: valid UTF-8 as it is, anything else as Windows-1252 (the code
// page older collections were written in). The stored bytes themselves are never changed.
#pragma once

#include <string>
#include <string_view>

bool isValidUtf8(std::string_view bytes);

// The bytes as UTF-8 for display.
std::string displayText(std::string_view bytes);
