// The command line's bookmark options, handled before the window exists: "--export FILE" writes the
// collection's last saved state as an HTML bookmark file and ends the program (no display needed);
// "--import FILE" reads FILE first, so that a wrong file is reported where it was typed, and the
// window adds what was read once it is up.
#pragma once

#include "exchange/BookmarkFile.h"

#include <optional>
#include <ostream>
#include <string>

struct BookmarkOptions {
    std::optional<std::string> importFile;
    std::optional<std::string> exportFile;
    std::string error;  // an option without its file
    std::optional<BookmarkFileContent> imported;  // what "--import" read
};

BookmarkOptions bookmarkOptions(int argc, char** argv);

// The program folder of the running program, ending with a slash (where links.goto lies).
std::string runningProgramFolder();

// The exit status of the options that end the program, nullopt when the program should go on.
// Errors are written to `errors`.
std::optional<int> runBookmarkOptions(BookmarkOptions& options, const std::string& programFolder, std::ostream& errors);
