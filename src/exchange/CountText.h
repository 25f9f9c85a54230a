// Counts in the program's messages: digits in groups of three ("4 512").
#pragma once

#include <cstddef>
#include <string>

inline std::string groupedCount(std::size_t n) {
    const std::string digits = std::to_string(n);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += ' ';
        out += digits[i];
    }
    return out;
}
