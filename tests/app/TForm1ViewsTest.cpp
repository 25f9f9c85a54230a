// The main window's view commands and the keys and mouse buttons of its trees, driven through the
// menus, the tool column and QTest on the real widgets.
#include "app/TForm1.h"

#include "collection/ItemType.h"
#include "editing/EditingFixtures.h"
#include "editing/OutlineStates.h"
#include "support/WindowUnderTest.h"
#include "ui/OutlineModel.h"
#include "ui/OutlineView.h"
#include "ui/TLinkPropForm.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <functional>

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

using Lines = std::vector<std::string>;

// A shown main window over a fresh program folder; its outline:
// A (URL)
// B (URL)
//   B1 (URL)
struct ViewsWindow : ::testing::Test, WindowUnderTest {
    ViewsWindow() : WindowUnderTest("views") {}

    void SetUp() override {
        start();
        form->showNormal();
        form->resize(900, 600);
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        use({"A", "B", "  B1"});
    }
    Outline& tree() { return form->LinksTree(); }
    OutlineView* view(const char* name) { return form->findChild<OutlineView*>(name); }
    OutlineView* links() { return view("LinksTree"); }
    Node* item(const std::string& name) { return named(tree(), name); }

    // Replaces the outline with URL items of these names, nothing selected or focused.
    void use(const Lines& lines) {
        tree().clear();
        build(tree(), lines);
        tree().forEach([](Node* n) {
            n->data.ItemType = ItemType::Url;
            n->data.URL = "https://example.org/" + n->data.Name;
        });
        links()->setFocus();
    }
    void selectOnly(const std::string& name) {
        tree().clearSelection();
        tree().setSelected(item(name), true);
        tree().setFocused(item(name));
    }
    void key(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        widget->setFocus();
        QTest::keyClick(widget, key, modifiers);
    }
    QPoint centreOf(OutlineView* v, Node* node) {
        return v->visualRect(v->outlineModel().indexOf(node)).center();
    }
    // The next properties dialog records the name it shows and is closed with "Ok".
    void recordDialogInto(std::string& shown) {
        QTimer::singleShot(0, propForm.get(), [this, &shown] {
            shown = propForm->findChild<QPlainTextEdit*>("NameEdit")->toPlainText().toStdString();
            propForm->OkLinkPropBtnClick();
        });
    }
};

ShellRequest browserOpens(const std::string& name) {
    return {"open", "IEXPLORE.EXE", " -new https://example.org/" + name, {}};
}

