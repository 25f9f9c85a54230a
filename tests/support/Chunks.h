// Hand-made node stream bytes for reader tests.
#pragma once

#include "collection/NodeStream.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

using ByteList = Bytes;

inline void append(ByteList& out, const ByteList& more) { out.insert(out.end(), more.begin(), more.end()); }

inline ByteList le32(std::int32_t v) {
    auto u = static_cast<std::uint32_t>(v);
    return {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8), static_cast<std::uint8_t>(u >> 16),
            static_cast<std::uint8_t>(u >> 24)};
}

inline ByteList le16(std::uint16_t v) { return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)}; }

inline ByteList cat(std::initializer_list<ByteList> parts) {
    ByteList out;
    for (const ByteList& p : parts)
        append(out, p);
    return out;
}

// A chunk: type, size of the body, body.
inline ByteList chunk(std::int32_t type, const ByteList& body) { return cat({le32(type), le32(static_cast<std::int32_t>(body.size())), body}); }

inline ByteList fileHeader(std::uint16_t version) {
    return cat({le16(0x2045), le16(0x0056), le16(0x0054), le16(version), le16(0x0020), le16(0x2046)});
}

// A version 2 base body.
inline ByteList baseBody(std::uint32_t children, std::uint16_t states, std::uint8_t alignment = 50) {
    return cat({le32(static_cast<std::int32_t>(children)), le32(20), le16(states), {alignment, 0, 0}, le32(0)});
}

inline ByteList text(const std::string& s) {
    return cat({le32(static_cast<std::int32_t>(s.size())), ByteList(s.begin(), s.end())});
}

// A record whose Name is `name` and every other field empty or zero.
inline ByteList recordNamed(const std::string& name) {
    ByteList r = text(name);
    for (int i = 0; i < 7; ++i)
        append(r, le32(0));                     // Text .. Reserved
    append(r, ByteList(2 + 2 + 2 + 4 + 1 + 1)); // date, periodicity, week days, fired
    append(r, le32(0));                         // Params
    append(r, le32(0));                         // Dir
    append(r, ByteList(16));                    // ItemType, User, Priority, Sets
    for (int i = 0; i < 4; ++i)
        append(r, le32(0));                     // AccessInfo .. Password
    append(r, ByteList(8));                     // Color, BkColor
    for (int i = 0; i < 7; ++i)
        append(r, le32(0));                     // Contact .. Keyword5
    return r;
}

// A leaf node chunk with a version 2 base body and a record named `name`.
inline ByteList leaf(const std::string& name, std::uint16_t states = 0x0081) {
    return chunk(1, cat({chunk(2, baseBody(0, states)), chunk(4, recordNamed(name))}));
}
