#include "NoteEditor.h"

#include <cstdio>

namespace {

// The texts the "Color" and "Back Color" menus send, letter case as they are.
namespace ColorText {
constexpr const char* Black = "#000000";
constexpr const char* DkBlue = "#000088";
constexpr const char* DkGreen = "#008800";
constexpr const char* DkRed = "#880000";
constexpr const char* DkMagenta = "#880088";
constexpr const char* DkYellow = "#CC8800";
constexpr const char* DkGray = "#888888";
constexpr const char* LtGray = "#cccccc";
constexpr const char* Blue = "#0000cc";
constexpr const char* Green = "#00cc00";
constexpr const char* Red = "#cc0000";
constexpr const char* Magenta = "#cc00cc";
constexpr const char* Yellow = "#FFCC00";
constexpr const char* White = "#FFFFFF";
} // namespace ColorText

constexpr std::uint32_t kSystemColorFlag = 0xFF000000;

} // namespace

std::string Color2HTML(std::int32_t color, const std::function<std::int32_t(std::int32_t)>& systemColor) {
    auto value = static_cast<std::uint32_t>(color);
    if ((value & kSystemColorFlag) == kSystemColorFlag && systemColor)
        value = static_cast<std::uint32_t>(systemColor(static_cast<std::int32_t>(value & 0xFF)));
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
    return text;
}

std::int32_t NoteEditor::DoCommand(std::uint32_t command, std::uint32_t option, const CommandArgument& input,
                                   CommandArgument* output) {
    HtmlCommandTarget* target = GetCmdTarget();
    if (!target)
        return kNoTarget;
    return target->Exec(kHtmlEditingCommandGroup, command, option, input, output);
}

std::int32_t NoteEditor::CmdSet(std::uint32_t command) {
    return DoCommand(command, 0, {}, nullptr);
}

std::int32_t NoteEditor::CmdSet_S(std::uint32_t command, const std::string& text) {
    return DoCommand(command, 0, CommandArgument(std::in_place_type<std::string>, text), nullptr);
}

std::int32_t NoteEditor::CmdSet_I(std::uint32_t command, std::int32_t number) {
    return DoCommand(command, 0, CommandArgument(std::in_place_type<std::int32_t>, number), nullptr);
}

// The font names are the menu captions.
void NoteEditor::Arial1Click() {
    CmdSet_S(HtmlCommand::FontName, "Arial");
}
void NoteEditor::CourierNew1Click() {
    CmdSet_S(HtmlCommand::FontName, "Courier New");
}
void NoteEditor::ahoma1Click() {
    CmdSet_S(HtmlCommand::FontName, "Tahoma");
}
void NoteEditor::imesNewRoman1Click() {
    CmdSet_S(HtmlCommand::FontName, "Times New Roman");
}
void NoteEditor::Verdana1Click() {
    CmdSet_S(HtmlCommand::FontName, "Verdana");
}

void NoteEditor::Bold1Click() {
    CmdSet(HtmlCommand::Bold);
}
void NoteEditor::Italic1Click() {
    CmdSet(HtmlCommand::Italic);
}
void NoteEditor::Underline1Click() {
    CmdSet(HtmlCommand::Underline);
}
void NoteEditor::Superscript1Click() {}
void NoteEditor::Subscript1Click() {}

// HTML font sizes 1 to 6, as integers.
void NoteEditor::Size11Click() {
    CmdSet_I(HtmlCommand::FontSize, 1);
}
void NoteEditor::Size21Click() {
    CmdSet_I(HtmlCommand::FontSize, 2);
}
void NoteEditor::Size31Click() {
    CmdSet_I(HtmlCommand::FontSize, 3);
}
void NoteEditor::Size41Click() {
    CmdSet_I(HtmlCommand::FontSize, 4);
}
void NoteEditor::Size51Click() {
    CmdSet_I(HtmlCommand::FontSize, 5);
}
void NoteEditor::Size61Click() {
    CmdSet_I(HtmlCommand::FontSize, 6);
}

