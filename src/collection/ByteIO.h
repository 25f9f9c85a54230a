// Little-endian byte writing and bounds-checked reading for the binary formats.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

#include "ItemText.h"

// Writes into a buffer sized beforehand: the writers of the formats know every byte they will write,
// so the buffer is allocated once and filled by plain copies. Writing past the end is a fault of the
// caller's sizing and throws std::length_error.
class ByteWriter {
public:
    ByteWriter(std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::size_t position() const { return pos_; }
    void u8(std::uint8_t v) { raw(&v, 1); }
    void u16(std::uint16_t v) { raw(&v, 2); }
    void u32(std::uint32_t v) { raw(&v, 4); }
    void i32(std::int32_t v) { raw(&v, 4); }
    void text(std::string_view s) {
        i32(static_cast<std::int32_t>(s.size()));
        raw(s.data(), s.size());
    }
    void patchI32(std::size_t at, std::int32_t v) { std::memcpy(data_ + at, &v, 4); }

private:
    // The formats are little-endian, as is every machine this program is built for.
    static_assert(std::endian::native == std::endian::little);
    void raw(const void* p, std::size_t n) {
        if (n > size_ - pos_)
            throw std::length_error("ByteWriter: more bytes than the buffer was sized for");
        if (n > 0)
            std::memcpy(data_ + pos_, p, n);
        pos_ += n;
    }
    std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Reads within [data, data + size); every read says whether it fitted and leaves the position
// unchanged when it did not.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    const std::uint8_t* data() const { return data_; }
    std::size_t size() const { return size_; }
    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return pos_ < size_ ? size_ - pos_ : 0; }
    void seek(std::size_t pos) { pos_ = pos; }  // may point past the end; reads then fail

    [[gnu::always_inline]] bool u8(std::uint8_t& v) { return raw(&v, 1); }
    [[gnu::always_inline]] bool u16(std::uint16_t& v) { return raw(&v, 2); }
    [[gnu::always_inline]] bool u32(std::uint32_t& v) { return raw(&v, 4); }
    [[gnu::always_inline]] bool i32(std::int32_t& v) { return raw(&v, 4); }
    // A text is a signed 32-bit count and that many bytes; a negative count or one larger than what
    // remains is not trusted and fails.
    [[gnu::always_inline]] bool text(std::string& s) { return readText([&s](std::string_view bytes) { s.assign(bytes); }); }
    // Straight from the read bytes into the record's text: each text is copied once.
    [[gnu::always_inline]] bool text(ItemText& s) { return readText([&s](std::string_view bytes) { s.assign(bytes); }); }

private:
    template <class Store> [[gnu::always_inline]] bool readText(Store&& store) {
        std::size_t start = pos_;
        std::int32_t n;
        if (!i32(n))
            return false;
        if (n < 0 || static_cast<std::size_t>(n) > remaining()) {
            pos_ = start;
            return false;
        }
        store(std::string_view(reinterpret_cast<const char*>(data_ + pos_), static_cast<std::size_t>(n)));
        pos_ += static_cast<std::size_t>(n);
        return true;
    }
    [[gnu::always_inline]] bool raw(void* p, std::size_t n) {
        if (n > remaining())
            return false;
        std::memcpy(p, data_ + pos_, n);
        pos_ += n;
        return true;
    }
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};
