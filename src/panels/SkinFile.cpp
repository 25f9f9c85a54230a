#include "SkinFile.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <vector>

namespace {

std::string_view trim(std::string_view s) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && isSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

// A decimal number, as the whole text; anything else reads as 0.
std::int32_t number(std::string_view text) {
    std::int32_t value = 0;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (begin != end && *begin == '+')
        ++begin;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    return ec == std::errc() && ptr == end ? value : 0;
}

// The set of a bracket notation "[a,b]": its names, trimmed; nullopt-like false when it is no set.
bool setNames(std::string_view text, std::vector<std::string_view>& names) {
    if (text.size() < 2 || text.front() != '[' || text.back() != ']')
        return false;
    text = text.substr(1, text.size() - 2);
    while (!text.empty()) {
        const auto comma = text.find(',');
        const std::string_view name = trim(text.substr(0, comma));
        if (!name.empty())
            names.push_back(name);
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    return true;
}

// A yes/no enumeration; the property keeps its value for any other name.
void boolean(std::string_view text, bool& target) {
    if (equalsNoCase(text, "True"))
        target = true;
    else if (equalsNoCase(text, "False"))
        target = false;
}

struct Property {
    std::string_view key; // prefix, kind letter and property name
    std::function<void(SkinStyle&, std::string_view)> set;
};

#define NUMBER(prefix, name, field) {prefix "N" name, [](SkinStyle& s, std::string_view v) { s.field = number(v); }}
#define BOOLEAN(prefix, name, field) {prefix "E" name, [](SkinStyle& s, std::string_view v) { boolean(v, s.field); }}

const std::vector<Property>& properties() {
    static const std::vector<Property> table = {
        NUMBER("TRbStyleManager", "Color", Color),
        NUMBER("TRbStyleManager", "PanelBorderColor", PanelBorder),
        BOOLEAN("TRbStyleManager", "ShowFocusRect", ShowFocusRect),
        BOOLEAN("TRbStyleManager", "GradientBorder", GradientBorder),
        BOOLEAN("TRbStyleManager", "TextShadow", TextShadow),
        BOOLEAN("TRbStyleManager", "HotTrack", HotTrack),
        {"TRbStyleManagerEFadeSpeed",
         [](SkinStyle& s, std::string_view v) {
             constexpr std::pair<std::string_view, FadeSpeed> names[] = {
                 {"fsNone", FadeSpeed::None}, {"fsSlow", FadeSpeed::Slow},
                 {"fsMedium", FadeSpeed::Medium}, {"fsFast", FadeSpeed::Fast}};
             for (const auto& [name, speed] : names)
                 if (equalsNoCase(v, name))
                     s.Fade = speed;
         }},
        NUMBER("TRbControlColors", "DefaultFrom", Colors.DefaultFrom),
        NUMBER("TRbControlColors", "DefaultTo", Colors.DefaultTo),
        NUMBER("TRbControlColors", "OverFrom", Colors.OverFrom),
        NUMBER("TRbControlColors", "OverTo", Colors.OverTo),
        NUMBER("TRbControlColors", "ClickedFrom", Colors.ClickedFrom),
        NUMBER("TRbControlColors", "ClickedTo", Colors.ClickedTo),
        NUMBER("TRbControlColors", "HotTrack", Colors.HotTrack),
        NUMBER("TRbControlColors", "Border", Colors.Border),
        NUMBER("TRbControlColors", "TextShadow", Colors.TextShadow),
        NUMBER("TRbControlColors", "CheckMark", Colors.CheckMark),
        NUMBER("TRbSplitterColors", "Color", Splitter.Color),
        NUMBER("TRbSplitterColors", "OverFrom", Splitter.OverFrom),
        NUMBER("TRbSplitterColors", "OverTo", Splitter.OverTo),
        {"TFontEName",
         [](SkinStyle& s, std::string_view v) {
             if (!v.empty())
                 s.Font.Name = std::string(v);
         }},
        NUMBER("TFont", "Height", Font.Height),
        NUMBER("TFont", "Color", Font.Color),
        {"TFontSStyle",
         [](SkinStyle& s, std::string_view v) {
             std::vector<std::string_view> names;
             if (!setNames(v, names))
                 return;
             const auto has = [&names](std::string_view n) {
                 return std::any_of(names.begin(), names.end(), [n](std::string_view x) { return equalsNoCase(x, n); });
             };
             s.Font.Bold = has("fsBold");
             s.Font.Italic = has("fsItalic");
             s.Font.Underline = has("fsUnderline");
             s.Font.StrikeOut = has("fsStrikeOut");
         }},
    };
    return table;
}

#undef NUMBER
#undef BOOLEAN

} // namespace

void ReadSkin(std::string_view text, SkinStyle& style) {
    SkinStyle read = style;
    // Editors on the desktop may save the file with a UTF-8 byte order mark.
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    bool inSection = false;
    int keys = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            const auto close = line.find(']');
            inSection = close != std::string_view::npos && equalsNoCase(trim(line.substr(1, close - 1)), "RbControls");
            continue;
        }
        const auto equals = line.find('=');
        if (!inSection || equals == std::string_view::npos || equals == 0)
            continue;
        ++keys;
        const std::string_view key = trim(line.substr(0, equals));
        const std::string_view value = trim(line.substr(equals + 1));
        for (const Property& p : properties())
            if (equalsNoCase(key, p.key)) {
                p.set(read, value);
                break;
            }
    }
    if (keys == 0)
        throw SkinFileError(kSkinFileInvalid);
    style = std::move(read);
}

void LoadSkinFile(const std::string& path, SkinStyle& style) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw SkinFileError(kSkinFileMissing);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ReadSkin(text, style);
}
