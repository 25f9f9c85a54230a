// Splits a parameter text into program arguments the way a POSIX shell splits the words of a
// command line, without running a shell: blanks separate words, quotes and backslashes group and
// escape as in sh. Nothing is expanded: $NAME, `...`, *, ~ and the operators | ; & < > stay as typed.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Raised for a text a shell would not accept either: a quote that is never closed.
class ShellWordsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::vector<std::string> splitShellWords(std::string_view text);
