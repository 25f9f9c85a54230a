#include "editing/IncrementalSearch.h"
#include "EditingFixtures.h"
#include "OutlineStates.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

using Lines = std::vector<std::string>;

TEST(LinksTreeIncrementalSearch, ComparesTheShorterLengthWithoutLetterCase) {
    struct Case {
        std::string name;
        std::string text;
        bool match;
    } cases[] = {
        {"Google", "goo", true},
        {"Go", "goo", true},          // only the length of the shorter text counts
        {"", "goo", true},            // an empty name matches any text
        {"GOOGLE", "goo", true},
        {"Gmail", "goo", false},
        {"Google", "", true},
        {"Agoo", "goo", false},       // a beginning, not a part
        {"\xC3\x84rger", "\xC3\xA4r", true},  // Ärger / är in UTF-8
        {"\xC4rger", "\xC3\xA4r", true},      // a name stored in Windows-1252
        {"\xC3\xA4rger", "ar", false},
        {"\xD0\xAF\xD0\xBD\xD0\xB4\xD0\xB5\xD0\xBA\xD1\x81", "\xD1\x8F\xD0\xBD", true},  // Яндекс / ян
        {"\xC5\x81\xC3\xB3\x64\xC5\xBA", "\xC5\x82\xC3\x93", true},  // Łódź / łÓ
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + " / " + c.text);
        Outline o;
        Node* item = addNamed(o, nullptr, c.name);
        EXPECT_EQ(LinksTreeIncrementalSearch(item, c.text) == 0, c.match);
    }
}

// Beta
// Gamma (collapsed)
//   Gust (hidden)
// Google
// Orange
struct SearchSample {
    Outline o;
    IncrementalSearch search;
    SearchSample() {
        build(o, {"Beta", "Gamma", "  Gust", "Google", "Orange"});
        o.setVisible(named(o, "Gust"), false);
    }
};

TEST(IncrementalSearch, CollectsTypingUntilAPauseOfOneSecond) {
    struct Key {
        const char* typed;
        std::int64_t at;  // milliseconds
        const char* focusAfter;
        const char* textAfter;
    };
    struct Case {
        const char* what;
        const char* focused;
        std::vector<Key> keys;
    } cases[] = {
        {"characters within the pause extend the text", "Beta",
         {{"g", 0, "Gamma", "g"}, {"o", 999, "Google", "go"}, {"o", 1998, "Google", "goo"}}},
        {"a pause of 1000 ms starts a new text", "Beta", {{"g", 0, "Gamma", "g"}, {"o", 1000, "Orange", "o"}}},
        {"the focused item is tried first, so typing on keeps it", "Google",
         {{"g", 5000, "Google", "g"}, {"o", 5100, "Google", "go"}}},
        {"the search goes on from the first item after the last", "Orange", {{"b", 0, "Beta", "b"}}},
        {"hidden items and collapsed branches are searched", "Gamma", {{"gu", 0, "Gust", "gu"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SearchSample s;
        s.o.setFocused(named(s.o, c.focused));
        for (const Key& key : c.keys) {
            SCOPED_TRACE(key.at);
            EXPECT_TRUE(s.search.type(s.o, key.typed, key.at));
            EXPECT_EQ(focusedName(s.o), key.focusAfter);
            EXPECT_THAT(selectedNames(s.o), ElementsAre(key.focusAfter)) << "the match is the only selected item";
            EXPECT_EQ(s.search.text(), key.textAfter);
        }
    }
}

TEST(IncrementalSearch, WithoutAMatchChangesNothingAndKeepsTheTextThatMatched) {
    SearchSample s;
    s.o.setFocused(named(s.o, "Beta"));
    select(s.o, {"Orange", "Gust"});
    ASSERT_TRUE(s.search.type(s.o, "g", 0));
    const Lines before = states(s.o);
    EXPECT_FALSE(s.search.type(s.o, "x", 10));
    EXPECT_THAT(states(s.o), ElementsAreArray(before));
    EXPECT_EQ(s.search.text(), "g");
    EXPECT_TRUE(s.search.type(s.o, "o", 20));
    EXPECT_EQ(focusedName(s.o), "Google");
}

TEST(IncrementalSearch, FindsNothingInAnEmptyOutline) {
    Outline o;
    IncrementalSearch search;
    EXPECT_FALSE(search.type(o, "a", 0));
}

} // namespace
