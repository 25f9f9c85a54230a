// The outline view's own keys, mouse buttons and incremental search, and how it shows bulk changes,
// driven with QTest on the real widget.
#include "ui/OutlineView.h"
#include "ViewRows.h"
#include "editing/EditingFixtures.h"
#include "editing/Expanding.h"
#include "editing/LevelViews.h"
#include "editing/Navigation.h"
#include "editing/Selection.h"
#include "ui/OutlineModel.h"

#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

using Lines = std::vector<std::string>;

// A shown view over an outline served by expand-on-focus, as the window's outline is; the search
// clock is the test's, and the beeps and the window's handlers are recorded.
struct Tree {
    Outline outline;
    ExpandOnFocus expandOnFocus{outline};
    OutlineModel model{outline};
    OutlineView view{model};
    std::int64_t now = 0;
    int beeps = 0;
    Lines events;

    explicit Tree(const Lines& lines) {
        build(outline, lines);
        view.configureAsLinksTree();
        view.resize(600, 300);
        view.show();
        view.setSearchClock([this] { return now; });
        view.setBeep([this] { ++beeps; });
    }
    QPoint centreOf(const std::string& name) { return view.visualRect(model.indexOf(named(outline, name))).center(); }
    void click(const std::string& name, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(view.viewport(), button, {}, centreOf(name));
    }
    void type(const std::string& text, std::int64_t at) {
        now = at;
        QTest::keyClicks(&view, QString::fromStdString(text));
    }
};

