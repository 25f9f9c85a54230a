// The keys of the find bar's and the quick launcher's box: the list keys they take from the window's
// shortcuts (Esc and Ctrl+Enter are menu shortcuts too), and the one each stands for.
#pragma once

#include <QKeyEvent>

enum class FindKey { None, Up, Down, PageUp, PageDown, Enter, CtrlEnter, Escape };

inline FindKey findKeyOf(const QKeyEvent& event) {
    const bool ctrl = event.modifiers() & Qt::ControlModifier;
    switch (event.key()) {
    case Qt::Key_Up:
        return FindKey::Up;
    case Qt::Key_Down:
        return FindKey::Down;
    case Qt::Key_PageUp:
        return FindKey::PageUp;
    case Qt::Key_PageDown:
        return FindKey::PageDown;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return ctrl ? FindKey::CtrlEnter : FindKey::Enter;
    case Qt::Key_Escape:
        return FindKey::Escape;
    default:
        return FindKey::None;
    }
}
