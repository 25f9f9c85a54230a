// The formatting command layer: every "Format" handler's command and argument, the sending
// operations, and what happens without a target.
#include "FormatCommands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

struct NoteEditorTest : ::testing::Test {
    RecordingCommandTarget target;
    NoteEditor editor;
    void SetUp() override {
        editor.setCmdTargetSource([this] { return &target; });
    }
};

TEST_F(NoteEditorTest, EachHandlerSendsItsCommandNumberAndArgumentOnceOrNothing) {
    for (const FormatCommand& c : kFormatCommands) {
        target.calls.clear();
        (editor.*c.run)();
        if (c.command)
            EXPECT_THAT(target.calls, ElementsAre(expectedCall(c))) << c.handler;
        else
            EXPECT_THAT(target.calls, IsEmpty()) << c.handler << " has no effect";
    }
}

TEST_F(NoteEditorTest, SizesAreIntegersAndTheTwoColourMenusDifferOnlyInTheirCommand) {
    editor.Size41Click();
    editor.DkYellow1Click();
    editor.DkYellow2Click();
    ASSERT_EQ(target.calls.size(), 3u);
    EXPECT_EQ(std::get<std::int32_t>(target.calls[0].input), 4) << "an integer, not the text \"4\"";
    EXPECT_EQ(target.calls[1].command, 55u);
    EXPECT_EQ(target.calls[2].command, 51u);
    EXPECT_EQ(std::get<std::string>(target.calls[1].input), "#CC8800");
    EXPECT_EQ(target.calls[1].input, target.calls[2].input);
}

TEST_F(NoteEditorTest, DoCommandPassesItsArgumentsInOrderAndReturnsTheTargetsResult) {
    target.result = -2147467259;
    CommandArgument output;
    EXPECT_EQ(editor.DoCommand(2124, 2, text("x"), &output), -2147467259);
    EXPECT_EQ(editor.CmdSet_I(19, -3), -2147467259) << "a failure is returned, not examined";
    EXPECT_THAT(target.calls,
                ElementsAre(ExecCall{"{DE4BA900-59CA-11CF-9592-444553540000}", 2124, 2, text("x"), true},
                            ExecCall{"{DE4BA900-59CA-11CF-9592-444553540000}", 19, 0, integer(-3), false}));
}

TEST(NoteEditor, WithoutATargetEveryCommandDoesNothing) {
    NoteEditor editor;
    EXPECT_EQ(editor.GetCmdTarget(), nullptr) << "no note document is open for editing";
    EXPECT_EQ(editor.CmdSet(52), NoteEditor::kNoTarget);
    for (const FormatCommand& c : kFormatCommands)
        (editor.*c.run)(); // nothing to observe but that nothing breaks
    RecordingCommandTarget target;
    bool open = false;
    editor.setCmdTargetSource([&]() -> HtmlCommandTarget* { return open ? &target : nullptr; });
    editor.Bold1Click();
    open = true;
    editor.Bold1Click();
    EXPECT_EQ(target.calls.size(), 1u) << "the target is asked for at each command";
}

TEST(Color2HTML, GivesRedGreenBlueAsUpperCaseHexadecimal) {
    struct Case {
        std::int32_t color;
        const char* html;
    } cases[] = {
        {0x00563412, "#123456"}, // red 0x12, green 0x34, blue 0x56
        {0x000000FF, "#FF0000"}, {0x00FFFFFF, "#FFFFFF"}, {0, "#000000"}, {0x00ABCDEF, "#EFCDAB"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Color2HTML(c.color), c.html) << std::hex << c.color;
    // A system palette entry is resolved to its current value first.
    const auto palette = [](std::int32_t entry) { return entry == 15 ? 0x00C8D0D4 : 0; };
    EXPECT_EQ(Color2HTML(static_cast<std::int32_t>(0xFF00000F), palette), "#D4D0C8");
}

} // namespace
