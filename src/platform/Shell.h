// The desktop shell: opens documents, folders and addresses by association, starts programs and
// prints documents. A request keeps the form the commands give it (verb, file, parameters, working
// folder), so a test can compare it word for word; the implementation decides how to carry it out.
#pragma once

#include <string>

struct ShellRequest {
    std::string verb;       // "open" or "print"
    std::string file;       // document, folder, program or address
    std::string parameters; // as one text, the way a command line writes them
    std::string directory;  // working folder of a started program; empty for the program's own

    bool operator==(const ShellRequest&) const = default;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Carries the request out. False when it could not be (nothing to open, no program to open it
    // with, the program failed to start); the user has then been shown why.
    virtual bool execute(const ShellRequest& request) = 0;
};
