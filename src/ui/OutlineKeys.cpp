#include "OutlineKeys.h"

namespace {

void run(const std::function<void()>& action) {
    if (action)
        action();
}

} // namespace

const char* outlineKeyCaption(const QKeyEvent& key) {
    const bool ctrl = key.modifiers().testFlag(Qt::ControlModifier);
    switch (key.key()) {
    case Qt::Key_V:
        return ctrl ? "Paste" : "Typing";
    case Qt::Key_X:
        return ctrl ? "Cut" : "Typing";
    case Qt::Key_Insert:
        return ctrl ? "Typing" : "Insert Item";
    case Qt::Key_Delete:
        return ctrl ? "Typing" : "Delete Items";
    default:
        return "Typing";
    }
}

bool runOutlineKey(const OutlineKeyActions& actions, const QKeyEvent& key) {
    const bool ctrl = key.modifiers().testFlag(Qt::ControlModifier);
    const std::function<void()>* action = nullptr;
    switch (key.key()) {
    case Qt::Key_C:
        action = ctrl ? &actions.copy : nullptr;
        break;
    case Qt::Key_V:
        action = ctrl ? &actions.paste : nullptr;
        break;
    case Qt::Key_X:
        action = ctrl ? &actions.cut : nullptr;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        action = ctrl ? nullptr : &actions.launch;
        break;
    case Qt::Key_Insert:
        action = ctrl ? nullptr : &actions.addNote;
        break;
    case Qt::Key_Delete:
        action = ctrl ? nullptr : &actions.remove;
        break;
    default:
        break;
    }
    if (!action)
        return false;
    run(*action);
    return true;
}

bool controlHeld(const QKeyEvent& key) {
    return key.key() == Qt::Key_Control || key.modifiers().testFlag(Qt::ControlModifier);
}