TEST_F(ViewsWindow, TheOutlinesOwnKeysReachTheirCommands) {
    using Key = std::pair<Qt::Key, Qt::KeyboardModifiers>;
    const Qt::KeyboardModifiers none = Qt::NoModifier, ctrl = Qt::ControlModifier;
    struct Case {
        const char* what;
        std::vector<Key> keys;
        const char* selected;  // selected and focused first; nullptr: A focused, nothing selected
        Lines shapeAfter;
        std::vector<ShellRequest> launched;
        Lines messages;
    } cases[] = {
        {"Enter launches the selected item in a new browser window", {{Qt::Key_Return, none}}, "A",
         {"A", "B", "  B1"}, {browserOpens("A")}, {}},
        {"Enter with nothing selected says so", {{Qt::Key_Return, none}}, nullptr, {"A", "B", "  B1"}, {},
         {"message: There was no node selected."}},
        {"Insert adds a Note under the focused item, with no dialog", {{Qt::Key_Insert, none}}, "B",
         {"A", "B", "  B1", "  "}, {}, {}},
        {"Delete deletes the selected items", {{Qt::Key_Delete, none}}, "B", {"A"}, {}, {}},
        {"Ctrl+C then Ctrl+V copies under the focused item", {{Qt::Key_C, ctrl}, {Qt::Key_V, ctrl}}, "A",
         {"A", "  A", "B", "  B1"}, {}, {}},
        {"Ctrl+X then Ctrl+V moves under the focused item",
         {{Qt::Key_X, ctrl}, {Qt::Key_Down, none}, {Qt::Key_V, ctrl}}, "A", {"B", "  B1", "  A"}, {}, {}},
        {"Ctrl+Insert does nothing", {{Qt::Key_Insert, ctrl}}, "B", {"A", "B", "  B1"}, {}, {}},
        {"Ctrl+Delete does nothing", {{Qt::Key_Delete, ctrl}}, "B", {"A", "B", "  B1"}, {}, {}},
        {"Ctrl+J does nothing", {{Qt::Key_J, ctrl}}, "B", {"A", "B", "  B1"}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        use({"A", "B", "  B1"});
        if (c.selected)
            selectOnly(c.selected);
        else
            tree().setFocused(item("A"));
        shell.requests.clear();
        dialogs.messages.clear();
        clipboard.calls.clear();
        for (const auto& [k, modifiers] : c.keys)
            key(links(), k, modifiers);
        EXPECT_THAT(shape(tree()), ElementsAreArray(c.shapeAfter));
        EXPECT_THAT(shell.requests, ElementsAreArray(c.launched));
        EXPECT_THAT(dialogs.messages, ElementsAreArray(c.messages));
        EXPECT_FALSE(propForm->isVisible());
        if (c.shapeAfter == Lines{"A", "B", "  B1"}) {
            EXPECT_THAT(clipboard.calls, IsEmpty()) << "nothing was copied";
        }
    }
}

TEST_F(ViewsWindow, ADoubleClickLaunchesUnlessCtrlWasPressedInTheOutlineSinceTheLastKeyRelease) {
    struct Case {
        const char* what;
        std::function<void(ViewsWindow&)> before;
        std::size_t launches;
    } cases[] = {
        {"a double-click launches the item", [](ViewsWindow&) {}, 1},
        {"Ctrl pressed in the outline: no launch",
         [](ViewsWindow& w) { QTest::keyPress(w.links(), Qt::Key_Control, Qt::ControlModifier); }, 0},
        {"a key released in the tag list clears the flag",
         [](ViewsWindow& w) {
             QTest::keyPress(w.links(), Qt::Key_Control, Qt::ControlModifier);
             QTest::keyRelease(w.view("MarksTree"), Qt::Key_Control, Qt::NoModifier);
         },
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        use({"A", "B"});
        selectOnly("A");
        c.before(*this);
        shell.requests.clear();
        QTest::mouseDClick(links()->viewport(), Qt::LeftButton, Qt::NoModifier, centreOf(links(), item("A")));
        EXPECT_EQ(shell.requests.size(), c.launches);
        EXPECT_FALSE(form->state().controlKeyHeld) << "the double-click clears the flag";
    }
}

TEST_F(ViewsWindow, TheRightButtonOnAnyTreeShowsThePropertiesOfTheOutlinesFirstSelectedItem) {
    Outline& marks = form->MarksTree();
    marks.clear();
    addNamed(marks, nullptr, "tag");
    struct Case {
        const char* tree;
        const char* selected;
        std::string shown;
        Lines messages;
    } cases[] = {
        {"LinksTree", "B1", "B1", {}},
        {"MarksTree", "B", "B", {}},
        {"DirTree", "B1", "B1", {}},
        {"MarksTree", nullptr, "", {"message: no selection!"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.tree) + (c.selected ? " with an outline item selected" : " with nothing selected"));
        use({"A", "B", "  B1"});
        tree().setFocused(item("A"));
        if (c.selected)
            tree().setSelected(item(c.selected), true);
        dialogs.messages.clear();
        std::string shown;
        if (c.selected)
            recordDialogInto(shown);
        OutlineView* v = view(c.tree);
        QTest::mouseClick(v->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(30, 10));
        EXPECT_EQ(shown, c.shown);
        EXPECT_THAT(dialogs.messages, ElementsAreArray(c.messages));
        EXPECT_THAT(selectedNames(tree()), ElementsAreArray(c.selected ? Lines{c.selected} : Lines{}))
            << "the click selects nothing";
        EXPECT_EQ(focusedName(tree()), "A");
    }
}

TEST_F(ViewsWindow, TheViewCommandsAnswerTheirKeysMenuEntriesAndButtons) {
    auto press = [](Qt::Key k, Qt::KeyboardModifiers m = Qt::ControlModifier) {
        return std::function<void(ViewsWindow&)>([k, m](ViewsWindow& w) { QTest::keyClick(w.form.get(), k, m); });
    };
    auto menu = [](const char* path) {
        return std::function<void(ViewsWindow&)>([path](ViewsWindow& w) { w.form->actionAt(path)->trigger(); });
    };
    auto button = [](const char* handler) {
        return std::function<void(ViewsWindow&)>([handler](ViewsWindow& w) {
            for (QToolButton* b : w.form->findChildren<QToolButton*>())
                if (b->objectName() == QString(handler) + "Tool")
                    b->click();
        });
    };
    struct Case {
        const char* what;
        std::function<void(ViewsWindow&)> command;
        Lines statesAfter;
    } cases[] = {
        {"F5 expands all", press(Qt::Key_F5, Qt::NoModifier), {"A", "B +*", "  B1 s", "C +", "  C1 +", "    C11"}},
        {"F6 collapses all", press(Qt::Key_F6, Qt::NoModifier), {"A", "B *", "  B1 s", "C", "  C1", "    C11"}},
        {"Ctrl+H collapses the focused item", press(Qt::Key_H), {"A", "B *", "  B1 s", "C", "  C1 +", "    C11"}},
        {"Ctrl+E expands it", press(Qt::Key_E), {"A", "B +*", "  B1 s", "C", "  C1 +", "    C11"}},
        {"Ctrl+G expands its branch", press(Qt::Key_G), {"A", "B +*", "  B1 s", "C", "  C1 +", "    C11"}},
        {"Ctrl+1 is Level 1", press(Qt::Key_1), {"A", "B +*", "  B1 hs", "C", "  C1 +h", "    C11 h"}},
        {"Ctrl+2 is Level 2", press(Qt::Key_2), {"A", "B +*", "  B1 s", "C", "  C1 +", "    C11 h"}},
        {"the Level 2 button", button("Level21Click"), {"A", "B +*", "  B1 s", "C", "  C1 +", "    C11 h"}},
        {"the hoist button", button("Hoist1Click"), {"A h", "B +*", "  B1 s", "C h", "  C1 +h", "    C11 h"}},
        {"Goto Last", menu("Item/Goto/Goto Last"), {"A", "B +", "  B1", "C +", "  C1 +", "    C11 +s*"}},
        {"Goto Previous", menu("Item/Goto/Goto Previous"), {"A", "B +s*", "  B1", "C", "  C1 +", "    C11"}},
        {"Invert", menu("Item/Selection/Invert"), {"A s", "B +s*", "  B1", "C s", "  C1 +s", "    C11 s"}},
        {"Unselect All", menu("Item/Selection/Unselect All"), {"A", "B +*", "  B1", "C", "  C1 +", "    C11"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        use({"A", "B", "  B1", "C", "  C1", "    C11"});
        tree().setExpanded(item("C1"), true);
        tree().setFocused(item("B"));  // expand on focus opens B
        tree().setSelected(item("B1"), true);
        c.command(*this);
        EXPECT_THAT(states(tree()), ElementsAreArray(c.statesAfter));
    }
}

TEST_F(ViewsWindow, FocusMovesExpandTheNewItemCollapseTheFormerSiblingAndScrollIntoView) {
    use({"A", "  A1", "B", "  B1"});
    selectOnly("A");
    EXPECT_THAT(states(tree()), ElementsAre("A +s*", "  A1", "B", "  B1"));
    key(links(), Qt::Key_End);
    EXPECT_THAT(states(tree()), ElementsAre("A", "  A1", "B +s*", "  B1"));
    key(links(), Qt::Key_Home);
    EXPECT_THAT(states(tree()), ElementsAre("A +s*", "  A1", "B", "  B1"));
    key(links(), Qt::Key_Down);  // into A: the parent stays open
    EXPECT_THAT(states(tree()), ElementsAre("A +", "  A1 +s*", "B", "  B1"));

    // Goto Next in a long outline: the target inside a collapsed branch out of view is displayed,
    // centred.
    Lines lines;
    for (int i = 0; i < 200; ++i) {
        lines.push_back("item " + std::to_string(i));
        if (i == 100)
            lines.push_back("  deep");
    }
    use(lines);
    selectOnly("item 0");
    tree().setSelected(item("item 0"), false);
    tree().setSelected(item("item 100"), true);
    form->GotoNext_mpClick();
    EXPECT_EQ(focusedName(tree()), "deep");
    const QRect row = links()->visualRect(links()->outlineModel().indexOf(item("deep")));
    ASSERT_TRUE(row.isValid());
    EXPECT_LE(std::abs(row.center().y() - links()->viewport()->height() / 2), 20) << "centred";
}

TEST_F(ViewsWindow, TypingSearchesTheTreeThatHasTheKeyboardFocus) {
    Outline& marks = form->MarksTree();
    marks.clear();
    for (const char* name : {"alpha", "beta", "gamma"})
        addNamed(marks, nullptr, name);
    use({"Apple", "Banana"});
    OutlineView* tags = view("MarksTree");
    tags->setFocus();
    QTest::keyClicks(tags, "be");
    EXPECT_EQ(focusedName(marks), "beta");
    EXPECT_EQ(tree().focused(), nullptr) << "the outline is not searched";
    links()->setFocus();
    QTest::keyClicks(links(), "b");
    EXPECT_EQ(focusedName(tree()), "Banana");
}

} // namespace