void NoteEditor::Black1Click() {
    foreColor(ColorText::Black);
}
void NoteEditor::DkBlue1Click() {
    foreColor(ColorText::DkBlue);
}
void NoteEditor::DkGreen1Click() {
    foreColor(ColorText::DkGreen);
}
void NoteEditor::DkRed1Click() {
    foreColor(ColorText::DkRed);
}
void NoteEditor::DkMagenta1Click() {
    foreColor(ColorText::DkMagenta);
}
void NoteEditor::DkYellow1Click() {
    foreColor(ColorText::DkYellow);
}
void NoteEditor::DkGray1Click() {
    foreColor(ColorText::DkGray);
}
void NoteEditor::LtGray1Click() {
    foreColor(ColorText::LtGray);
}
void NoteEditor::Blue1Click() {
    foreColor(ColorText::Blue);
}
void NoteEditor::Green1Click() {
    foreColor(ColorText::Green);
}
void NoteEditor::Red1Click() {
    foreColor(ColorText::Red);
}
void NoteEditor::Magenta1Click() {
    foreColor(ColorText::Magenta);
}
void NoteEditor::Yellow1Click() {
    foreColor(ColorText::Yellow);
}
void NoteEditor::White1Click() {
    foreColor(ColorText::White);
}

void NoteEditor::Black2Click() {
    backColor(ColorText::Black);
}
void NoteEditor::DkBlue2Click() {
    backColor(ColorText::DkBlue);
}
void NoteEditor::DkGreen2Click() {
    backColor(ColorText::DkGreen);
}
void NoteEditor::DkRed2Click() {
    backColor(ColorText::DkRed);
}
void NoteEditor::DkMagenta2Click() {
    backColor(ColorText::DkMagenta);
}
void NoteEditor::DkYellow2Click() {
    backColor(ColorText::DkYellow);
}
void NoteEditor::DkGray2Click() {
    backColor(ColorText::DkGray);
}
void NoteEditor::LtGray2Click() {
    backColor(ColorText::LtGray);
}
void NoteEditor::Blue2Click() {
    backColor(ColorText::Blue);
}
void NoteEditor::Green2Click() {
    backColor(ColorText::Green);
}
void NoteEditor::Red2Click() {
    backColor(ColorText::Red);
}
void NoteEditor::Magenta2Click() {
    backColor(ColorText::Magenta);
}
void NoteEditor::Yellow2Click() {
    backColor(ColorText::Yellow);
}
void NoteEditor::White2Click() {
    backColor(ColorText::White);
}

void NoteEditor::Left2Click() {
    CmdSet(HtmlCommand::JustifyLeft);
}
void NoteEditor::Center1Click() {
    CmdSet(HtmlCommand::JustifyCenter);
}
void NoteEditor::Right2Click() {
    CmdSet(HtmlCommand::JustifyRight);
}
void NoteEditor::Full1Click() {
    CmdSet(HtmlCommand::JustifyFull);
}
void NoteEditor::JustifyNone1Click() {
    CmdSet(HtmlCommand::JustifyNone);
}

void NoteEditor::Paragraph1Click() {}
void NoteEditor::Blockquote1Click() {}
void NoteEditor::Heading11Click() {}
void NoteEditor::Heading21Click() {}
void NoteEditor::Heading31Click() {}
void NoteEditor::Break1Click() {}
void NoteEditor::Comment1Click() {}

void NoteEditor::Hyperlink1Click() {
    CmdSet(HtmlCommand::Hyperlink);
}
void NoteEditor::Unlink1Click() {
    CmdSet(HtmlCommand::Unlink);
}
void NoteEditor::HorizontalLine1Click() {
    CmdSet(HtmlCommand::HorizontalLine);
}
void NoteEditor::LineBreak1Click() {
    CmdSet(HtmlCommand::LineBreak);
}

void NoteEditor::SaveNote1Click() {}
void NoteEditor::Render1Click() {}
