// The main window's handlers for finding: the find bar above the outline ("Edit" > "Find…"), the
// quick launcher box on its global hot key, and "Service" > "Quick Launcher Key…".
#include "app/TForm1.h"

#include "find/FoundItems.h"
#include "ui/FindBar.h"
#include "ui/OutlineView.h"
#include "ui/QuickLauncherBox.h"
#include "ui/QuickLauncherKeyDialog.h"

QWidget* TForm1::buildFindBar(QWidget* parent) {
    findBar_ = new FindBar(finder_,
                           {[this](Node* item) { showFoundItem(item); },
                            [this](Node* item) { launchFoundItem(launcher_, finder_, item); },
                            [this] { linksTreeView_->setFocus(Qt::OtherFocusReason); }},
                           parent);
    return findBar_;
}

void TForm1::setUpQuickLauncher() {
    quickLauncher_ =
        std::make_unique<QuickLauncherBox>(finder_, [this](Node* item) { launchFoundItem(launcher_, finder_, item); });
    askLauncherKey_ = [this](const std::string& current) { return QuickLauncherKeyDialog::ask(this, current); };
}

void TForm1::showFoundItem(Node* item) {
    focusFoundItem(linksTree_, item);
    linksTreeView_->setFocus(Qt::OtherFocusReason);
}

void TForm1::showQuickLauncher() {
    quickLauncher_->open();
}

void TForm1::Find1Click() {
    findBar_->open();
}

void TForm1::QuickLauncherKey1Click() {
    if (const auto text = askLauncherKey_(launcherKey_.text()))
        launcherKey_.change(*text);
}
