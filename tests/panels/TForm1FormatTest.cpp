// The "Format" menu in the main window: every entry reaches its command, the style shortcuts work
// while the menu is hidden, and without a note document nothing happens.
#include "FormatCommands.h"

#include "app/TForm1.h"
#include "fakes/RecordedWindowServices.h"
#include "support/ScratchProgramFolder.h"
#include "support/TestOutlines.h"

#include <QAction>
#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

struct FormatWindow : ::testing::Test, RecordedWindowServices {
    ScratchProgramFolder scratch{"format"};
    const fs::path& folder = scratch.path();
    RecordingCommandTarget target;
    std::unique_ptr<TForm1> form;

    void SetUp() override {
        form = std::make_unique<TForm1>(scratch.programFolder(), services());
        form->FormCreate();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void TearDown() override {
        form.reset();
    }
    void giveTarget() {
        form->noteEditor().setCmdTargetSource([this] { return &target; });
    }
};

TEST_F(FormatWindow, EveryFormatEntrySendsItsCommandToTheTarget) {
    giveTarget();
    for (const FormatCommand& c : kFormatCommands) {
        QAction* action = form->actionFor(c.handler);
        ASSERT_NE(action, nullptr) << c.handler;
        target.calls.clear();
        action->trigger();
        if (c.command)
            EXPECT_THAT(target.calls, ElementsAre(expectedCall(c))) << c.handler;
        else
            EXPECT_THAT(target.calls, IsEmpty()) << c.handler;
    }
}

TEST_F(FormatWindow, TheStyleShortcutsWorkWhileTheFormatMenuIsHidden) {
    giveTarget();
    ASSERT_FALSE(form->actionAt("Format")->isVisible());
    QTest::keyClick(form.get(), Qt::Key_B, Qt::ControlModifier);
    QTest::keyClick(form.get(), Qt::Key_I, Qt::ControlModifier);
    QTest::keyClick(form.get(), Qt::Key_U, Qt::ControlModifier);
    // Paragraph and Break have no function.
    QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    QTest::keyClick(form.get(), Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    std::vector<std::uint32_t> commands;
    for (const ExecCall& call : target.calls)
        commands.push_back(call.command);
    EXPECT_THAT(commands, ElementsAre(52u, 56u, 63u));
}

TEST_F(FormatWindow, WithoutANoteDocumentTheCommandsDoNothingAndShowNothing) {
    Node* item = addNamed(form->LinksTree(), nullptr, "note");
    form->LinksTree().setFocused(item);
    const LinkItem before = item->data;
    for (const FormatCommand& c : kFormatCommands)
        form->actionFor(c.handler)->trigger();
    QTest::keyClick(form.get(), Qt::Key_F3);  // "Save Note"
    EXPECT_THAT(dialogs.messages, IsEmpty());
    EXPECT_THAT(shell.requests, IsEmpty());
    EXPECT_EQ(item->data, before);
}

} // namespace
