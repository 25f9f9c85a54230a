// An HTML editing command target that records every command it is given and answers with a set
// result code.
#pragma once

#include "platform/HtmlCommandTarget.h"

#include <ostream>
#include <string>
#include <vector>

struct ExecCall {
    std::string group;
    std::uint32_t command = 0;
    std::uint32_t option = 0;
    CommandArgument input;
    bool output = false; // whether a place for the output was given

    bool operator==(const ExecCall&) const = default;
};

class RecordingCommandTarget : public HtmlCommandTarget {
public:
    std::vector<ExecCall> calls;
    std::int32_t result = 0;

    std::int32_t Exec(std::string_view group, std::uint32_t command, std::uint32_t option, const CommandArgument& input,
                      CommandArgument* output) override {
        calls.push_back({std::string(group), command, option, input, output != nullptr});
        return result;
    }
};

// How an argument and a call read in a failed expectation: text "…", integer n, or none.
inline void PrintTo(const CommandArgument& a, std::ostream* os) {
    if (const auto* text = std::get_if<std::string>(&a))
        *os << "text \"" << *text << "\"";
    else if (const auto* number = std::get_if<std::int32_t>(&a))
        *os << "integer " << *number;
    else
        *os << "none";
}
inline void PrintTo(const ExecCall& c, std::ostream* os) {
    *os << "{" << c.group << ", " << c.command << ", option " << c.option << ", ";
    PrintTo(c.input, os);
    *os << (c.output ? ", output}" : ", no output}");
}
