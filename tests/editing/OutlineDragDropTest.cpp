// Drag-and-drop on the tree view: where a drop point goes, what the drop handler is told, and that a
// drop never falls through to the window behind the view.
#include "collection/Outline.h"
#include "support/TestOutlines.h"
#include "ui/OutlineDragDrop.h"
#include "ui/OutlineModel.h"
#include "ui/OutlineView.h"

#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

namespace {

// A window that makes note of drops that reach it, with two views inside: "links" (A, B, C) and
// "marks" (M).
struct Window : QWidget {
    Outline links, marks;
    Node* A = addNamed(links, nullptr, "A");
    Node* B = addNamed(links, nullptr, "B");
    Node* C = addNamed(links, nullptr, "C");
    Node* M = addNamed(marks, nullptr, "M");
    OutlineModel linksModel{links}, marksModel{marks};
    OutlineView* linksView = new OutlineView(linksModel, this);
    OutlineView* marksView = new OutlineView(marksModel, this);
    OutlineDragDrop* linksDrops = new OutlineDragDrop(*linksView);
    OutlineDragDrop* marksDrops = new OutlineDragDrop(*marksView);
    std::vector<OutlineDragDrop::Drop> handled;
    Qt::DropAction answer = Qt::MoveAction;
    int dropsOnTheWindow = 0;

    Window() {
        auto* column = new QVBoxLayout(this);
        column->addWidget(linksView);
        column->addWidget(marksView);
        setAcceptDrops(true);
        for (OutlineDragDrop* drops : {linksDrops, marksDrops})
            drops->setHandler([this](const OutlineDragDrop::Drop& drop) {
                handled.push_back(drop);
                return answer;
            });
        resize(400, 400);
        show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(this));
    }
    ~Window() override {
        delete linksView;
        delete marksView;
    }

    QPoint rowPoint(OutlineView* view, Node* node, double fraction) {
        const QRect row = view->visualRect(view->outlineModel().indexOf(node));
        return {row.center().x(), row.top() + static_cast<int>(fraction * row.height())};
    }

    // Sends a drag over and a drop at `point` of the view's viewport; returns the drop's result.
    std::optional<Qt::DropAction> dropAt(OutlineView* view, QPoint point, const QMimeData& data,
                                         Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                                         Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction) {
        QDragEnterEvent enter(point, offered, &data, Qt::LeftButton, modifiers);
        QApplication::sendEvent(view->viewport(), &enter);
        EXPECT_TRUE(enter.isAccepted()) << "every drag is accepted";
        QDropEvent drop(point, offered, &data, Qt::NoButton, modifiers);
        QApplication::sendEvent(view->viewport(), &drop);
        if (!drop.isAccepted())
            return std::nullopt;
        return drop.dropAction();
    }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override { event->acceptProposedAction(); }
    void dropEvent(QDropEvent* event) override {
        ++dropsOnTheWindow;
        event->acceptProposedAction();
    }
};

TEST(OutlineDragDrop, TheUpperAndLowerQuarterOfARowInsertBesideItAndTheMiddleDropsOnIt) {
    Window w;
    struct Case {
        double fraction;
        OutlineDragDrop::Position position;
    } cases[] = {
        {0.1, OutlineDragDrop::Position::Above},
        {0.5, OutlineDragDrop::Position::On},
        {0.9, OutlineDragDrop::Position::Below},
    };
    for (const Case& c : cases) {
        Node* target = nullptr;
        EXPECT_EQ(w.linksDrops->positionAt(w.rowPoint(w.linksView, w.B, c.fraction), &target), c.position);
        EXPECT_EQ(target, w.B);
    }
    Node* target = w.A;
    const QPoint belowTheRows(10, w.linksView->viewport()->height() - 2);
    EXPECT_EQ(w.linksDrops->positionAt(belowTheRows, &target), OutlineDragDrop::Position::Nowhere);
    EXPECT_EQ(target, nullptr);
}

