#include "FoldedText.h"

#include "collection/DisplayText.h"

#include <array>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr std::array<char, 256> makeLowerTable() {
    std::array<char, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[static_cast<std::size_t>(c)] = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return t;
}
constexpr std::array<char, 256> kLower = makeLowerTable();

char lower(char c) {
    return kLower[static_cast<std::uint8_t>(c)];
}

// The base letters of U+00C0..U+017F, lower case; "" keeps the character, one or two letters replace
// it (ß -> ss, æ -> ae, œ -> oe).
constexpr const char* kLatin1[64] = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",  // C0
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss", // D0
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",  // E0
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y",  // F0
};
constexpr struct {
    char32_t last;
    const char* base;
} kLatinExtendedA[] = {
    {0x105, "a"}, {0x10D, "c"}, {0x111, "d"}, {0x11B, "e"}, {0x123, "g"}, {0x127, "h"},  {0x131, "i"}, {0x133, "ij"},
    {0x135, "j"}, {0x138, "k"}, {0x142, "l"}, {0x14B, "n"}, {0x151, "o"}, {0x153, "oe"}, {0x159, "r"}, {0x161, "s"},
    {0x167, "t"}, {0x173, "u"}, {0x175, "w"}, {0x178, "y"}, {0x17E, "z"}, {0x17F, "s"},
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
        appendUtf8(out, cp + 0x20); // Greek and Cyrillic capitals
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

// Searches `needle` in `hay`, whose letters are compared in lower case (a folded needle has no
// capitals). The first byte is looked for with memchr in both cases, the rest compared in place.
template <class Visit> void forEachOccurrence(std::string_view hay, std::string_view needle, Visit&& visit) {
    if (needle.size() > hay.size())
        return;
    const char first = needle.front();
    const char firstUpper = first >= 'a' && first <= 'z' ? static_cast<char>(first - 32) : first;
    const char* const begin = hay.data();
    const char* const end = begin + (hay.size() - needle.size() + 1); // past the last possible start
    auto next = [end](const char* from, char c) {
        return from < end ? static_cast<const char*>(std::memchr(from, c, static_cast<std::size_t>(end - from)))
                          : nullptr;
    };
    const char* lowerAt = next(begin, first);
    const char* upperAt = firstUpper == first ? nullptr : next(begin, firstUpper);
    while (lowerAt || upperAt) {
        const char* at = !upperAt || (lowerAt && lowerAt < upperAt) ? lowerAt : upperAt;
        std::size_t k = 1;
        while (k < needle.size() && lower(at[k]) == needle[k])
            ++k;
        if (k == needle.size() && visit(static_cast<std::size_t>(at - begin)))
            return;
        if (at == lowerAt)
            lowerAt = next(at + 1, first);
        else
            upperAt = next(at + 1, firstUpper);
    }
}

enum class Scan { Done, NotAscii };

// The occurrences of an ASCII needle in bytes read as they are, sixteen at a time: a candidate is a
// byte equal to the needle's first one in either case. It gives up (NotAscii) at the first block
// holding a byte of 0x80 or more, before looking at that block's candidates, so every occurrence it
// reports lies in plain ASCII text and sits where it sits in the folded text.
template <class Visit> Scan forEachAsciiOccurrence(std::string_view hay, std::string_view needle, Visit&& visit) {
    const std::size_t n = hay.size();
    const char* const h = hay.data();
    const char first = needle.front();
    const bool letter = first >= 'a' && first <= 'z';
    auto matchesAt = [&](std::size_t at) {
        for (std::size_t k = 0; k < needle.size(); ++k)
            if (lower(h[at + k]) != needle[k])
                return false;
        return true;
    };
    const std::size_t lastStart = n >= needle.size() ? n - needle.size() : 0;
    std::size_t i = 0;
#if defined(__SSE2__)
    // Candidates match the needle's first two bytes (the second one read one byte further on).
    const char second = needle.size() > 1 ? needle[1] : first;
    const std::size_t secondOffset = needle.size() > 1 ? 1 : 0;
    const __m128i wanted = _mm_set1_epi8(first);
    const __m128i caseBit = _mm_set1_epi8(letter ? 0x20 : 0);
    const __m128i wantedSecond = _mm_set1_epi8(second);
    const __m128i secondCaseBit = _mm_set1_epi8(second >= 'a' && second <= 'z' ? 0x20 : 0);
    for (; i + 16 + secondOffset <= n; i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(h + i));
        if (_mm_movemask_epi8(block) != 0)
            return Scan::NotAscii;
        if (n < needle.size() || i > lastStart)
            continue; // only the ASCII check is left
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(h + i + secondOffset));
        const __m128i both = _mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(block, caseBit), wanted),
                                           _mm_cmpeq_epi8(_mm_or_si128(next, secondCaseBit), wantedSecond));
        auto candidates = static_cast<unsigned>(_mm_movemask_epi8(both));
        while (candidates) {
            const std::size_t at = i + static_cast<std::size_t>(__builtin_ctz(candidates));
            candidates &= candidates - 1;
            if (at > lastStart)
                break;
            if (matchesAt(at) && visit(at))
                return Scan::Done;
        }
    }
#endif
    for (; i < n; ++i) {
        if (static_cast<std::uint8_t>(h[i]) >= 0x80)
            return Scan::NotAscii;
        if (n >= needle.size() && i <= lastStart && lower(h[i]) == first && matchesAt(i) && visit(i))
            return Scan::Done;
    }
    return Scan::Done;
}

// Every occurrence of the folded needle in the folded form of bytes, in order, until `visit` answers
// true; `visit` gets the text searched (the bytes, or their folded form in `scratch`) and the position.
template <class Visit>
void forEachFoldedOccurrence(std::string_view bytes, std::string_view needle, std::string& scratch, Visit&& visit) {
    if (isAscii(needle) &&
        forEachAsciiOccurrence(bytes, needle, [&](std::size_t at) { return visit(bytes, at); }) == Scan::Done)
        return;
    scratch.clear();
    appendFolded(scratch, bytes);
    const std::string_view folded = scratch;
    forEachOccurrence(folded, needle, [&](std::size_t at) { return visit(folded, at); });
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
        appendFoldedUtf8(out, displayText(bytes)); // Windows-1252, decoded as the program shows it
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
    forEachFoldedOccurrence(bytes, needle, scratch, [&](std::string_view hay, std::size_t at) {
        if (!hit.found) {
            hit.found = true;
            hit.atStart = at == 0;
        }
        hit.atWordStart = at == 0 || !isWordByte(hay[at - 1]) || !isWordByte(needle.front());
        return hit.atWordStart; // nothing better is to come
    });
    return hit;
}

bool containsFolded(std::string_view bytes, std::string_view needle, std::string& scratch) {
    if (needle.empty())
        return false;
    bool found = false;
    forEachFoldedOccurrence(bytes, needle, scratch, [&](std::string_view, std::size_t) { return found = true; });
    return found;
}
