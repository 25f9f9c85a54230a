#include "platform/linux/ShellWords.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

TEST(ShellWords, SplitsAsAShellSplitsWordsWithoutExpandingAnything) {
    struct Case {
        std::string text;
        std::vector<std::string> words;
    } cases[] = {
        {"", {}},
        {" \t\n", {}},
        {"  one  two\tthree\n", {"one", "two", "three"}},
        {"'two words' x", {"two words", "x"}},
        {"two\\ words", {"two words"}},
        {"'' \"\"", {"", ""}},
        {"a'b'\"c\"d", {"abcd"}},
        {"'it''s'", {"its"}},
        {"'single \" and \\ stay'", {"single \" and \\ stay"}},
        {"\"a \\\"b\\\" \\$x \\\\ \\n\"", {"a \"b\" $x \\ \\n"}},
        {"$HOME * ~ `date` a|b;c&d>e", {"$HOME", "*", "~", "`date`", "a|b;c&d>e"}},
        {"line\\\ncontinued", {"linecontinued"}},
        {"end\\", {"end\\"}},
        // A Windows path keeps its backslashes only inside double quotes, as in a shell.
        {"\"C:\\Docs\\a.txt\" C:\\Docs\\a.txt", {"C:\\Docs\\a.txt", "C:Docsa.txt"}},
        {"-n 2 -o 'media=A4'", {"-n", "2", "-o", "media=A4"}},
        {"caf\xC3\xA9 \xE9t\xE9", {"caf\xC3\xA9", "\xE9t\xE9"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitShellWords(c.text), c.words) << c.text;
}

TEST(ShellWords, AQuoteNeverClosedIsAClearError) {
    struct Case {
        std::string text;
        std::string message;
    } cases[] = {
        {"'open", "single quote"},
        {"a \"open", "double quote"},
        {"\"escaped at the end\\\"", "double quote"},
    };
    for (const Case& c : cases) {
        try {
            splitShellWords(c.text);
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const ShellWordsError& e) {
            EXPECT_THAT(e.what(), HasSubstr(c.message)) << c.text;
            EXPECT_THAT(e.what(), HasSubstr("never closed")) << c.text;
        }
    }
}

} // namespace
