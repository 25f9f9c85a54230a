#include "collection/ItemText.h"
#include "collection/LinkItem.h"
#include "collection/NodeStream.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace {

std::string bytesOfLength(std::size_t length, unsigned seed) {
    std::string s(length, '\0');
    for (std::size_t i = 0; i < length; ++i)
        s[i] = static_cast<char>((i * 131 + seed) & 0xFF);  // zero bytes and 8-bit bytes among them
    return s;
}

// Lengths around the arena's granules, its largest packed text and beyond.
const std::size_t kLengths[] = {1, 3, 4, 5, 11, 12, 13, 100, 4091, 4092, 4093, 70000, 3u << 20};

TEST(ItemText, KeepsEveryByteOfEveryLength) {
    std::vector<ItemText> texts;
    for (unsigned seed = 0; seed < 3; ++seed)
        for (std::size_t length : kLengths)
            texts.emplace_back(bytesOfLength(length, seed));
    std::size_t i = 0;
    for (unsigned seed = 0; seed < 3; ++seed)
        for (std::size_t length : kLengths) {
            const ItemText& text = texts[i++];
            ASSERT_EQ(text.size(), length);
            EXPECT_EQ(text, bytesOfLength(length, seed)) << "length " << length;
        }
}

TEST(ItemText, AnEmptyTextIsFourBytesAndEqualsTheEmptyString) {
    static_assert(sizeof(ItemText) == 4);
    ItemText empty;
    EXPECT_TRUE(empty.empty());
    EXPECT_EQ(empty, "");
    EXPECT_EQ(empty.size(), 0u);
    ItemText assigned("x");
    assigned = std::string();
    EXPECT_TRUE(assigned.empty());
}

TEST(ItemText, CopiesAreIndependentAndMovesTakeTheBytes) {
    ItemText a(std::string("first\0text", 10));
    ItemText b = a;
    b = "second";
    EXPECT_EQ(a, std::string("first\0text", 10));
    EXPECT_EQ(b, "second");
    ItemText c = std::move(a);
    EXPECT_EQ(c, std::string("first\0text", 10));
    b = std::move(c);
    EXPECT_EQ(b, std::string("first\0text", 10));
}

TEST(ItemText, APartOfItselfCanBeAssigned) {
    for (std::size_t length : {10u, 5000u}) {
        const std::string bytes = bytesOfLength(length, 7);
        ItemText text(bytes);
        text = text.view().substr(2);
        EXPECT_EQ(text, bytes.substr(2));
        text = text;  // self-assignment keeps the bytes
        EXPECT_EQ(text, bytes.substr(2));
    }
}

TEST(ItemText, FreedStorageIsReusedByTextsOfTheSameSize) {
    // A million assignments of a few sizes would need far more than the arena's 16 GiB of packed
    // texts if nothing were reused; they run here in the memory of one block.
    ItemText text;
    for (int round = 0; round < 1000000; ++round)
        text = bytesOfLength(static_cast<std::size_t>(1 + round % 64), static_cast<unsigned>(round));
    EXPECT_EQ(text, bytesOfLength(64, 999999));
}

TEST(ItemText, TextsAreMadeAndFreedOnSeveralThreadsAtOnce) {
    std::vector<std::thread> threads;
    std::vector<bool> intact(4, false);
    for (unsigned t = 0; t < 4; ++t)
        threads.emplace_back([t, &intact] {
            std::vector<ItemText> texts;
            for (unsigned i = 0; i < 20000; ++i)
                texts.emplace_back(bytesOfLength(1 + (i % 300) * (i % 7 == 0 ? 20 : 1), t * 100000 + i));
            bool same = true;
            for (unsigned i = 0; i < texts.size(); ++i)
                same = same && texts[i] == bytesOfLength(1 + (i % 300) * (i % 7 == 0 ? 20 : 1), t * 100000 + i);
            intact[t] = same;
        });
    for (std::thread& thread : threads)
        thread.join();
    for (bool same : intact)
        EXPECT_TRUE(same);
}

TEST(ItemText, ComparesAndJoinsLikeTheStringsItHolds) {
    const ItemText abc("abc");
    EXPECT_LT(abc, ItemText("abd"));
    EXPECT_EQ(std::string("abc"), abc);
    EXPECT_NE(abc, "ab");
    EXPECT_EQ(abc + "/" + abc, "abc/abc");
    EXPECT_EQ("<" + abc + '>', "<abc>");
    const std::string copy = abc;
    EXPECT_EQ(copy, "abc");
}

TEST(ItemText, LongTextsOfARecordSurviveTheNodeStream) {
    Outline outline;
    LinkItem& item = outline.addChild(nullptr)->data;
    item.Note = bytesOfLength(3u << 20, 1);
    item.Name = bytesOfLength(4092, 2);
    item.URL = bytesOfLength(4093, 3);
    Outline copy;
    readOutline(copy, writeOutline(outline));
    ASSERT_EQ(copy.rootCount(), 1);
    EXPECT_EQ(copy.first()->data, item);
}

} // namespace
