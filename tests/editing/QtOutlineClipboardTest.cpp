// Cut, copy and paste of outline items through the real QClipboard (offscreen platform).
#include "collection/NodeStream.h"
#include "editing/OutlineClipboard.h"
#include "EditingFixtures.h"
#include "fakes/RecordingDialogs.h"
#include "platform/qt/QtClipboard.h"
#include "support/Chunks.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

constexpr std::uint32_t kLinksTree = 1;

// One running copy of the program: an outline with its clipboard commands.
struct Program {
    explicit Program(std::uint32_t processId, const std::vector<std::string>& items)
        : commands(std::make_unique<OutlineClipboard>(links, kLinksTree, processId, clipboard, dialogs)) {
        build(links, items);
    }
    Outline links;
    QtClipboard clipboard;
    RecordingDialogs dialogs;
    std::unique_ptr<OutlineClipboard> commands;

    void focus(const std::string& name) { links.setFocused(named(links, name)); }
    std::vector<ClipboardMark> marks() const {
        std::vector<ClipboardMark> result;
        links.forEach([&](Node* n) { result.push_back(n->mark()); });
        return result;
    }
};

QByteArray onClipboard(const char* format) { return QGuiApplication::clipboard()->mimeData()->data(format); }

void putOutsideData(const ByteList& block) {
    auto* data = new QMimeData;
    data->setData(kTreeDataFormat, QByteArray(reinterpret_cast<const char*>(block.data()), static_cast<qsizetype>(block.size())));
    QGuiApplication::clipboard()->setMimeData(data);
}

ByteList globalBlock(const ByteList& chunks) { return cat({le32(static_cast<std::int32_t>(chunks.size())), chunks}); }

struct ClipboardTest : ::testing::Test {
    void TearDown() override { QGuiApplication::clipboard()->clear(); }
};

TEST_F(ClipboardTest, CopyPutsTheReducedSelectionOnceWithTheProgramsReference) {
    Program program(4242, {"A", "  A1", "B", "C"});
    select(program.links, {"A", "A1", "C"});
    program.commands->CopyNode();

    const QByteArray block = onClipboard(kTreeDataFormat);
    Outline pasted;
    readNodeChunks(pasted, fromGlobalMemoryForm(ByteSpan(reinterpret_cast<const std::uint8_t*>(block.data()),
                                                         static_cast<std::size_t>(block.size()))),
                   nullptr);
    EXPECT_THAT(shape(pasted), ElementsAre("A", "  A1", "C")) << "A1 travels inside A, once";
    EXPECT_EQ(onClipboard(kTreeReferenceFormat), QByteArray("\x92\x10\x00\x00\x01\x00\x00\x00", 8));
    using M = ClipboardMark;
    EXPECT_THAT(program.marks(), ElementsAre(M::Copy, M::Copy, M::None, M::Copy));
    EXPECT_FALSE(program.commands->cutPending());
}

TEST_F(ClipboardTest, ThePasteShowsTheItemsAsTheyAreWhenItAsks) {
    Program program(4242, {"A", "  A1", "B"});
    named(program.links, "A1")->data = everyField();
    select(program.links, {"A"});
    program.commands->CopyNode();
    named(program.links, "A")->data.Name = "renamed after the copy";
    program.focus("B");
    program.commands->PasteNode();
    program.commands->PasteNode();
    EXPECT_THAT(shape(program.links), ElementsAre("renamed after the copy", "  full", "B", "  renamed after the copy",
                                                  "    full", "  renamed after the copy", "    full"));
    EXPECT_EQ(program.links.lastDeepest()->data, everyField()) << "a full copy of the record";
    EXPECT_THAT(selectedNames(program.links), ElementsAre("renamed after the copy")) << "copies arrive unselected";
    EXPECT_THAT(program.dialogs.messages, IsEmpty());
}

TEST_F(ClipboardTest, CutAndPasteMovesTheItemsButNeverIntoTheirOwnSubtree) {
    struct Case {
        const char* focused;
        std::vector<std::string> shape;
    } cases[] = {
        {"X", {"X", "  A", "    A1", "      A11", "  B"}},
        {nullptr, {"X", "A", "  A1", "    A11", "B"}},
        {"A11", {"A", "  A1", "    A11", "      B", "X"}},  // A holds the target and stays
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.focused ? c.focused : "nothing focused");
        Program program(4242, {"A", "  A1", "    A11", "B", "X"});
        select(program.links, {"A", "B"});
        program.commands->CutNode();
        EXPECT_TRUE(program.commands->cutPending());
        EXPECT_THAT(shape(program.links), ElementsAre("A", "  A1", "    A11", "B", "X")) << "cut items stay until the paste";
        program.links.setFocused(c.focused ? named(program.links, c.focused) : nullptr);
        program.commands->PasteNode();
        EXPECT_THAT(shape(program.links), ElementsAreArray(c.shape));
        EXPECT_FALSE(program.commands->cutPending());
        EXPECT_EQ(program.links.totalCount(), 5) << "moved, not copied";
        EXPECT_EQ(named(program.links, "B")->mark(), ClipboardMark::Copy) << "still on the clipboard";
        program.commands->PasteNode();
        EXPECT_EQ(program.links.totalCount(), 9) << "the cut is done: a further paste copies A with its subtree and B";
    }
}

