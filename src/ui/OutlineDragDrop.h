// Drag-and-drop on one of the three tree views. Pressing on a selected row and moving the mouse
// starts an in-program drag of the selection; every drag over the view is accepted, the drop point
// is marked above, on or below the row under the mouse, and each drop is handed to a handler that
// decides what it does. The views never start drags that carry data to other programs.
#pragma once

#include "collection/Outline.h"

#include <QObject>
#include <QPersistentModelIndex>
#include <QPoint>
#include <QPointer>

#include <functional>

class OutlineView;
class QMimeData;
class QTimer;
class QWidget;

class OutlineDragDrop : public QObject {
    Q_OBJECT
public:
    enum class Position { Above, On, Below, Nowhere };

    struct Drop {
        const OutlineView* source = nullptr;  // the view the drag started in; nullptr: data from outside
        Node* target = nullptr;               // the item under the drop point; nullptr at nowhere
        Position position = Position::Nowhere;
        Qt::KeyboardModifiers modifiers;
        Qt::DropActions offered;
    };
    // Carries out a drop and returns its effect (Qt::IgnoreAction when nothing happened).
    using Handler = std::function<Qt::DropAction(const Drop&)>;

    // Serves `view` for as long as the view exists (the view owns it).
    explicit OutlineDragDrop(OutlineView& view);

    void setHandler(Handler handler) { handler_ = std::move(handler); }
    // Where a drop at a point of the view's viewport goes, and onto which item.
    Position positionAt(QPoint viewportPoint, Node** target = nullptr) const;

    // The data of an in-program drag that started in `source`; the caller owns it.
    static QMimeData* dragData(const OutlineView& source);
    // The view an in-program drag started in, nullptr for any other data.
    static const OutlineView* dragSource(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startDrag();
    void showMark(QPoint viewportPoint);
    void hideMark();
    void scrollNearEdge();

    OutlineView& view_;
    Handler handler_;
    QWidget* mark_;
    QTimer* scrollTimer_;
    QPoint pressPoint_, dragPoint_;
    // The row pressed while a drag may start: an index the model invalidates when the row goes, so
    // a row deleted while the button is held cannot be dragged from freed memory.
    QPersistentModelIndex pressed_;
};
