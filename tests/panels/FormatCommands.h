// What each handler of the "Format" menu sends: its command number and argument, or nothing.
#pragma once

#include "fakes/RecordingCommandTarget.h"
#include "panels/NoteEditor.h"

#include <optional>
#include <string>

struct FormatCommand {
    const char* handler;
    void (NoteEditor::*run)();
    std::optional<std::uint32_t> command; // none: the handler has no effect
    CommandArgument argument;
};

inline CommandArgument text(const char* s) {
    return CommandArgument(std::in_place_type<std::string>, s);
}
inline CommandArgument integer(std::int32_t n) {
    return CommandArgument(std::in_place_type<std::int32_t>, n);
}

#define WENDELMOOR_FORMAT(handler, ...)                                                                                \
    FormatCommand {                                                                                                    \
#handler, &NoteEditor::handler, __VA_ARGS__                                                                    \
    }

inline const FormatCommand kFormatCommands[] = {
    WENDELMOOR_FORMAT(Arial1Click, 18, text("Arial")),
    WENDELMOOR_FORMAT(CourierNew1Click, 18, text("Courier New")),
    WENDELMOOR_FORMAT(ahoma1Click, 18, text("Tahoma")),
    WENDELMOOR_FORMAT(imesNewRoman1Click, 18, text("Times New Roman")),
    WENDELMOOR_FORMAT(Verdana1Click, 18, text("Verdana")),
    WENDELMOOR_FORMAT(Bold1Click, 52, {}),
    WENDELMOOR_FORMAT(Italic1Click, 56, {}),
    WENDELMOOR_FORMAT(Underline1Click, 63, {}),
    WENDELMOOR_FORMAT(Superscript1Click, std::nullopt, {}),
    WENDELMOOR_FORMAT(Subscript1Click, std::nullopt, {}),
    WENDELMOOR_FORMAT(Size11Click, 19, integer(1)),
    WENDELMOOR_FORMAT(Size21Click, 19, integer(2)),
    WENDELMOOR_FORMAT(Size31Click, 19, integer(3)),
    WENDELMOOR_FORMAT(Size41Click, 19, integer(4)),
    WENDELMOOR_FORMAT(Size51Click, 19, integer(5)),
    WENDELMOOR_FORMAT(Size61Click, 19, integer(6)),
    WENDELMOOR_FORMAT(Black1Click, 55, text("#000000")),
    WENDELMOOR_FORMAT(DkBlue1Click, 55, text("#000088")),
    WENDELMOOR_FORMAT(DkGreen1Click, 55, text("#008800")),
    WENDELMOOR_FORMAT(DkRed1Click, 55, text("#880000")),
    WENDELMOOR_FORMAT(DkMagenta1Click, 55, text("#880088")),
    WENDELMOOR_FORMAT(DkYellow1Click, 55, text("#CC8800")),
    WENDELMOOR_FORMAT(DkGray1Click, 55, text("#888888")),
    WENDELMOOR_FORMAT(LtGray1Click, 55, text("#cccccc")),
    WENDELMOOR_FORMAT(Blue1Click, 55, text("#0000cc")),
    WENDELMOOR_FORMAT(Green1Click, 55, text("#00cc00")),
    WENDELMOOR_FORMAT(Red1Click, 55, text("#cc0000")),
    WENDELMOOR_FORMAT(Magenta1Click, 55, text("#cc00cc")),
    WENDELMOOR_FORMAT(Yellow1Click, 55, text("#FFCC00")),
    WENDELMOOR_FORMAT(White1Click, 55, text("#FFFFFF")),
    WENDELMOOR_FORMAT(Black2Click, 51, text("#000000")),
    WENDELMOOR_FORMAT(DkBlue2Click, 51, text("#000088")),
    WENDELMOOR_FORMAT(DkGreen2Click, 51, text("#008800")),
    WENDELMOOR_FORMAT(DkRed2Click, 51, text("#880000")),
    WENDELMOOR_FORMAT(DkMagenta2Click, 51, text("#880088")),
    WENDELMOOR_FORMAT(DkYellow2Click, 51, text("#CC8800")),
    WENDELMOOR_FORMAT(DkGray2Click, 51, text("#888888")),
    WENDELMOOR_FORMAT(LtGray2Click, 51, text("#cccccc")),
    WENDELMOOR_FORMAT(Blue2Click, 51, text("#0000cc")),
    WENDELMOOR_FORMAT(Green2Click, 51, text("#00cc00")),
    WENDELMOOR_FORMAT(Red2Click, 51, text("#cc0000")),
    WENDELMOOR_FORMAT(Magenta2Click, 51, text("#cc00cc")),
    WENDELMOOR_FORMAT(Yellow2Click, 51, text("#FFCC00")),
    WENDELMOOR_FORMAT(White2Click, 51, text("#FFFFFF")),
    WENDELMOOR_FORMAT(Left2Click, 59, {}),
    WENDELMOOR_FORMAT(Center1Click, 57, {}),
    WENDELMOOR_FORMAT(Right2Click, 60, {}),
    WENDELMOOR_FORMAT(Full1Click, 50, {}),
    WENDELMOOR_FORMAT(JustifyNone1Click, 94, {}),
    WENDELMOOR_FORMAT(Paragraph1Click, std::nullopt, {}),
    WENDELMOOR_FORMAT(Blockquote1Click, std::nullopt, {}),
    WENDELMOOR_FORMAT(Heading11Click, std::nullopt, {}),
    WENDELMOOR_FORMAT(Heading21Click, std::nullopt, {}),
    WENDELMOOR_FORMAT(Heading31Click, std::nullopt, {}),
    WENDELMOOR_FORMAT(Break1Click, std::nullopt, {}),
    WENDELMOOR_FORMAT(Hyperlink1Click, 2124, {}),
    WENDELMOOR_FORMAT(Unlink1Click, 2125, {}),
    WENDELMOOR_FORMAT(Comment1Click, std::nullopt, {}),
    WENDELMOOR_FORMAT(HorizontalLine1Click, 2150, {}),
    WENDELMOOR_FORMAT(LineBreak1Click, 2151, {}),
    WENDELMOOR_FORMAT(SaveNote1Click, std::nullopt, {}),
    WENDELMOOR_FORMAT(Render1Click, std::nullopt, {}),
};

#undef WENDELMOOR_FORMAT

// The call a handler's command makes on the target.
inline ExecCall expectedCall(const FormatCommand& c) {
    return {"{DE4BA900-59CA-11CF-9592-444553540000}", *c.command, 0, c.argument, false};
}
