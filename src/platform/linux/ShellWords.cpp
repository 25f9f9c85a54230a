#include "ShellWords.h"

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// Inside double quotes a backslash escapes only these; before anything else it is kept.
bool escapableInDoubleQuotes(char c) {
    return c == '$' || c == '`' || c == '"' || c == '\\' || c == '\n';
}

} // namespace

std::vector<std::string> splitShellWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false; // a word has begun, even if it is still empty (as after '')
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        const char c = text[i];
        if (isBlank(c)) {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
            ++i;
        } else if (c == '\\') {
            inWord = true;
            if (i + 1 == n) { // a backslash at the very end stands for itself
                word += '\\';
                ++i;
            } else {
                if (text[i + 1] != '\n') // backslash-newline joins lines
                    word += text[i + 1];
                i += 2;
            }
        } else if (c == '\'') {
            inWord = true;
            const std::size_t close = text.find('\'', i + 1);
            if (close == std::string_view::npos)
                throw ShellWordsError("the parameters open a single quote (') that is never closed");
            word.append(text.substr(i + 1, close - i - 1));
            i = close + 1;
        } else if (c == '"') {
            inWord = true;
            ++i;
            for (;;) {
                if (i == n)
                    throw ShellWordsError("the parameters open a double quote (\") that is never closed");
                const char d = text[i];
                if (d == '"') {
                    ++i;
                    break;
                }
                if (d == '\\' && i + 1 < n && escapableInDoubleQuotes(text[i + 1])) {
                    if (text[i + 1] != '\n')
                        word += text[i + 1];
                    i += 2;
                } else {
                    word += d;
                    ++i;
                }
            }
        } else {
            inWord = true;
            word += c;
            ++i;
        }
    }
    if (inWord)
        words.push_back(std::move(word));
    return words;
}
