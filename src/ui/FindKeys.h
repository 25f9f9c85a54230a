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

// A key event on a search box, as the box's event filter sees it: the find key to act on, or None.
// A shortcut check for a find key is accepted (the key then reaches the box, not the window's
// shortcut) and is `taken` with no key to act on.
struct BoxKey {
    FindKey key = FindKey::None;
    bool taken = false;
};

inline BoxKey boxKeyOf(QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return {};
    const FindKey key = findKeyOf(*static_cast<QKeyEvent*>(event));
    if (key == FindKey::None)
        return {};
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return {FindKey::None, true};
    }
    return {key, true};
}
