#include "editing/CreateNewLink.h"
#include "editing/CreationCommands.h"
#include "EditingFixtures.h"
#include "fakes/RecordingClipboard.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

using Command = std::function<Node*(Outline&, const EditingHost&, const Clipboard&)>;

struct NamedCommand {
    const char* name;
    Command run;
    std::int32_t type;       // of the new item
    bool opensDialog;
};

const NamedCommand kAddRoot{"Add Root Item", [](Outline& o, const EditingHost& h, const Clipboard&) { return AddRootLink(o, h); }, 8, true};
const NamedCommand kAddItem{"Add Item", [](Outline& o, const EditingHost& h, const Clipboard&) { return AddChildLink(o, h); }, 8, true};
const NamedCommand kRight{"Add Item Right", [](Outline& o, const EditingHost& h, const Clipboard&) { return AddItemRight(o, h); }, 8, true};
const NamedCommand kLeft{"Add Item Left", [](Outline& o, const EditingHost& h, const Clipboard&) { return AddItemLeft(o, h); }, 8, true};
const NamedCommand kBefore{"Add Item Before", [](Outline& o, const EditingHost& h, const Clipboard&) { return InsertLinkBefore(o, h); }, 0, true};
const NamedCommand kAfter{"Insert Link After", [](Outline& o, const EditingHost& h, const Clipboard&) { return InsertLinkAfter(o, h); }, 0, true};
const NamedCommand kInsertUrl{"Insert URL Item", [](Outline& o, const EditingHost& h, const Clipboard&) { return InsertByType(o, h, 1); }, 1, true};
const NamedCommand kInsertGroup{"Insert Group Item", [](Outline& o, const EditingHost& h, const Clipboard&) { return InsertByType(o, h, 0); }, 0, true};
const NamedCommand kInsertKey{"Insert key", [](Outline& o, const EditingHost&, const Clipboard&) { return InsertKeyPressed(o); }, 8, false};
const NamedCommand kFromClipboard{"Add Link From Clipboard", [](Outline& o, const EditingHost& h, const Clipboard& c) { return AddLinkFromClipboard(o, c, h); }, 8, true};

const NamedCommand* const kAllCommands[] = {&kAddRoot, &kAddItem, &kRight, &kLeft, &kBefore, &kAfter,
                                            &kInsertUrl, &kInsertGroup, &kInsertKey, &kFromClipboard};

// The outline's shape with the new item shown as "NEW".
std::vector<std::string> shapeWith(const Outline& outline, const Node* added) {
    std::vector<std::string> lines;
    outline.forEach([&](Node* n) {
        lines.push_back(std::string(2 * outline.level(n), ' ') + (n == added ? "NEW" : n->data.Name));
    });
    return lines;
}

const std::vector<std::string> kSample = {"A", "  A1", "    A11", "  A2", "B"};

TEST(CreationCommands, EachCommandPlacesItsItemByTheFocusedItemNotTheSelection) {
    struct Case {
        const NamedCommand& command;
        const char* focused;  // nullptr: nothing focused
        std::vector<std::string> shape;
    } cases[] = {
        {kAddRoot, "A1", {"A", "  A1", "    A11", "  A2", "B", "NEW"}},
        {kAddItem, "A1", {"A", "  A1", "    A11", "  A2", "  NEW", "B"}},
        {kAddItem, "A", {"A", "  A1", "    A11", "  A2", "B", "NEW"}},
        {kAddItem, nullptr, {"A", "  A1", "    A11", "  A2", "B", "NEW"}},
        {kRight, "A1", {"A", "  A1", "    A11", "    NEW", "  A2", "B"}},
        {kRight, nullptr, {"A", "  A1", "    A11", "  A2", "B", "NEW"}},
        {kLeft, "A11", {"A", "  A1", "    A11", "  A2", "  NEW", "B"}},
        {kLeft, "A1", {"A", "  A1", "    A11", "  A2", "B", "NEW"}},  // level 1: a top-level item
        {kLeft, "A", {"A", "  A1", "    A11", "  A2", "B", "NEW"}},
        {kLeft, nullptr, {"A", "  A1", "    A11", "  A2", "B", "NEW"}},
        {kBefore, "A1", {"A", "  NEW", "  A1", "    A11", "  A2", "B"}},
        {kBefore, nullptr, {"NEW", "A", "  A1", "    A11", "  A2", "B"}},
        {kAfter, "A1", {"A", "  A1", "    A11", "  NEW", "  A2", "B"}},
        {kAfter, nullptr, {"A", "  A1", "    A11", "  A2", "B", "NEW"}},
        {kInsertUrl, "A1", {"A", "  A1", "    A11", "  A2", "  NEW", "B"}},
        {kInsertUrl, "B", {"A", "  A1", "    A11", "  A2", "B", "NEW"}},
        {kInsertKey, "A1", {"A", "  A1", "    A11", "    NEW", "  A2", "B"}},
        {kInsertKey, nullptr, {"A", "  A1", "    A11", "  A2", "B", "NEW"}},
        {kFromClipboard, "A1", {"A", "  A1", "    A11", "    NEW", "  A2", "B"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.command.name) + " focused on " + (c.focused ? c.focused : "nothing"));
        Outline links;
        build(links, kSample);
        select(links, {"A2", "B"});  // several selected, another item focused
        if (c.focused)
            links.setFocused(named(links, c.focused));
        RecordingHost host;
        RecordingClipboard clipboard;
        Node* added = c.command.run(links, host.host(), clipboard);
        EXPECT_THAT(shapeWith(links, added), ElementsAreArray(c.shape));
        EXPECT_EQ(added->data.ItemType, c.command.type);
    }
}

