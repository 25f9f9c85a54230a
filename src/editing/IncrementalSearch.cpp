#include "IncrementalSearch.h"

#include "Selection.h"
#include "collection/DisplayText.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace {

// Decodes UTF-8 that is known to be valid.
std::vector<char32_t> codePoints(std::string_view utf8) {
    std::vector<char32_t> result;
    result.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        const int length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        char32_t cp = length == 1 ? c : length == 2 ? (c & 0x1F) : length == 3 ? (c & 0x0F) : (c & 0x07);
        for (int k = 1; k < length && i + static_cast<std::size_t>(k) < utf8.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]) & 0x3F);
        result.push_back(cp);
        i += static_cast<std::size_t>(length);
    }
    return result;
}

// Letter case folded to small letters for the scripts names are written in: Latin (with the
// Windows-1252 additions), Greek and Cyrillic.
char32_t folded(char32_t c) {
    if (c < 0x80)
        return c >= 'A' && c <= 'Z' ? c + 0x20 : c;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2) ||
        (c >= 0x410 && c <= 0x42F))
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40F)
        return c + 0x50;
    if (c == 0x178)
        return 0xFF;
    // Latin Extended-A pairs capital and small letters side by side, capital first; in two runs the
    // capital is the odd one.
    if ((c >= 0x100 && c <= 0x137 && c != 0x130) || (c >= 0x14A && c <= 0x177))
        return c | 1;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
        return (c & 1) ? c + 1 : c;
    return c;
}

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

int compareFolded(char32_t a, char32_t b) {
    const char32_t fa = folded(a), fb = folded(b);
    return fa == fb ? 0 : fa < fb ? -1 : 1;
}

} // namespace

int LinksTreeIncrementalSearch(const Node* item, std::string_view searchText) {
    const std::string& name = item->data.Name;
    // Most names and search texts are ASCII: compared as bytes, without decoding.
    if (isAscii(name) && isAscii(searchText)) {
        const std::size_t n = std::min(name.size(), searchText.size());
        for (std::size_t i = 0; i < n; ++i)
            if (int c = compareFolded(static_cast<unsigned char>(name[i]), static_cast<unsigned char>(searchText[i])))
                return c;
        return 0;
    }
    const std::vector<char32_t> a = codePoints(displayText(name));
    const std::vector<char32_t> b = codePoints(isValidUtf8(searchText) ? std::string(searchText) : displayText(searchText));
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i)
        if (int c = compareFolded(a[i], b[i]))
            return c;
    return 0;
}

Node* findIncremental(const Outline& outline, Node* start, std::string_view searchText) {
    if (!start)
        start = outline.first();
    if (!start)
        return nullptr;
    Node* n = start;
    do {
        if (LinksTreeIncrementalSearch(n, searchText) == 0)
            return n;
        n = outline.next(n);
        if (!n)
            n = outline.first();
    } while (n != start);
    return nullptr;
}

bool IncrementalSearch::type(Outline& outline, std::string_view typed, std::int64_t now) {
    if (!lastTyped_ || now - *lastTyped_ >= kPause)
        text_.clear();
    lastTyped_ = now;
    const std::string text = text_ + std::string(typed);
    Node* match = findIncremental(outline, outline.focused(), text);
    if (!match)
        return false;
    text_ = text;
    selectOnly(outline, match);
    outline.setFocused(match);
    return true;
}
