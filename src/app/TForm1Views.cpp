// The main window's handlers for level views, expanding, goto and selection, and the keys and mouse
// buttons of its three trees.
#include "app/TForm1.h"

#include "editing/CreationCommands.h"
#include "editing/Expanding.h"
#include "editing/LevelViews.h"
#include "editing/Navigation.h"
#include "editing/Selection.h"
#include "launch/Launcher.h"
#include "ui/OutlineView.h"
#include "ui/TLinkPropForm.h"

void TForm1::setUpViews() {
    linksKeys_ = OutlineKeyActions{
        [this] { CopyLink_mpClick(); },
        [this] { PasteLink_mpClick(); },
        [this] { CutLink_mpClick(); },
        [this] { OpenURL(LaunchMode::NewBrowserWindow); },
        [this] { InsertKeyPressed(linksTree_); },
        [this] { DeleteLink_mpClick(); },
    };
    auto keyUp = [this](const QKeyEvent&) { LinksTreeKeyUp(); };
    auto mouseDown = [this](Qt::MouseButton button) { LinksTreeMouseDown(button); };
    linksTreeView_->setEventHandlers({[this](const QKeyEvent& key) { return LinksTreeKeyDown(key); }, keyUp,
                                      mouseDown, [this] { LinksTreeDblClick(); }});
    for (OutlineView* sideTree : {marksTreeView_, dirTreeView_})
        sideTree->setEventHandlers({{}, keyUp, mouseDown, {}});
}

bool TForm1::LinksTreeKeyDown(const QKeyEvent& key) {
    state_.controlKeyHeld = state_.controlKeyHeld || controlHeld(key);
    UndoStepScope step(undo_, outlineKeyCaption(key));
    return runOutlineKey(linksKeys_, key);
}

void TForm1::LinksTreeKeyUp() { state_.controlKeyHeld = false; }

// The right button shows the properties of the outline's first selected item, from any tree.
void TForm1::LinksTreeMouseDown(Qt::MouseButton button) {
    UndoStepScope step(undo_, kItemPropertiesStep);
    if (button == Qt::RightButton)
        Props_mpClick();
}

// ---- handlers ----

void TForm1::Level11Click() { ShowLevel(linksTree_, 0); }
void TForm1::Level21Click() { ShowLevel(linksTree_, 1); }
void TForm1::Level31Click() { ShowLevel(linksTree_, 2); }
void TForm1::Level41Click() { ShowLevel(linksTree_, 3); }
void TForm1::Level51Click() { ShowLevel(linksTree_, 4); }
void TForm1::Level61Click() { ShowLevel(linksTree_, 5); }
void TForm1::Level71Click() { ShowLevel(linksTree_, 6); }
void TForm1::Level81Click() { ShowLevel(linksTree_, 7); }
void TForm1::Level91Click() { ShowLevel(linksTree_, 8); }
void TForm1::AllLevels1Click() { AllLevels(linksTree_); }
void TForm1::Hoist1Click() { Hoist(linksTree_); }

void TForm1::ExpandAll_mpClick() { ExpandAll(linksTree_); }
void TForm1::CollapseAll_mpClick() { CollapseAll(linksTree_); }
void TForm1::Hide1Click() { HideFocused(linksTree_); }
void TForm1::Expand1Click() { ExpandFocused(linksTree_); }
void TForm1::Allsubs1Click() { ExpandAllSubs(linksTree_); }
void TForm1::oggle1Click() { ToggleFocused(linksTree_); }

void TForm1::GotoFirst_mpClick() { GotoFirst(linksTree_); }
void TForm1::GotoPrevious1Click() { GotoPrevious(linksTree_); }
void TForm1::GotoPreviousSibling_mpClick() { GotoPreviousSibling(linksTree_); }
void TForm1::GotoNext_mpClick() { GotoNext(linksTree_); }
void TForm1::GotoNextSibling_mpClick() { GotoNextSibling(linksTree_); }
void TForm1::GotoLast_mpClick() { GotoLast(linksTree_); }

void TForm1::SelectAll_mpClick() { SelectAll(linksTree_); }
void TForm1::SelectAllVisible_mpClick() { SelectAllVisible(linksTree_); }
void TForm1::UnselectAll_mpClick() { UnselectAll(linksTree_); }
void TForm1::Invert1Click() { Invert(linksTree_); }
