#include "collection/DisplayText.h"

#include <gtest/gtest.h>

namespace {

TEST(DisplayText, ValidUtf8IsShownAsItIsAndOtherBytesAsWindows1252) {
    const std::pair<std::string, std::string> cases[] = {
        {"plain", "plain"},
        {"Gr\xC3\xBC\xC3\x9F" "e", "Gr\xC3\xBC\xC3\x9F" "e"},    // UTF-8 stays
        {"Gr\xFC\xDF" "e", "Gr\xC3\xBC\xC3\x9F" "e"},            // 8-bit ü ß
        {"\x80 \x93quoted\x94", "\xE2\x82\xAC \xE2\x80\x9Cquoted\xE2\x80\x9D"},
        {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                         // overlong UTF-8 is not UTF-8
        {std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const auto& [bytes, shown] : cases)
        EXPECT_EQ(displayText(bytes), shown);
}

} // namespace