TEST(OutlineDragDrop, AnInProgramDropTellsTheHandlerItsSourceTargetPositionAndKeys) {
    Window w;
    std::unique_ptr<QMimeData> data(OutlineDragDrop::dragData(*w.linksView));
    w.answer = Qt::CopyAction;
    auto result = w.dropAt(w.marksView, w.rowPoint(w.marksView, w.M, 0.9), *data, Qt::ControlModifier);
    ASSERT_EQ(w.handled.size(), 1u);
    const OutlineDragDrop::Drop& drop = w.handled[0];
    EXPECT_EQ(drop.source, w.linksView);
    EXPECT_EQ(drop.target, w.M);
    EXPECT_EQ(drop.position, OutlineDragDrop::Position::Below);
    EXPECT_EQ(drop.modifiers, Qt::ControlModifier);
    EXPECT_EQ(result, Qt::CopyAction);
}

TEST(OutlineDragDrop, DropsFromOutsideReachTheHandlerAsOutsideDataAndNeverTheWindowBehind) {
    Window w;
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile("/tmp/a.txt")});
    w.answer = Qt::IgnoreAction;  // as for a drop on the empty area
    for (QPoint point : {w.rowPoint(w.linksView, w.A, 0.5), QPoint(10, w.linksView->viewport()->height() - 2)}) {
        auto result = w.dropAt(w.linksView, point, files, Qt::NoModifier, Qt::CopyAction);
        EXPECT_TRUE(result.has_value()) << "the view takes the drop";
    }
    ASSERT_EQ(w.handled.size(), 2u);
    EXPECT_EQ(w.handled[0].source, nullptr);
    EXPECT_EQ(w.handled[0].offered, Qt::CopyAction);
    EXPECT_EQ(w.handled[1].position, OutlineDragDrop::Position::Nowhere);
    EXPECT_EQ(w.dropsOnTheWindow, 0);
}

TEST(OutlineDragDrop, DataOfAnotherKindHasNoDragSource) {
    Window w;
    QMimeData text;
    text.setText("A");
    EXPECT_EQ(OutlineDragDrop::dragSource(&text), nullptr);
    std::unique_ptr<QMimeData> ours(OutlineDragDrop::dragData(*w.marksView));
    EXPECT_EQ(OutlineDragDrop::dragSource(ours.get()), w.marksView);
}

TEST(OutlineDragDrop, PressingOnASelectedRowAndMovingALittleKeepsTheWholeSelection) {
    Window w;
    w.links.setSelected(w.A, true);
    w.links.setSelected(w.C, true);
    const QPoint start = w.rowPoint(w.linksView, w.C, 0.5);
    QTest::mousePress(w.linksView->viewport(), Qt::LeftButton, Qt::NoModifier, start);
    QMouseEvent move(QEvent::MouseMove, start + QPoint(0, 2), w.linksView->viewport()->mapToGlobal(start + QPoint(0, 2)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.linksView->viewport(), &move);
    EXPECT_TRUE(w.A->isSelected());
    EXPECT_TRUE(w.C->isSelected());
    QTest::mouseRelease(w.linksView->viewport(), Qt::LeftButton, Qt::NoModifier, start + QPoint(0, 2));
}

// Delete pressed while the button is held frees the row pressed on. A new selected row then takes
// its memory; the next mouse move must not start a drag from the row that is gone.
TEST(OutlineDragDrop, ARowDeletedWhileTheButtonIsHeldStartsNoDrag) {
    Window w;
    w.links.setSelected(w.C, true);
    const QPoint start = w.rowPoint(w.linksView, w.C, 0.5);
    QTest::mousePress(w.linksView->viewport(), Qt::LeftButton, Qt::NoModifier, start);
    w.links.deleteNode(w.C);
    w.links.setSelected(addNamed(w.links, nullptr, "D"), true);
    bool dragStarted = false;
    QTimer::singleShot(0, w.linksView, [&] {
        dragStarted = !w.linksView->findChildren<QDrag*>().isEmpty();
        QDrag::cancel();
    });
    const QPoint far = start + QPoint(0, 3 * QApplication::startDragDistance());
    QMouseEvent move(QEvent::MouseMove, far, w.linksView->viewport()->mapToGlobal(far), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w.linksView->viewport(), &move);
    QApplication::processEvents();
    EXPECT_FALSE(dragStarted);
    QTest::mouseRelease(w.linksView->viewport(), Qt::LeftButton, Qt::NoModifier, far);
}

} // namespace
