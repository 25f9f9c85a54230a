#include "ui/OutlineView.h"
#include "ViewRows.h"
#include "support/TestOutlines.h"
#include "ui/OutlineCellPainter.h"
#include "ui/OutlineModel.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// One line per node in document order: indentation, name, then flags "+" expanded, "h" hidden,
// "s" selected, "*" focused.
std::string line(const Outline& outline, const Node* node, bool expanded, bool hidden, bool selected, bool focused) {
    std::string flags;
    flags += expanded ? "+" : "";
    flags += hidden ? "h" : "";
    flags += selected ? "s" : "";
    flags += focused ? "*" : "";
    return std::string(2 * outline.level(node), ' ') + node->data.Name + (flags.empty() ? "" : " " + flags);
}

// The states as the outline holds them.
std::vector<std::string> outlineState(const Outline& outline) {
    std::vector<std::string> lines;
    outline.forEach([&](Node* n) {
        lines.push_back(line(outline, n, n->isExpanded(), !n->isVisible(), n->isSelected(), outline.focused() == n));
    });
    return lines;
}

using Lines = std::vector<std::string>;

// A
//   A1
//     A1a
//   A2
// B
struct World {
    Outline outline;
    Node* A = addNamed(outline, nullptr, "A");
    Node* A1 = addNamed(outline, A, "A1");
    Node* A1a = addNamed(outline, A1, "A1a");
    Node* A2 = addNamed(outline, A, "A2");
    Node* B = addNamed(outline, nullptr, "B");
    OutlineModel model{outline};
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
    OutlineView view{model};

    World() {
        view.configureAsLinksTree();
        view.resize(700, 300);
        view.show();
    }
    QPoint centreOf(Node* node) { return view.visualRect(model.indexOf(node)).center(); }
    void click(Node* node, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, modifiers, centreOf(node));
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(&view, key, modifiers); }
};

