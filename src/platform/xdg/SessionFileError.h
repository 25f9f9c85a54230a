// A browser's session file that cannot be read as its format describes it.
#pragma once

#include <stdexcept>

// The message says what is wrong with the bytes, without the file's name (the caller adds it).
struct SessionFileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
