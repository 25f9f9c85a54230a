#include "editing/CreateNewLink.h"
#include "editing/FileDrop.h"
#include "support/TestOutlines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

TEST(CreateNewLink, TypeDependsOnTheTreeAndTheParent) {
    Outline links, marks;
    Node* top = marks.addChild(nullptr);
    struct Case {
        Outline* tree;
        TreeKind kind;
        Node* parent;
        std::int32_t type;
    } cases[] = {
        {&links, TreeKind::Links, nullptr, 8},
        {&marks, TreeKind::Marks, nullptr, 0},
        {&marks, TreeKind::Marks, marks.root(), 8},
        {&marks, TreeKind::Marks, top, 0},
    };
    for (const Case& c : cases) {
        Node* n = CreateNewLink(*c.tree, c.kind, c.parent, "addr", "title");
        EXPECT_EQ(n->data.ItemType, c.type);
        EXPECT_EQ(n->data.Name, "title");
        EXPECT_EQ(n->data.URL, "addr");
        EXPECT_EQ(c.tree->focused(), nullptr);
        EXPECT_EQ(c.tree->selectedCount(), 0);
    }
}

TEST(FilesDropped, AddsChildrenOfTheFocusedItemInOrderSkippingEmptyNames) {
    Outline o;
    Node* x = addNamed(o, nullptr, "X");
    addNamed(o, x, "existing");
    o.setFocused(x);
    FilesDropped(o, {"/home/u/a.txt", "", "/home/u/b c.pdf", "/tmp/z"});
    EXPECT_THAT(shape(o), ElementsAre("X", "  existing", "  /home/u/a.txt", "  /home/u/b c.pdf", "  /tmp/z"));
    EXPECT_EQ(x->child(3)->data.URL, "/tmp/z");
    EXPECT_EQ(x->child(3)->data.ItemType, 8);
}

TEST(FilesDropped, WithNothingFocusedTheFilesBecomeTopLevelItems) {
    Outline o;
    addNamed(o, nullptr, "X");
    FilesDropped(o, {"/a"});
    EXPECT_THAT(shape(o), ElementsAre("X", "/a"));
}

} // namespace
