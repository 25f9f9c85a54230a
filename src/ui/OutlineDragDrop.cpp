#include "OutlineDragDrop.h"

#include "OutlineView.h"

#include <QApplication>
#include <QDrag>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

namespace {

constexpr char kDragFormat[] = "application/x-wendelmoor-outline-items";
constexpr int kScrollMargin = 16;

// The data of an in-program drag: it says which view the drag started in and carries nothing else.
class OutlineDragData : public QMimeData {
public:
    explicit OutlineDragData(const OutlineView& source) : source_(&source) { setData(kDragFormat, QByteArray()); }
    const OutlineView* source() const { return source_; }

private:
    QPointer<const OutlineView> source_;
};

// The drop mark over the viewport: a line between rows, or a frame around the row dropped on.
class DropMark : public QWidget {
public:
    explicit DropMark(QWidget* viewport) : QWidget(viewport) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        hide();
    }
    void place(const QRect& row, OutlineDragDrop::Position position) {
        setGeometry(parentWidget()->rect());
        row_ = row;
        position_ = position;
        show();
        raise();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Text), 2));
        const int left = 0, right = width() - 1;
        switch (position_) {
        case OutlineDragDrop::Position::Above:
            painter.drawLine(left, row_.top(), right, row_.top());
            break;
        case OutlineDragDrop::Position::Below:
            painter.drawLine(left, row_.bottom(), right, row_.bottom());
            break;
        case OutlineDragDrop::Position::On:
            painter.drawRect(QRect(left + 1, row_.top() + 1, right - 2, row_.height() - 2));
            break;
        case OutlineDragDrop::Position::Nowhere:
            break;
        }
    }

private:
    QRect row_;
    OutlineDragDrop::Position position_ = OutlineDragDrop::Position::Nowhere;
};

} // namespace

OutlineDragDrop::OutlineDragDrop(OutlineView& view)
    : QObject(&view), view_(view), mark_(new DropMark(view.viewport())), scrollTimer_(new QTimer(this)) {
    view_.viewport()->setAcceptDrops(true);
    view_.viewport()->installEventFilter(this);
    scrollTimer_->setInterval(50);
    connect(scrollTimer_, &QTimer::timeout, this, &OutlineDragDrop::scrollNearEdge);
}

QMimeData* OutlineDragDrop::dragData(const OutlineView& source) { return new OutlineDragData(source); }

const OutlineView* OutlineDragDrop::dragSource(const QMimeData* data) {
    const auto* ours = dynamic_cast<const OutlineDragData*>(data);
    return ours ? ours->source() : nullptr;
}

OutlineDragDrop::Position OutlineDragDrop::positionAt(QPoint viewportPoint, Node** target) const {
    const QModelIndex index = view_.indexAt(viewportPoint);
    Node* node = view_.outlineModel().nodeAt(index);
    if (target)
        *target = node;
    if (!node)
        return Position::Nowhere;
    // The upper and lower quarter of a row insert beside it; the middle drops on it.
    const QRect row = view_.visualRect(index);
    const int band = std::max(2, row.height() / 4);
    if (viewportPoint.y() < row.top() + band)
        return Position::Above;
    if (viewportPoint.y() > row.bottom() - band)
        return Position::Below;
    return Position::On;
}

bool OutlineDragDrop::eventFilter(QObject* watched, QEvent* event) {
    if (watched != view_.viewport())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        pressed_ = mouse->button() == Qt::LeftButton ? QPersistentModelIndex(view_.indexAt(mouse->position().toPoint()))
                                                     : QPersistentModelIndex();
        pressPoint_ = mouse->position().toPoint();
        return false;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        // A row deleted while the button is held (a key pressed meanwhile) leaves the index invalid.
        const Node* pressed = pressed_.isValid() ? view_.outlineModel().nodeAt(pressed_) : nullptr;
        if (!pressed || !(mouse->buttons() & Qt::LeftButton))
            return false;
        // The view has handled the press by now: a row it left unselected is not dragged, and the
        // view goes on selecting with the mouse instead.
        if (!pressed->isSelected()) {
            pressed_ = QPersistentModelIndex();
            return false;
        }
        // Small moves are kept from the view, which would otherwise narrow the selection to the
        // rows swept over before the drag begins.
        if ((mouse->position().toPoint() - pressPoint_).manhattanLength() >= QApplication::startDragDistance())
            startDrag();
        return true;
    }
    case QEvent::MouseButtonRelease:
        pressed_ = QPersistentModelIndex();
        return false;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        drag->acceptProposedAction();
        dragPoint_ = drag->position().toPoint();
        showMark(dragPoint_);
        const bool nearEdge = dragPoint_.y() < kScrollMargin || dragPoint_.y() > view_.viewport()->height() - kScrollMargin;
        if (nearEdge && !scrollTimer_->isActive())
            scrollTimer_->start();
        return true;
    }
    case QEvent::DragLeave:
        hideMark();
        return true;
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        hideMark();
        Drop request;
        request.source = dragSource(drop->mimeData());
        request.position = positionAt(drop->position().toPoint(), &request.target);
        request.modifiers = drop->modifiers();
        request.offered = drop->possibleActions();
        const Qt::DropAction effect = handler_ ? handler_(request) : Qt::IgnoreAction;
        // The drop is always taken here, even when it does nothing, so that it never reaches the
        // window behind the view (which would make items of dropped files).
        drop->setDropAction(effect);
        drop->accept();
        return true;
    }
    default:
        return false;
    }
}

void OutlineDragDrop::startDrag() {
    const QModelIndex pressedIndex = pressed_;
    pressed_ = QPersistentModelIndex();
    auto* drag = new QDrag(&view_);
    drag->setMimeData(dragData(view_));
    const QRect row = view_.visualRect(pressedIndex).intersected(view_.viewport()->rect());
    if (!row.isEmpty()) {
        drag->setPixmap(view_.viewport()->grab(row));
        drag->setHotSpot(pressPoint_ - row.topLeft());
    }
    drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::MoveAction);
}

void OutlineDragDrop::showMark(QPoint viewportPoint) {
    Node* target = nullptr;
    const Position position = positionAt(viewportPoint, &target);
    if (!target) {
        hideMark();
        return;
    }
    static_cast<DropMark*>(mark_)->place(view_.visualRect(view_.outlineModel().indexOf(target)), position);
}

void OutlineDragDrop::hideMark() {
    mark_->hide();
    scrollTimer_->stop();
}

void OutlineDragDrop::scrollNearEdge() {
    QScrollBar* bar = view_.verticalScrollBar();
    if (dragPoint_.y() < kScrollMargin)
        bar->setValue(bar->value() - bar->singleStep());
    else if (dragPoint_.y() > view_.viewport()->height() - kScrollMargin)
        bar->setValue(bar->value() + bar->singleStep());
    else
        scrollTimer_->stop();
}