TEST(CreationCommands, InAnEmptyOutlineEveryCommandMakesTheFirstTopLevelItem) {
    for (const NamedCommand* command : kAllCommands) {
        SCOPED_TRACE(command->name);
        Outline links;
        RecordingHost host;
        RecordingClipboard clipboard;
        Node* added = command->run(links, host.host(), clipboard);
        EXPECT_EQ(links.rootCount(), 1);
        EXPECT_EQ(links.first(), added);
        EXPECT_EQ(added->data.Name, "");
        EXPECT_EQ(added->data.URL, "");
    }
}

TEST(CreationCommands, DialogFocusAndTagListFollowEachCommand) {
    struct Case {
        const NamedCommand& command;
        std::vector<std::string> calls;
        bool selectsAndFocusesTheNewItem;
    } cases[] = {
        {kAddRoot, {"LinkProps new", "GetBookmarks1Click"}, false},
        {kAddItem, {"LinkProps new", "focusTitleBox"}, false},
        {kRight, {"LinkProps new"}, false},
        {kLeft, {"LinkProps new"}, false},
        {kBefore, {"LinkProps new"}, false},
        {kAfter, {"LinkProps new"}, false},
        {kInsertUrl, {"LinkProps new"}, true},
        {kInsertKey, {}, false},
        {kFromClipboard, {"LinkProps new"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command.name);
        Outline links;
        build(links, kSample);
        select(links, {"A2", "B"});
        links.setFocused(named(links, "A1"));
        RecordingHost host;
        host.nameFromDialog = "new";
        RecordingClipboard clipboard;
        Node* added = c.command.run(links, host.host(), clipboard);
        EXPECT_THAT(host.calls, ElementsAreArray(c.calls));
        if (!c.calls.empty()) {
            EXPECT_THAT(host.dialogItems, ElementsAre(added));
        }
        if (c.selectsAndFocusesTheNewItem) {
            EXPECT_EQ(links.focused(), added);
            EXPECT_THAT(links.selectedNodes(), ElementsAre(added));
        } else {
            EXPECT_EQ(focusedName(links), "A1");
            EXPECT_THAT(selectedNames(links), ElementsAre("A2", "B"));
        }
    }
}

TEST(CreationCommands, AddLinkFromClipboardTakesThePlainTextAsTitleAndAddress) {
    struct Case {
        std::optional<std::string> clipboardText;
        std::string expected;
    } cases[] = {{"https://example.org/a b", "https://example.org/a b"}, {std::nullopt, ""}, {"", ""}};
    for (const Case& c : cases) {
        Outline links;
        RecordingHost host;
        RecordingClipboard clipboard;
        clipboard.content = c.clipboardText;
        Node* added = AddLinkFromClipboard(links, clipboard, host.host());
        EXPECT_EQ(added->data.Name, c.expected);
        EXPECT_EQ(added->data.URL, c.expected);
        EXPECT_EQ(added->data.ItemType, 8);
        EXPECT_THAT(host.calls, ElementsAre("LinkProps " + c.expected)) << "the dialog opens even without text";
    }
}

TEST(CreationCommands, TheTenTypedInsertCommandsGiveTheirTypeAndADefaultRecordOtherwise) {
    for (std::int32_t type : {0, 1, 2, 3, 4, 5, 7, 8, 9, 10}) {
        Outline links;
        build(links, {"A"});
        links.setFocused(links.first());
        RecordingHost host;
        Node* added = InsertByType(links, host.host(), type);
        LinkItem expected;
        expected.ItemType = type;
        EXPECT_EQ(added->data, expected);
        EXPECT_TRUE(added->isVisible());
        EXPECT_FALSE(added->isExpanded());
    }
}

TEST(AddNodeTo, PlacesAnAllZeroItemBeforeOrAfterTheFocusedItemOfAnyTree) {
    Outline marks;
    build(marks, {"M1", "M2"});
    marks.setFocused(named(marks, "M2"));
    AddNodeTo(marks, AddPosition::Before)->data.Name = "before";
    AddNodeTo(marks, AddPosition::After)->data.Name = "after";
    EXPECT_THAT(shape(marks), ElementsAre("M1", "before", "M2", "after"));
    EXPECT_EQ(named(marks, "after")->data.ItemType, 0);
}

} // namespace
