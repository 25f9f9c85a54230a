// The formatting command layer behind the "Format" menu: each command becomes one numbered HTML
// editing command with its argument, sent to the command target of the note document being edited.
// This program opens no note document for editing, so there is no target unless one is given, and
// without a target a command does nothing and shows nothing.
#pragma once

#include "platform/HtmlCommandTarget.h"

#include <cstdint>
#include <functional>
#include <string>

// The HTML editing command numbers the "Format" menu sends.
namespace HtmlCommand {
inline constexpr std::uint32_t FontName = 18;
inline constexpr std::uint32_t FontSize = 19;
inline constexpr std::uint32_t JustifyFull = 50;
inline constexpr std::uint32_t BackColor = 51;
inline constexpr std::uint32_t Bold = 52;
inline constexpr std::uint32_t ForeColor = 55;
inline constexpr std::uint32_t Italic = 56;
inline constexpr std::uint32_t JustifyCenter = 57;
inline constexpr std::uint32_t JustifyLeft = 59;
inline constexpr std::uint32_t JustifyRight = 60;
inline constexpr std::uint32_t Underline = 63;
inline constexpr std::uint32_t JustifyNone = 94;
inline constexpr std::uint32_t Hyperlink = 2124;
inline constexpr std::uint32_t Unlink = 2125;
inline constexpr std::uint32_t HorizontalLine = 2150;
inline constexpr std::uint32_t LineBreak = 2151;
} // namespace HtmlCommand

// A colour value 0x00BBGGRR as the text "#RRGGBB" in upper-case hexadecimal. A colour of the system
// palette (0xFF0000nn, palette entry nn) is first resolved through `systemColor` to its current value;
// without a resolver its entry number is taken as the value.
std::string Color2HTML(std::int32_t color, const std::function<std::int32_t(std::int32_t)>& systemColor = {});

class NoteEditor {
public:
    // Supplies the target of the document being edited, or nullptr when none is.
    using TargetSource = std::function<HtmlCommandTarget*()>;
    // DoCommand's result when there is no target.
    static constexpr std::int32_t kNoTarget = -1;

    void setCmdTargetSource(TargetSource source) { targetSource_ = std::move(source); }

    // The command target of the note document being edited; nullptr when none is.
    HtmlCommandTarget* GetCmdTarget() const { return targetSource_ ? targetSource_() : nullptr; }
    // Sends one command of the HTML editing command group to the target, with the execution option,
    // the input and the place for the output as given; the target's result code, or kNoTarget.
    std::int32_t DoCommand(std::uint32_t command, std::uint32_t option, const CommandArgument& input,
                           CommandArgument* output);
    // DoCommand with option 0, no output, and no input, a text or a 32-bit integer as input.
    std::int32_t CmdSet(std::uint32_t command);
    std::int32_t CmdSet_S(std::uint32_t command, const std::string& text);
    std::int32_t CmdSet_I(std::uint32_t command, std::int32_t number);

    // The "Format" menu: every handler sends its command and ignores the result; those marked as
    // having no effect send nothing.
    void Arial1Click(), CourierNew1Click(), ahoma1Click(), imesNewRoman1Click(), Verdana1Click();
    void Bold1Click(), Italic1Click(), Underline1Click();
    void Superscript1Click(), Subscript1Click(); // no effect
    void Size11Click(), Size21Click(), Size31Click(), Size41Click(), Size51Click(), Size61Click();
    void Black1Click(), DkBlue1Click(), DkGreen1Click(), DkRed1Click(), DkMagenta1Click(), DkYellow1Click(),
        DkGray1Click(), LtGray1Click(), Blue1Click(), Green1Click(), Red1Click(), Magenta1Click(), Yellow1Click(),
        White1Click();
    void Black2Click(), DkBlue2Click(), DkGreen2Click(), DkRed2Click(), DkMagenta2Click(), DkYellow2Click(),
        DkGray2Click(), LtGray2Click(), Blue2Click(), Green2Click(), Red2Click(), Magenta2Click(), Yellow2Click(),
        White2Click();
    void Left2Click(), Center1Click(), Right2Click(), Full1Click(), JustifyNone1Click();
    void Paragraph1Click(), Blockquote1Click(), Heading11Click(), Heading21Click(), Heading31Click(), Break1Click(),
        Comment1Click(); // no effect
    void Hyperlink1Click(), Unlink1Click(), HorizontalLine1Click(), LineBreak1Click();
    // "Save Note" and "Render": no effect, as no note document is open for editing.
    void SaveNote1Click(), Render1Click();

private:
    void foreColor(const char* text) { CmdSet_S(HtmlCommand::ForeColor, text); }
    void backColor(const char* text) { CmdSet_S(HtmlCommand::BackColor, text); }

    TargetSource targetSource_;
};
