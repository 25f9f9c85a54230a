// A text field of a link record: the stored bytes exactly (zero bytes and 8-bit bytes included), in
// four bytes when empty and otherwise in the text arena. It reads as a std::string_view and is
// assigned from strings, so records keep their plain shape (`item.Name = "Home"`).
#pragma once

#include "TextArena.h"

#include <compare>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <utility>

class ItemText {
public:
    ItemText() noexcept = default;
    ItemText(std::string_view text) : handle_(storeOf(text)) {}
    ItemText(const std::string& text) : ItemText(std::string_view(text)) {}
    ItemText(const char* text) : ItemText(std::string_view(text)) {}
    ItemText(const ItemText& other) : ItemText(other.view()) {}
    ItemText(ItemText&& other) noexcept : handle_(std::exchange(other.handle_, 0)) {}
    ~ItemText() { TextArena::release(handle_); }

    ItemText& operator=(const ItemText& other) {
        if (this != &other)
            assign(other.view());
        return *this;
    }
    ItemText& operator=(ItemText&& other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    ItemText& operator=(std::string_view text) { return assign(text); }
    ItemText& operator=(const std::string& text) { return assign(text); }
    ItemText& operator=(const char* text) { return assign(text); }

    // The copy is made before the old bytes go, so a text may be assigned a part of itself.
    ItemText& assign(std::string_view text) {
        const std::uint32_t previous = std::exchange(handle_, storeOf(text));
        TextArena::release(previous);
        return *this;
    }
    void clear() noexcept { TextArena::release(std::exchange(handle_, 0)); }

    std::string_view view() const noexcept { return TextArena::view(handle_); }
    operator std::string_view() const noexcept { return view(); }
    operator std::string() const { return std::string(view()); }
    std::string str() const { return std::string(view()); }

    bool empty() const noexcept { return handle_ == 0; }
    std::size_t size() const noexcept { return view().size(); }
    const char* data() const noexcept { return view().data(); }
    char operator[](std::size_t i) const noexcept { return view()[i]; }
    char front() const noexcept { return view().front(); }
    char back() const noexcept { return view().back(); }

    friend bool operator==(const ItemText& a, const ItemText& b) noexcept { return a.view() == b.view(); }
    friend bool operator==(const ItemText& a, std::string_view b) noexcept { return a.view() == b; }
    friend bool operator==(const ItemText& a, const char* b) noexcept { return a.view() == b; }
    friend bool operator==(const ItemText& a, const std::string& b) noexcept { return a.view() == b; }
    friend std::strong_ordering operator<=>(const ItemText& a, const ItemText& b) noexcept {
        return a.view() <=> b.view();
    }
    friend std::strong_ordering operator<=>(const ItemText& a, std::string_view b) noexcept { return a.view() <=> b; }

private:
    static std::uint32_t storeOf(std::string_view text) {
        return text.empty() ? 0 : TextArena::store(text.data(), text.size());
    }

    std::uint32_t handle_ = 0;
};

// Prints the bytes as they are (test failure messages).
std::ostream& operator<<(std::ostream& out, const ItemText& text);

// Joining a text with other text gives a std::string.
inline std::string joined(std::string_view a, std::string_view b) {
    std::string s;
    s.reserve(a.size() + b.size());
    s.append(a).append(b);
    return s;
}
inline std::string operator+(const ItemText& a, const ItemText& b) { return joined(a, b); }
inline std::string operator+(const ItemText& a, const std::string& b) { return joined(a, b); }
inline std::string operator+(const ItemText& a, const char* b) { return joined(a, b); }
inline std::string operator+(const ItemText& a, char b) { return joined(a, std::string_view(&b, 1)); }
inline std::string operator+(const std::string& a, const ItemText& b) { return joined(a, b); }
inline std::string operator+(const char* a, const ItemText& b) { return joined(a, b); }
inline std::string operator+(char a, const ItemText& b) { return joined(std::string_view(&a, 1), b); }

template <> struct std::hash<ItemText> {
    std::size_t operator()(const ItemText& text) const noexcept { return std::hash<std::string_view>{}(text.view()); }
};
