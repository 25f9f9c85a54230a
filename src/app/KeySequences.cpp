#include "KeySequences.h"

QList<QKeySequence> keySequencesFor(const std::string& shortcut) {
    if (shortcut.empty())
        return {};
    QString text = QString::fromStdString(shortcut);
    if (text.endsWith("Enter")) {
        QString base = text.left(text.size() - 5);
        return {QKeySequence(base + "Return"), QKeySequence(base + "Enter")};
    }
    return {QKeySequence(text)};
}
