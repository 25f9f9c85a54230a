// The command target of an HTML document in editing mode: the formatting commands of the "Format"
// menu reach a note's document through it, as numbered commands of one command group.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

// The command group of the HTML editing commands.
inline constexpr std::string_view kHtmlEditingCommandGroup = "{DE4BA900-59CA-11CF-9592-444553540000}";

// A command's argument, as a variant carries it: none, a text (an OLE string), or a 32-bit integer.
using CommandArgument = std::variant<std::monostate, std::string, std::int32_t>;

class HtmlCommandTarget {
public:
    virtual ~HtmlCommandTarget() = default;
    // Runs one command of `group` with the execution option, the input and, when given, a place for
    // its output; returns the result code (0 when it succeeded, negative when it failed).
    virtual std::int32_t Exec(std::string_view group, std::uint32_t command, std::uint32_t option,
                              const CommandArgument& input, CommandArgument* output) = 0;
};