TEST(OutlineView, MirrorsEveryOutlineChange) {
    struct Case {
        const char* what;
        std::function<void(World&)> change;
        Lines expected;
    };
    const Case cases[] = {
        {"nothing yet", [](World&) {}, {"A", "  A1", "    A1a", "  A2", "B"}},
        {"expand", [](World& w) { w.outline.setExpanded(w.A, true); }, {"A +", "  A1", "    A1a", "  A2", "B"}},
        {"expand, then collapse",
         [](World& w) {
             w.outline.setExpanded(w.A, true);
             w.outline.setExpanded(w.A, false);
         },
         {"A", "  A1", "    A1a", "  A2", "B"}},
        {"hide", [](World& w) { w.outline.setVisible(w.A2, false); }, {"A", "  A1", "    A1a", "  A2 h", "B"}},
        {"select inside a collapsed branch and at the top",
         [](World& w) {
             w.outline.setSelected(w.A1a, true);
             w.outline.setSelected(w.B, true);
         },
         {"A", "  A1", "    A1a s", "  A2", "B s"}},
        {"deselect",
         [](World& w) {
             w.outline.setSelected(w.A1a, true);
             w.outline.setSelected(w.B, true);
             w.outline.setSelected(w.A1a, false);
         },
         {"A", "  A1", "    A1a", "  A2", "B s"}},
        {"focus inside a collapsed branch leaves it collapsed",
         [](World& w) { w.outline.setFocused(w.A1a); },
         {"A", "  A1", "    A1a *", "  A2", "B"}},
        {"focus moves, then goes",
         [](World& w) {
             w.outline.setFocused(w.A1a);
             w.outline.setFocused(w.B);
             w.outline.setFocused(nullptr);
         },
         {"A", "  A1", "    A1a", "  A2", "B"}},
        {"select all", [](World& w) { w.outline.selectAll(); }, {"A s", "  A1 s", "    A1a s", "  A2 s", "B s"}},
        {"select all, then clear",
         [](World& w) {
             w.outline.selectAll();
             w.outline.clearSelection();
         },
         {"A", "  A1", "    A1a", "  A2", "B"}},
        {"expand everything",
         [](World& w) { w.outline.setExpandedAll(true); },
         {"A +", "  A1 +", "    A1a +", "  A2 +", "B +"}},
        {"copy an expanded branch with a hidden child",
         [](World& w) {
             w.outline.setExpanded(w.A1, true);
             w.outline.setVisible(w.A1a, false);
             w.outline.copyNode(w.A1, w.B, AttachMode::LastChild);
         },
         {"A", "  A1 +", "    A1a h", "  A2", "B", "  A1 +", "    A1a h"}},
        {"move keeps the states of the moved branch",
         [](World& w) {
             w.outline.setExpanded(w.A1, true);
             w.outline.setSelected(w.A1, true);
             w.outline.setFocused(w.A1a);
             w.outline.moveNode(w.A1, w.B, AttachMode::After);
         },
         {"A", "  A2", "B", "A1 +s", "  A1a *"}},
        {"deleting the focused node takes nothing else with it",
         [](World& w) {
             w.outline.setExpanded(w.A, true);
             w.outline.setSelected(w.A1, true);
             w.outline.setSelected(w.A2, true);
             w.outline.setFocused(w.A1);
             w.outline.deleteNode(w.A1);
         },
         {"A +", "  A2 s", "B"}},
        {"deleting the selection",
         [](World& w) {
             w.outline.setSelected(w.A1a, true);
             w.outline.setSelected(w.B, true);
             w.outline.setFocused(w.A2);
             w.outline.deleteSelected();
         },
         {"A", "  A1", "  A2 *"}},
        {"a bulk load is shown after its one reset",
         [](World& w) {
             OutlineUpdate update(w.outline);
             w.outline.clear();
             Node* c = addNamed(w.outline, nullptr, "C");
             Node* c1 = addNamed(w.outline, c, "C1");
             addNamed(w.outline, c1, "C1a");
             Node* c2 = addNamed(w.outline, c, "C2");
             addNamed(w.outline, nullptr, "D");
             w.outline.setExpanded(c, true);
             w.outline.setVisible(c1, false);
             w.outline.setSelected(c2, true);
             w.outline.setFocused(c2);
         },
         {"C +", "  C1 h", "    C1a", "  C2 s*", "D"}},
        {"a collection swapped in",
         [](World& w) {
             Outline loaded;
             Node* e = addNamed(loaded, nullptr, "E");
             Node* e1 = addNamed(loaded, e, "E1");
             loaded.setExpanded(e, true);
             loaded.setSelected(e1, true);
             loaded.setFocused(e);
             w.outline.setSelected(w.B, true);
             w.outline.swapContents(loaded);
         },
         {"E +*", "  E1 s"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        World w;
        c.change(w);
        EXPECT_EQ(outlineState(w.outline), c.expected);
        EXPECT_EQ(viewRows(w.view), displayedRows(w.outline));
    }
}

TEST(OutlineView, HandsTheUsersActionsToTheOutline) {
    struct Case {
        const char* what;
        std::function<void(World&)> act;
        Lines expected; // the outline's states afterwards
    };
    const Case cases[] = {
        {"a click selects and focuses a row", [](World& w) { w.click(w.B); }, {"A", "  A1", "    A1a", "  A2", "B s*"}},
        {"a click replaces the selection",
         [](World& w) {
             w.outline.setSelected(w.A, true);
             w.click(w.B);
         },
         {"A", "  A1", "    A1a", "  A2", "B s*"}},
        {"ctrl+click adds a row",
         [](World& w) {
             w.click(w.A);
             w.click(w.B, Qt::ControlModifier);
         },
         {"A s", "  A1", "    A1a", "  A2", "B s*"}},
        {"shift+click selects the displayed rows between",
         [](World& w) {
             w.outline.setExpanded(w.A, true);
             w.click(w.A);
             w.click(w.B, Qt::ShiftModifier);
         },
         {"A +s", "  A1 s", "    A1a", "  A2 s", "B s*"}},
        {"a click also clears selected rows inside collapsed branches",
         [](World& w) {
             w.outline.setSelected(w.A1a, true);
             w.click(w.B);
         },
         {"A", "  A1", "    A1a", "  A2", "B s*"}},
        {"a click on one of several selected rows selects it alone",
         [](World& w) {
             w.click(w.A);
             w.click(w.B, Qt::ControlModifier);
             w.click(w.A);
         },
         {"A s*", "  A1", "    A1a", "  A2", "B"}},
        {"shift+arrows extend the selection from the clicked row",
         [](World& w) {
             w.outline.setExpanded(w.A, true);
             w.click(w.A);
             w.key(Qt::Key_Down, Qt::ShiftModifier);
             w.key(Qt::Key_Down, Qt::ShiftModifier);
         },
         {"A +s", "  A1 s", "    A1a", "  A2 s*", "B"}},
        {"ctrl+space toggles the focused row",
         [](World& w) {
             w.click(w.A);
             w.key(Qt::Key_Down, Qt::ControlModifier);
             w.key(Qt::Key_Space, Qt::ControlModifier);
         },
         {"A s", "  A1", "    A1a", "  A2", "B s*"}},
        {"a click on empty space clears the selection",
         [](World& w) {
             w.click(w.A);
             QTest::mouseClick(w.view.viewport(), Qt::LeftButton, {}, QPoint(100, 250));
         },
         {"A *", "  A1", "    A1a", "  A2", "B"}},
        {"arrow down moves focus and selection",
         [](World& w) {
             w.click(w.A);
             w.key(Qt::Key_Down);
         },
         {"A", "  A1", "    A1a", "  A2", "B s*"}},
        {"ctrl+arrow moves the focus only",
         [](World& w) {
             w.click(w.A);
             w.key(Qt::Key_Down, Qt::ControlModifier);
         },
         {"A s", "  A1", "    A1a", "  A2", "B *"}},
        {"right arrow expands",
         [](World& w) {
             w.click(w.A);
             w.key(Qt::Key_Right);
         },
         {"A +s*", "  A1", "    A1a", "  A2", "B"}},
        {"left arrow collapses",
         [](World& w) {
             w.outline.setExpanded(w.A, true);
             w.click(w.A);
             w.key(Qt::Key_Left);
         },
         {"A s*", "  A1", "    A1a", "  A2", "B"}},
        {"plus expands",
         [](World& w) {
             w.click(w.A);
             w.key(Qt::Key_Plus);
         },
         {"A +s*", "  A1", "    A1a", "  A2", "B"}},
        {"minus collapses",
         [](World& w) {
             w.outline.setExpanded(w.A, true);
             w.click(w.A);
             w.key(Qt::Key_Minus);
         },
         {"A s*", "  A1", "    A1a", "  A2", "B"}},
        {"page down goes to the last row, page up back to the first",
         [](World& w) {
             w.outline.setExpanded(w.A, true);
             w.click(w.A);
             w.key(Qt::Key_PageDown);
             EXPECT_EQ(w.outline.focused(), w.B);
             w.key(Qt::Key_PageUp);
         },
         {"A +s*", "  A1", "    A1a", "  A2", "B"}},
        {"shift+end selects from the focused row to the last",
         [](World& w) {
             w.outline.setExpanded(w.A, true);
             w.click(w.A1);
             w.key(Qt::Key_End, Qt::ShiftModifier);
         },
         {"A +", "  A1 s", "    A1a", "  A2 s", "B s*"}},
        {"the button expands without selecting",
         [](World& w) {
             const QRect row = w.view.visualRect(w.model.indexOf(w.A));
             QTest::mouseClick(w.view.viewport(), Qt::LeftButton, {},
                               QPoint(w.view.indentation() / 2, row.center().y()));
         },
         {"A +", "  A1", "    A1a", "  A2", "B"}},
        {"a double-click toggles the branch and opens no editor",
         [](World& w) {
             // A real double-click: press and release, then the double-click and its release.
             const QPoint at = w.centreOf(w.A);
             w.click(w.A);
             for (QEvent::Type type : {QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
                 QMouseEvent event(type, at, w.view.viewport()->mapToGlobal(at), Qt::LeftButton,
                                   type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
                 QApplication::sendEvent(w.view.viewport(), &event);
             }
         },
         {"A +s*", "  A1", "    A1a", "  A2", "B"}},
        {"F2 opens no editor",
         [](World& w) {
             w.click(w.B);
             w.key(Qt::Key_F2);
         },
         {"A", "  A1", "    A1a", "  A2", "B s*"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        World w;
        c.act(w);
        EXPECT_EQ(outlineState(w.outline), c.expected);
        EXPECT_EQ(viewRows(w.view), displayedRows(w.outline));
        EXPECT_TRUE(w.view.viewport()->findChildren<QWidget*>().isEmpty()) << "an editor was opened";
    }
}

TEST(OutlineView, LinksTreeSettings) {
    World w;
    struct Column {
        const char* header;
        int width; // 0: not checked (hidden)
        bool hidden;
    };
    const Column columns[] = {{"name", 400, false}, {"Type", 0, true}, {"HotKey", 100, false},  {"URL", 300, false},
                              {"Params", 0, true},  {"Dir", 0, true},  {"AccessInfo", 0, true}, {"Note", 350, false}};
    ASSERT_EQ(w.model.columnCount(), 8);
    for (int c = 0; c < 8; ++c) {
        SCOPED_TRACE(columns[c].header);
        EXPECT_EQ(w.model.headerData(c, Qt::Horizontal).toString(), columns[c].header);
        EXPECT_EQ(w.view.isColumnHidden(c), columns[c].hidden);
        if (!columns[c].hidden) {
            EXPECT_EQ(w.view.columnWidth(c), columns[c].width);
        }
    }
    EXPECT_TRUE(w.view.header()->isVisible());
    EXPECT_TRUE(w.view.header()->font().bold());
    EXPECT_FALSE(w.model.headerData(0, Qt::Horizontal, Qt::DecorationRole).value<QIcon>().isNull());
    EXPECT_EQ(w.view.selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(w.view.selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_TRUE(w.view.rootIsDecorated());
    EXPECT_TRUE(w.view.gridLines());
    EXPECT_EQ(w.view.toolTip(), "Click link to browse");
    EXPECT_EQ(w.view.visualRect(w.model.indexOf(w.A)).height(), 20);
    EXPECT_EQ(w.view.visualRect(w.model.indexOf(w.B)).top(), 20);

    // Grid lines in both directions: under the row, and at the right edge of each shown column.
    const QImage image = w.view.viewport()->grab().toImage();
    const QColor background = image.pixelColor(250, 10);
    EXPECT_NE(image.pixelColor(250, 19), background);
    EXPECT_NE(image.pixelColor(399, 10), background);
    EXPECT_NE(image.pixelColor(499, 10), background);
}

TEST(OutlineView, SideTreesShowOneNameColumn) {
    World w;
    w.view.configureAsSideTree(210);
    EXPECT_EQ(w.view.columnWidth(0), 210);
    EXPECT_FALSE(w.view.isColumnHidden(0));
    for (int c = 1; c < w.model.columnCount(); ++c)
        EXPECT_TRUE(w.view.isColumnHidden(c)) << c;
}

TEST(OutlineView, FocusingANodeRevealsItCentred) {
    Outline outline;
    for (int i = 0; i < 200; ++i)
        addNamed(outline, nullptr, "item " + std::to_string(i));
    Node* parent = outline.root()->child(150);
    Node* deep = addNamed(outline, addNamed(outline, parent, "child"), "grandchild");
    OutlineModel model(outline);
    OutlineView view(model);
    view.resize(500, 300);
    view.show();

    view.focusNode(deep);
    EXPECT_EQ(outline.focused(), deep);
    EXPECT_TRUE(parent->isExpanded());
    EXPECT_TRUE(outline.parentOf(deep)->isExpanded());
    EXPECT_EQ(model.nodeAt(view.currentIndex()), deep);
    const QRect row = view.visualRect(model.indexOf(deep));
    EXPECT_LE(std::abs(row.center().y() - view.viewport()->height() / 2), 20);

    // A node already in view is focused without scrolling.
    const int scrolled = view.verticalScrollBar()->value();
    view.focusNode(outline.root()->child(151));
    EXPECT_EQ(view.verticalScrollBar()->value(), scrolled);

    // Focus set on the outline alone scrolls too, but never opens a branch.
    Node* hiddenInside = addNamed(outline, outline.root()->child(5), "inside");
    outline.setFocused(hiddenInside);
    EXPECT_FALSE(outline.root()->child(5)->isExpanded());
    EXPECT_EQ(view.verticalScrollBar()->value(), scrolled);
    outline.setFocused(outline.root()->child(3));
    EXPECT_LT(view.verticalScrollBar()->value(), scrolled);
}

TEST(OutlineView, ExpandAllAndCollapseAllGoThroughTheOutline) {
    World w;
    w.view.expandAll();
    EXPECT_TRUE(w.A1->isExpanded());
    EXPECT_EQ(viewRows(w.view), displayedRows(w.outline));
    w.view.collapseAll();
    EXPECT_FALSE(w.A->isExpanded());
    EXPECT_EQ(viewRows(w.view), displayedRows(w.outline));
}

TEST(OutlineView, StopsListeningWhenItsModelGoes) {
    Outline outline;
    addNamed(outline, nullptr, "A");
    auto model = std::make_unique<OutlineModel>(outline);
    auto view = std::make_unique<OutlineView>(*model);
    model.reset();
    // The outline changes on; the view must not hear of it through a model that is gone.
    Node* b = addNamed(outline, nullptr, "B");
    outline.setSelected(b, true);
    outline.setFocused(b);
    view.reset();
    SUCCEED();
}

} // namespace