TEST(OutlineViewSearch, TypedTextFindsTheNextMatchFromTheFocusedRow) {
    struct Step {
        const char* typed;
        std::int64_t at;
        const char* focusAfter;
        int beepsAfter;
    };
    struct Case {
        const char* what;
        std::vector<Step> steps;
    } cases[] = {
        {"characters typed within a second make one text",
         {{"g", 0, "Gamma", 0}, {"o", 999, "Go", 0}, {"o", 1500, "Go", 0}}},
        {"a pause of a second starts a new text", {{"g", 0, "Gamma", 0}, {"o", 1000, "Orange", 0}}},
        {"the focused row is tried first, then the rows after it and round", {{"b", 0, "Beta", 0}}},
        {"collapsed branches are searched", {{"gu", 0, "Gust", 0}}},
        {"nothing matches: a beep, and nothing moves", {{"g", 0, "Gamma", 0}, {"x", 10, "Gamma", 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Tree t({"Beta", "Gamma", "  Gust", "Go", "Google", "Orange"});
        t.outline.setFocused(named(t.outline, "Orange"));
        t.view.setFocus();
        for (const Step& step : c.steps) {
            SCOPED_TRACE(step.typed);
            t.type(step.typed, step.at);
            EXPECT_EQ(focusedName(t.outline), step.focusAfter);
            EXPECT_THAT(selectedNames(t.outline), ElementsAre(step.focusAfter));
            EXPECT_EQ(t.beeps, step.beepsAfter);
        }
        EXPECT_EQ(viewRows(t.view), displayedRows(t.outline)) << "the match is displayed";
    }
}

TEST(OutlineViewKeys, TheWindowsKeyHandlerComesBeforeTheTreesOwn) {
    Tree t({"A", "B", "C"});
    t.view.setEventHandlers({[&t](const QKeyEvent& key) {
                                 t.events.push_back("down " + QKeySequence(key.keyCombination()).toString().toStdString());
                                 return key.key() == Qt::Key_Down; // the window uses Down, nothing else
                             },
                             [&t](const QKeyEvent& key) {
                                 t.events.push_back("up " + QKeySequence(key.keyCombination()).toString().toStdString());
                             },
                             {}, {}});
    t.click("A");
    QTest::keyClick(&t.view, Qt::Key_Down);
    EXPECT_EQ(focusedName(t.outline), "A") << "a used key does not reach the tree";
    QTest::keyClick(&t.view, Qt::Key_End);
    EXPECT_EQ(focusedName(t.outline), "C");
    EXPECT_THAT(t.events, ElementsAre("down Down", "up Down", "down End", "up End"));
}

TEST(OutlineViewKeys, TheCopyKeysPutNoRowTextOnTheClipboard) {
    Tree t({"A", "B"});
    t.click("A");
    for (QKeyCombination key : {Qt::CTRL | Qt::Key_Insert, Qt::CTRL | Qt::Key_C}) {
        QApplication::clipboard()->setText("before");
        QTest::keyClick(&t.view, key.key(), key.keyboardModifiers());
        EXPECT_EQ(QApplication::clipboard()->text(), "before") << QKeySequence(key).toString().toStdString();
    }
}

TEST(OutlineViewKeys, CtrlASelectsTheDisplayedRows) {
    Tree t({"A", "  A1", "B", "  B1"});
    t.click("B");  // expand on focus opens B
    QTest::keyClick(&t.view, Qt::Key_A, Qt::ControlModifier);
    EXPECT_THAT(selectedNames(t.outline), ElementsAre("A", "B", "B1"));
}

TEST(OutlineViewMouse, TheRightButtonIsReportedAndNeverSelects) {
    Tree t({"A", "B"});
    t.view.setEventHandlers({{}, {}, [&t](Qt::MouseButton button) {
                                 t.events.push_back(button == Qt::RightButton ? "right" : "other");
                             },
                             [&t] { t.events.push_back("double-click"); }});
    t.click("A");
    t.click("B", Qt::RightButton);
    EXPECT_THAT(selectedNames(t.outline), ElementsAre("A"));
    EXPECT_EQ(focusedName(t.outline), "A");
    QTest::mouseDClick(t.view.viewport(), Qt::LeftButton, {}, t.centreOf("B"));
    EXPECT_THAT(t.events, ElementsAre("other", "right", "other", "double-click"));
}

// Focusing a row may collapse the former one above it; the click still selects the row clicked,
// not the row that moved under the mouse.
TEST(OutlineViewMouse, AClickSelectsTheRowClickedWhenTheFocusCollapsesRowsAboveIt) {
    Tree t({"A", "  A1", "  A2", "B", "C"});
    t.click("A");  // expand on focus opens A
    ASSERT_EQ(viewRows(t.view), (Lines{"A +*", "  A1", "  A2", "B", "C"}));
    t.click("B");
    EXPECT_EQ(focusedName(t.outline), "B");
    EXPECT_THAT(selectedNames(t.outline), ElementsAre("B"));
    EXPECT_EQ(viewRows(t.view), (Lines{"A", "B *", "C"}));
    QTest::keyClick(&t.view, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_THAT(selectedNames(t.outline), ElementsAre("B", "C")) << "shift+down extends from the row clicked";
}

TEST(OutlineViewScrolling, FocusingScrollsVerticallyOnly) {
    Lines lines;
    for (int i = 0; i < 100; ++i)
        lines.push_back("item " + std::to_string(i));
    Tree t(lines);
    t.view.resize(300, 200);  // narrower than the columns
    QScrollBar* columns = t.view.horizontalScrollBar();
    columns->setValue(columns->maximum());
    const int scrolledTo = columns->value();
    ASSERT_GT(scrolledTo, 0);
    t.outline.setFocused(named(t.outline, "item 90"));
    EXPECT_EQ(columns->value(), scrolledTo);
    EXPECT_GT(t.view.verticalScrollBar()->value(), 0) << "the item was scrolled into view";
}

TEST(OutlineViewPainting, SelectedRowsAreTintedFromTheOutline) {
    Tree t({"A", "B"});
    t.outline.setSelected(named(t.outline, "B"), true);
    const QImage image = t.view.viewport()->grab().toImage();
    const int x = 300;  // inside the "name" column, right of the texts
    EXPECT_NE(image.pixelColor(x, t.centreOf("B").y()), image.pixelColor(x, t.centreOf("A").y()));
}

TEST(OutlineViewPainting, CopiedAndCutRowsAreMarkedUntilTheMarksGo) {
    Tree t({"Same", "Same", "Same"});
    Node* copied = t.outline.root()->child(1);
    Node* cut = t.outline.root()->child(2);
    t.outline.setMark(copied, ClipboardMark::Copy);
    t.outline.setMark(cut, ClipboardMark::Cut);
    auto rowImage = [&](int row) {
        const QRect rect = t.view.visualRect(t.model.index(row, 0)).adjusted(0, 0, 200, 0);
        return t.view.viewport()->grab(rect).toImage();
    };
    const QImage plain = rowImage(0);
    EXPECT_NE(rowImage(1), plain);
    EXPECT_NE(rowImage(2), plain);
    EXPECT_NE(rowImage(2), rowImage(1));
    t.outline.clearMarks();
    EXPECT_EQ(rowImage(1), plain);
    EXPECT_EQ(rowImage(2), plain);
}

// After each sequence the view lays out exactly the rows the outline displays. Rows below closed
// branches are mirrored only when their branch opens, so these sequences open branches whose rows
// changed while they were closed.
TEST(OutlineViewMirror, ShowsTheDisplayedRowsAfterBulkChanges) {
    using Command = std::function<void(Outline&)>;
    auto expand = [](const char* name) { return Command([name](Outline& o) { o.setExpanded(named(o, name), true); }); };
    auto collapse = [](const char* name) { return Command([name](Outline& o) { o.setExpanded(named(o, name), false); }); };
    auto focus = [](const char* name) { return Command([name](Outline& o) { o.setFocused(named(o, name)); }); };
    auto level = [](int n) { return Command([n](Outline& o) { ShowLevel(o, n - 1); }); };
    struct Case {
        const char* what;
        std::vector<Command> commands;
    } cases[] = {
        {"Expand All, Level 1, All Levels", {ExpandAll, level(1), AllLevels}},
        {"a level view changed while a branch was closed", {ExpandAll, collapse("A"), level(2), expand("A")}},
        {"All Levels while a branch was closed", {ExpandAll, level(1), collapse("A"), AllLevels, expand("A")}},
        {"collapsed inside, opened outside", {ExpandAll, collapse("A"), CollapseAll, expand("A"), expand("A1")}},
        {"hoist of a child, then All Levels", {ExpandAll, focus("A1"), Hoist, AllLevels}},
        {"hoist of a top item", {ExpandAll, focus("B"), Hoist}},
        {"the last visible child hidden and shown again",
         {expand("B"), [](Outline& o) { o.setVisible(named(o, "B1"), false); },
          [](Outline& o) { o.setVisible(named(o, "B1"), true); }}},
        {"an item added under a leaf", {ExpandAll, [](Outline& o) { addNamed(o, named(o, "C"), "C1"); }, expand("C")}},
        {"branches opened and a row hidden inside one batch of state changes",
         {[](Outline& o) {
              OutlineStatesUpdate batch(o);
              o.setExpanded(named(o, "A"), true);
              o.setExpanded(named(o, "A1"), true);
              o.setVisible(named(o, "A2"), false);
          }}},
        {"a selection of every row in a batch, then a branch opened",
         {ExpandAll, SelectAll, collapse("A"), Invert, expand("A")}},
        {"a branch moved into a closed one and opened there",
         {ExpandAll, collapse("B"), [](Outline& o) { o.moveNode(named(o, "A1"), named(o, "B"), AttachMode::LastChild); },
          expand("B")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Tree t({"A", "  A1", "    A11", "  A2", "B", "  B1", "C"});
        for (const Command& command : c.commands)
            command(t.outline);
        EXPECT_EQ(viewRows(t.view), displayedRows(t.outline));
    }
}

TEST(OutlineViewMirror, ABulkChangeKeepsTheTopRowInPlace) {
    Lines lines;
    for (int i = 0; i < 300; ++i) {
        lines.push_back("item " + std::to_string(i));
        lines.push_back("  child " + std::to_string(i));
    }
    Tree t(lines);
    ExpandAll(t.outline);
    auto topRow = [&t] { return t.model.nodeAt(t.view.indexAt(QPoint(5, 5)))->data.Name; };
    t.view.scrollTo(t.model.indexOf(named(t.outline, "item 150")), QAbstractItemView::PositionAtTop);
    ASSERT_EQ(topRow(), "item 150");
    struct Step {
        const char* what;
        std::function<void(Outline&)> command;
        const char* topAfter;
    } steps[] = {
        {"Invert", Invert, "item 150"},
        {"Level 1", [](Outline& o) { ShowLevel(o, 0); }, "item 150"},
        {"All Levels", AllLevels, "item 150"},
    };
    for (const Step& step : steps) {
        step.command(t.outline);
        EXPECT_EQ(topRow(), step.topAfter) << step.what;
    }
    t.view.scrollTo(t.model.indexOf(named(t.outline, "child 200")), QAbstractItemView::PositionAtTop);
    ShowLevel(t.outline, 0);
    EXPECT_EQ(topRow(), "item 200") << "a hidden top row gives way to its nearest displayed ancestor";
}

} // namespace
