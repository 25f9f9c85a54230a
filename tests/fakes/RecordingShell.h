// A shell that records each request word for word and starts nothing.
#pragma once

#include "platform/Shell.h"

#include <ostream>
#include <vector>

class RecordingShell : public Shell {
public:
    std::vector<ShellRequest> requests;

    bool execute(const ShellRequest& request) override {
        requests.push_back(request);
        return true;
    }
};

// How a request reads in a failed expectation.
inline void PrintTo(const ShellRequest& r, std::ostream* os) {
    *os << "{verb \"" << r.verb << "\", file \"" << r.file << "\", parameters \"" << r.parameters << "\", directory \""
        << r.directory << "\"}";
}
