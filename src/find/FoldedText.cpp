#include "FoldedText.h"

#include "collection/DisplayText.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::array<char, 256> makeLowerTable() {
    std::array<char, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[static_cast<std::size_t>(c)] = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return t;
}
constexpr std::array<char, 256> kLower = makeLowerTable();

char lower(char c) { return kLower[static_cast<std::uint8_t>(c)]; }

// The base letters of U+00C0..U+017F, lower case; "" keeps the character, one or two letters replace
// it (ß -> ss, æ -> ae, œ -> oe).
constexpr const char* kLatin1[64] = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",  // C0
    "d", "n", "o", "o", "o", "o", "o", "",  "o", "u", "u", "u", "u", "y", "th", "ss", // D0
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",  // E0
    "d", "n", "o", "o", "o", "o", "o", "",  "o", "u", "u", "u", "u", "y", "th", "y",  // F0
};
constexpr struct {
    char32_t last;
    const char* base;
} kLatinExtendedA[] = {
    {0x105, "a"}, {0x10D, "c"}, {0x111, "d"}, {0x11B, "e"}, {0x123, "g"},  {0x127, "h"}, {0x131, "i"},
    {0x133, "ij"}, {0x135, "j"}, {0x138, "k"}, {0x142, "l"}, {0x14B, "n"}, {0x151, "o"}, {0x153, "oe"},
    {0x159, "r"}, {0x161, "s"}, {0x167, "t"}, {0x173, "u"}, {0x175, "w"},  {0x178, "y"}, {0x17E, "z"},
    {0x17F, "s"},
};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void appendFoldedCodePoint(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += lower(static_cast<char>(cp));
    } else if (cp >= 0xC0 && cp <= 0xFF && *kLatin1[cp - 0xC0]) {
        out += kLatin1[cp - 0xC0];
    } else if (cp >= 0x100 && cp <= 0x17F) {
        for (const auto& range : kLatinExtendedA)
            if (cp <= range.last) {
                out += range.base;
                return;
            }
    } else if (cp >= 0x300 && cp <= 0x36F) {
        // A combining accent of a decomposed letter: dropped, as the accents of composed ones are.
    } else if ((cp >= 0x391 && cp <= 0x3AB && cp != 0x3A2) || (cp >= 0x410 && cp <= 0x42F)) {
        appendUtf8(out, cp + 0x20);  // Greek and Cyrillic capitals
    } else if (cp >= 0x400 && cp <= 0x40F) {
        appendUtf8(out, cp + 0x50);
    } else {
        appendUtf8(out, cp);
    }
}

// Decodes valid UTF-8 (checked before).
void appendFoldedUtf8(std::string& out, std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<std::uint8_t>(text[i]);
        if (c < 0x80) {
            out += lower(static_cast<char>(c));
            ++i;
            continue;
        }
        const std::size_t len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
        char32_t cp = c & (len == 2 ? 0x1F : len == 3 ? 0x0F : 0x07);
        for (std::size_t k = 1; k < len; ++k)
            cp = (cp << 6) | (static_cast<std::uint8_t>(text[i + k]) & 0x3F);
        appendFoldedCodePoint(out, cp);
        i += len;
    }
}

bool isWordByte(char c) {
    const auto u = static_cast<std::uint8_t>(c);
    return u >= 0x80 || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Searches `needle` in `hay`, whose letters are compared in lower case (a folded needle has no capitals).
template <class Visit> void forEachOccurrence(std::string_view hay, std::string_view needle, Visit&& visit) {
    if (needle.size() > hay.size())
        return;
    const char first = needle.front();
    const char firstUpper = first >= 'a' && first <= 'z' ? static_cast<char>(first - 32) : first;
    const std::size_t lastStart = hay.size() - needle.size();
    for (std::size_t i = 0; i <= lastStart; ++i) {
        const char c = hay[i];
        if (c != first && c != firstUpper)
            continue;
        std::size_t k = 1;
        while (k < needle.size() && lower(hay[i + k]) == needle[k])
            ++k;
        if (k == needle.size() && visit(i))
            return;
    }
}

// The text to search: the bytes themselves when plain ASCII, else their folded form in `scratch`.
std::string_view searchable(std::string_view bytes, std::string& scratch) {
    if (isAscii(bytes))
        return bytes;
    scratch.clear();
    appendFolded(scratch, bytes);
    return scratch;
}

} // namespace

bool isAscii(std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t n = bytes.size();
    for (; n >= 8; p += 8, n -= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        if (word & 0x8080808080808080ull)
            return false;
    }
    for (; n > 0; ++p, --n)
        if (static_cast<std::uint8_t>(*p) >= 0x80)
            return false;
    return true;
}

void appendFolded(std::string& out, std::string_view bytes) {
    if (isAscii(bytes)) {
        for (char c : bytes)
            out += lower(c);
    } else if (isValidUtf8(bytes)) {
        appendFoldedUtf8(out, bytes);
    } else {
        appendFoldedUtf8(out, displayText(bytes));  // Windows-1252, decoded as the program shows it
    }
}

std::string foldedText(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    appendFolded(out, bytes);
    return out;
}

FoldedHit findFolded(std::string_view bytes, std::string_view needle, std::string& scratch) {
    FoldedHit hit;
    if (needle.empty())
        return hit;
    const std::string_view hay = searchable(bytes, scratch);
    forEachOccurrence(hay, needle, [&](std::size_t at) {
        if (!hit.found) {
            hit.found = true;
            hit.atStart = at == 0;
        }
        hit.atWordStart = at == 0 || !isWordByte(hay[at - 1]) || !isWordByte(needle.front());
        return hit.atWordStart;  // nothing better is to come
    });
    return hit;
}

bool containsFolded(std::string_view bytes, std::string_view needle, std::string& scratch) {
    if (needle.empty())
        return false;
    bool found = false;
    forEachOccurrence(searchable(bytes, scratch), needle, [&](std::size_t) { return found = true; });
    return found;
}