TEST_F(ClipboardTest, SomethingElseOnTheClipboardCancelsTheMarksAndThePendingCut) {
    Program program(4242, {"A", "B"});
    Program other(777, {"O"});
    struct Case {
        const char* what;
        std::function<void()> takeTheClipboard;
    } cases[] = {
        {"plain text from this program", [&] { program.clipboard.setText("text"); }},
        {"another program's copy", [&] { select(other.links, {"O"}); other.commands->CopyNode(); }},
        {"a data object from outside", [] { putOutsideData(globalBlock(leaf("outside"))); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        select(program.links, {"A"});
        program.commands->CutNode();
        c.takeTheClipboard();
        EXPECT_THAT(program.marks(), ElementsAre(ClipboardMark::None, ClipboardMark::None));
        EXPECT_FALSE(program.commands->cutPending());
        EXPECT_THAT(shape(program.links), ElementsAre("A", "B")) << "cut items simply stay";
    }
}

TEST_F(ClipboardTest, AnotherRunningCopyOfTheProgramPastesFullCopies) {
    Program first(1001, {"A", "  A1"});
    Program second(1002, {"T"});
    named(first.links, "A1")->data = everyField();
    select(first.links, {"A"});
    first.commands->CutNode();
    second.focus("T");
    second.commands->PasteNode();
    EXPECT_THAT(shape(second.links), ElementsAre("T", "  A", "    full"));
    EXPECT_EQ(named(second.links, "full")->data, everyField());
    EXPECT_THAT(shape(first.links), ElementsAre("A", "  full")) << "the other copy's cut items stay where they are";
}

TEST_F(ClipboardTest, DataOfAProgramThatHasClosedStillPastes) {
    Program second(1002, {"T"});
    {
        Program first(1001, {"A"});
        select(first.links, {"A"});
        first.commands->CopyNode();
        first.commands.reset();
    }
    second.commands->PasteNode();
    EXPECT_THAT(shape(second.links), ElementsAre("T", "A"));
}

TEST_F(ClipboardTest, WithoutTheOutlinesFormatNothingIsPastedSilently) {
    Program program(4242, {"A"});
    for (bool empty : {false, true}) {
        if (empty)
            QGuiApplication::clipboard()->clear();
        else
            QGuiApplication::clipboard()->setText("https://example.org/");
        program.commands->PasteNode();
        EXPECT_THAT(shape(program.links), ElementsAre("A"));
        EXPECT_THAT(program.dialogs.messages, IsEmpty());
    }
}

TEST_F(ClipboardTest, DamagedDataFromOutsidePastesNothingAndSaysSo) {
    const ByteList good = leaf("good");
    ByteList cutShort = leaf("short");
    cutShort.resize(cutShort.size() - 3);
    ByteList wrongAnchor = leaf("anchor");
    wrongAnchor[0] = 7;
    ByteList tooLong = leaf("long");
    append(tooLong, {0, 0, 0, 0});
    tooLong[4] += 4;  // the node claims four bytes that are not part of it
    const ByteList missingChild = chunk(1, cat({chunk(2, baseBody(3, 0x00C1)), leaf("only child")}));
    struct Case {
        const char* what;
        ByteList block;
    } cases[] = {
        {"a node cut short after a good one", globalBlock(cat({good, cutShort}))},
        {"a count larger than the block", cat({le32(1000), good})},
        {"a negative count", cat({le32(-1), good})},
        {"a block shorter than its count field", {1, 0}},
        {"a chunk that is not a node", globalBlock(cat({good, wrongAnchor}))},
        {"data after a node's end", globalBlock(tooLong)},
        {"more children than the data holds", globalBlock(missingChild)},
        {"stray bytes after the last node", globalBlock(cat({good, {1, 2, 3}}))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Program program(4242, {"A", "  A1", "B"});
        select(program.links, {"B"});
        program.focus("A");
        putOutsideData(c.block);
        program.commands->PasteNode();
        EXPECT_THAT(shape(program.links), ElementsAre("A", "  A1", "B"));
        EXPECT_THAT(selectedNames(program.links), ElementsAre("B"));
        ASSERT_EQ(program.dialogs.messages.size(), 1u);
        EXPECT_THAT(program.dialogs.messages[0],
                    ::testing::StartsWith("error: The items on the clipboard are damaged; nothing was pasted."));
    }
}

TEST_F(ClipboardTest, DataThatCannotBeFetchedIsAFailedClipboardOperation) {
    Program program(4242, {"A"});
    putOutsideData({});
    program.commands->PasteNode();
    EXPECT_THAT(shape(program.links), ElementsAre("A"));
    EXPECT_THAT(program.dialogs.messages, ElementsAre("error: Clipboard operation failed."));
}

TEST_F(ClipboardTest, GoodDataFromOutsideIsPastedInOrder) {
    Program program(4242, {"A"});
    program.focus("A");
    putOutsideData(globalBlock(cat({leaf("one"), leaf("two")})));
    program.commands->PasteNode();
    EXPECT_THAT(shape(program.links), ElementsAre("A", "  one", "  two"));
}

} // namespace
