#include "FirefoxSession.h"

#include "SessionFileError.h"

#include <lz4.h>
#include <nlohmann/json.hpp>

#include <climits>
#include <cstring>

namespace {

constexpr char kMagic[8] = {'m', 'o', 'z', 'L', 'z', '4', '0', '\0'};
constexpr std::size_t kHeaderSize = 12;
// Far beyond any real session; a stated size above it is not believed.
constexpr std::uint32_t kLargestText = 512u << 20;
// One LZ4 byte stands for at most 255 decompressed bytes.
constexpr std::uint64_t kLargestRatio = 255;

using nlohmann::json;

// A member that must be of a kind when it is there: nullptr when absent.
const json* member(const json& object, const char* name, json::value_t kind, const std::string& where) {
    const auto it = object.find(name);
    if (it == object.end())
        return nullptr;
    if (it->type() != kind)
        throw SessionFileError(where + " has a \"" + name + "\" that is not " +
                               (kind == json::value_t::array ? "a list" : "an object"));
    return &*it;
}

std::string text(const json& object, const char* name) {
    const auto it = object.find(name);
    return it != object.end() && it->is_string() ? it->get<std::string>() : std::string();
}

BrowserTab currentEntry(const json& tab, const json& entries, const std::string& where) {
    // "index" counts the entries from 1; a missing or impossible one means the last entry.
    std::size_t current = entries.size();
    const auto index = tab.find("index");
    if (index != tab.end() && index->is_number_integer()) {
        const std::int64_t i = index->get<std::int64_t>();
        if (i >= 1 && static_cast<std::uint64_t>(i) <= entries.size())
            current = static_cast<std::size_t>(i);
    }
    const json& entry = entries[current - 1];
    if (!entry.is_object())
        throw SessionFileError(where + " has an entry that is not an object");
    BrowserTab result{text(entry, "url"), text(entry, "title")};
    if (result.LocationName.empty())
        result.LocationName = result.LocationURL;
    return result;
}

} // namespace

std::string decompressMozLz4(std::span<const std::uint8_t> file) {
    if (file.size() < kHeaderSize || std::memcmp(file.data(), kMagic, sizeof kMagic) != 0)
        throw SessionFileError("it does not begin with the \"mozLz40\" header");
    std::uint32_t size = 0;
    std::memcpy(&size, file.data() + 8, 4); // little-endian, as every machine this runs on
    const std::uint64_t compressed = file.size() - kHeaderSize;
    if (compressed > INT_MAX || size > kLargestText)
        throw SessionFileError("it is too large");
    if (size > (compressed + 1) * kLargestRatio)
        throw SessionFileError("its stated size of " + std::to_string(size) + " bytes cannot come from " +
                               std::to_string(compressed) + " compressed bytes");
    std::string result(size, '\0');
    const int produced = LZ4_decompress_safe(reinterpret_cast<const char*>(file.data() + kHeaderSize), result.data(),
                                             static_cast<int>(compressed), static_cast<int>(size));
    if (produced < 0)
        throw SessionFileError("its LZ4 block is damaged");
    if (static_cast<std::uint32_t>(produced) != size)
        throw SessionFileError("its LZ4 block holds " + std::to_string(produced) + " bytes, not the " +
                               std::to_string(size) + " its header states");
    return result;
}

std::vector<BrowserTab> readFirefoxSession(std::span<const std::uint8_t> file) {
    const json session = json::parse(decompressMozLz4(file), nullptr, /*allow_exceptions=*/false);
    if (session.is_discarded())
        throw SessionFileError("its text is not valid JSON");
    if (!session.is_object())
        throw SessionFileError("its text is not a session object");
    const json* windows = member(session, "windows", json::value_t::array, "the session");
    if (!windows)
        throw SessionFileError("it has no window list");

    std::vector<BrowserTab> tabs;
    for (std::size_t w = 0; w < windows->size(); ++w) {
        const std::string window = "window " + std::to_string(w + 1);
        if (!(*windows)[w].is_object())
            throw SessionFileError(window + " is not an object");
        const json* windowTabs = member((*windows)[w], "tabs", json::value_t::array, window);
        if (!windowTabs)
            continue;
        for (std::size_t t = 0; t < windowTabs->size(); ++t) {
            const std::string where = window + ", tab " + std::to_string(t + 1);
            const json& tab = (*windowTabs)[t];
            if (!tab.is_object())
                throw SessionFileError(where + " is not an object");
            const json* entries = member(tab, "entries", json::value_t::array, where);
            if (entries && !entries->empty()) // a tab that has loaded nothing yet has no address
                tabs.push_back(currentEntry(tab, *entries, where));
        }
    }
    return tabs;
}
