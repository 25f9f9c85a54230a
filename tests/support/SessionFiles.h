// Small writers of browsers' session files, for tests and fuzz seeds: Firefox's "mozLz40" wrapping
// (a real LZ4 block) and Chromium's "SNSS" records.
#pragma once

#include <lz4.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using SessionBytes = std::vector<std::uint8_t>;

// A JSON text as Firefox stores its session: "mozLz40\0", the text's size, one LZ4 block.
inline SessionBytes mozLz4(const std::string& text) {
    SessionBytes out = {'m', 'o', 'z', 'L', 'z', '4', '0', '\0'};
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(text.size() >> (8 * i)));
    std::vector<char> block(static_cast<std::size_t>(LZ4_compressBound(static_cast<int>(text.size()))));
    const int n =
        LZ4_compress_default(text.data(), block.data(), static_cast<int>(text.size()), static_cast<int>(block.size()));
    out.insert(out.end(), block.begin(), block.begin() + n);
    return out;
}

// A Chromium session file, record by record.
class SnssWriter {
public:
    explicit SnssWriter(std::uint32_t version = 3) {
        bytes_ = {'S', 'N', 'S', 'S'};
        put32(bytes_, version);
    }

    SnssWriter& setTabWindow(std::int32_t window, std::int32_t tab) { return record(0, ints({window, tab})); }
    SnssWriter& setTabIndexInWindow(std::int32_t tab, std::int32_t place) { return record(2, ints({tab, place})); }
    SnssWriter& prunedFromBack(std::int32_t tab, std::int32_t index) { return record(5, ints({tab, index})); }
    // A navigation's pickle: tab, index, address, UTF-16 title, then fields the reader passes over.
    SnssWriter& updateTabNavigation(std::int32_t tab, std::int32_t index, const std::string& address,
                                    const std::u16string& title) {
        SessionBytes payload = ints({tab, index});
        putString(payload, address);
        put32(payload, static_cast<std::uint32_t>(title.size()));
        payload.insert(payload.end(), reinterpret_cast<const std::uint8_t*>(title.data()),
                       reinterpret_cast<const std::uint8_t*>(title.data()) + 2 * title.size());
        pad(payload);
        putString(payload, "page state");
        put32(payload, 1); // the transition
        SessionBytes pickle;
        put32(pickle, static_cast<std::uint32_t>(payload.size()));
        pickle.insert(pickle.end(), payload.begin(), payload.end());
        return record(6, pickle);
    }
    SnssWriter& setSelectedNavigationIndex(std::int32_t tab, std::int32_t index) {
        return record(7, ints({tab, index}));
    }
    SnssWriter& setSelectedTabInIndex(std::int32_t window, std::int32_t index) {
        return record(8, ints({window, index}));
    }
    SnssWriter& prunedFromFront(std::int32_t tab, std::int32_t count) { return record(11, ints({tab, count})); }
    SnssWriter& tabClosed(std::int32_t tab) { return record(16, ints({tab, 0, 0, 0})); }
    SnssWriter& windowClosed(std::int32_t window) { return record(17, ints({window, 0, 0, 0})); }
    SnssWriter& pruned(std::int32_t tab, std::int32_t index, std::int32_t count) {
        return record(24, ints({tab, index, count}));
    }
    // Any record: a 16-bit size (the command byte and the payload), the command, the payload.
    SnssWriter& record(std::uint8_t command, const SessionBytes& payload) {
        const auto size = static_cast<std::uint16_t>(payload.size() + 1);
        bytes_.push_back(static_cast<std::uint8_t>(size & 0xFF));
        bytes_.push_back(static_cast<std::uint8_t>(size >> 8));
        bytes_.push_back(command);
        bytes_.insert(bytes_.end(), payload.begin(), payload.end());
        return *this;
    }

    const SessionBytes& bytes() const { return bytes_; }

    static SessionBytes ints(std::initializer_list<std::int32_t> values) {
        SessionBytes out;
        for (std::int32_t v : values)
            put32(out, static_cast<std::uint32_t>(v));
        return out;
    }

private:
    static void put32(SessionBytes& out, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    static void pad(SessionBytes& out) {
        while (out.size() % 4)
            out.push_back(0);
    }
    static void putString(SessionBytes& out, const std::string& s) {
        put32(out, static_cast<std::uint32_t>(s.size()));
        out.insert(out.end(), s.begin(), s.end());
        pad(out);
    }

    SessionBytes bytes_;
};

// Writes a session file, making its folders.
inline void saveSessionFile(const std::filesystem::path& path, const SessionBytes& bytes) {
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
