// The main window's undo and redo: each command dispatched as one step, the title box's renames as
// steps of their own, and the two commands with the name of their step in the caption.
#include "app/TForm1.h"

#include "app/TitleBox.h"
#include "ui/OutlineView.h"

#include <QAction>
#include <QComboBox>

void TForm1::dispatch(Handler handler, const std::string& stepName) {
    if (stepName.empty()) {
        (this->*handler)();
        return;
    }
    UndoStepScope step(undo_, stepName);
    (this->*handler)();
}

void TForm1::storeTitle(Node* item) {
    UndoStepScope step(undo_, "Rename Item");
    TitleBox::storeInto(linksTree_, item, titleEdit_->currentText().toStdString());
}

// The title box shows the focused item as the step left it, and the tag list, made of the top-level
// items, is made again when they changed; an error has cleared the history.
void TForm1::showUndone(const UndoOutcome& outcome) {
    if (!outcome.error.empty())
        services_.dialogs.showError(std::string(kUndoFailed) + outcome.error);
    if (outcome.topLevelChanged)
        GetBookmarks1Click();
    if (const Node* item = linksTree_.focused())
        titleEdit_->setEditText(QString::fromStdString(TitleBox::textFor(item)));
    if (outcome.shown)
        linksTreeView_->scrollToNode(outcome.shown);
}

void TForm1::showUndoCommands() {
    auto show = [this](std::string_view handler, const QString& verb, bool available, std::string_view step) {
        const QString caption =
            step.empty() ? verb : verb + ' ' + QString::fromUtf8(step.data(), static_cast<qsizetype>(step.size()));
        if (QAction* action = actionFor(handler)) {
            action->setText(caption);
            action->setEnabled(available);
        }
        if (auto* button = findChild<QWidget*>(QString::fromUtf8(handler.data(), static_cast<qsizetype>(handler.size())) + "Button"))
            button->setEnabled(available);
    };
    show("Undo1Click", QStringLiteral("Undo"), undo_.canUndo(), undo_.undoName());
    show("Redo1Click", QStringLiteral("Redo"), undo_.canRedo(), undo_.redoName());
}

// A pending rename in the title box is stored first: it is the newest change, which undo takes back
// and after which there is nothing to redo.
void TForm1::Undo1Click() { storeTitle(linksTree_.focused()), showUndone(undo_.undo()); }
void TForm1::Redo1Click() { storeTitle(linksTree_.focused()), showUndone(undo_.redo()); }
